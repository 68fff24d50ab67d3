#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Translates the query language of the search page into an FTS5 expression. Every term is
// re-tokenised here the way the index tokeniser splits text (letters and digits), and each token
// is quoted, so FTS5 never sees the user's own syntax. Operators: AND, OR, NOT (upper case, as
// words), "…" phrases, word* prefixes and the whole query as "…"~N for words within N words of
// each other. Returns an empty text when nothing positive is left to search for.
QString toFts5Expression(const QString& query);

// The lemmas a lower-case token stands for; an empty answer keeps the token's own form.
using LemmaResolver = std::function<QStringList(const QString& token)>;

// The same with every word outside quotes and without a prefix star matched by its lemmas, as
// `lemmas` gives them; a quoted phrase keeps its exact forms.
QString toFts5Expression(const QString& query, const LemmaResolver& lemmas);

// The number of words `query` (as BuildQuery gives it) asks the index for: its tokens without the
// operators and the proximity distance.
qsizetype fulltextTermCount(const QString& query);

// The tokens of `text` as the index sees them: runs of letters and digits (NFC-normalised).
QStringList fulltextTokens(const QString& text);
