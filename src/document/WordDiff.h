#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// One piece of a section's HTML: a tag (comments included), a run of white space or a word.
struct HtmlToken {
    enum class Kind { Tag, Space, Word };
    Kind kind;
    QByteArray text;
};

// Splits HTML into tags, white space and words; the pieces put together give the input back.
std::vector<HtmlToken> tokenizeHtml(const QByteArray& html);

// The words of the HTML joined by single blanks, without the tags.
QString plainWords(const QByteArray& html);

// The HTML of `after` with the words that changed against `before` marked: words of `after` not
// in `before` as <ins class="tv-slovo">, words of `before` no longer there as
// <del class="tv-slovo"> where they stood. Only the words are compared, the tags never.
QByteArray markWordChanges(const QByteArray& before, const QByteArray& after);
