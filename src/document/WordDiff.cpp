#include "document/WordDiff.h"

#include <QByteArrayList>
#include <cctype>
#include <dtl/dtl.hpp>

namespace {
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The end of the tag (or comment) that starts at `start`; the end of the text when it is open.
qsizetype tagEnd(const QByteArray& html, qsizetype start) {
    if (html.mid(start, 4) == "<!--") {
        const qsizetype end = html.indexOf("-->", start + 4);
        return end < 0 ? html.size() : end + 3;
    }
    char quote = 0;
    for (qsizetype i = start + 1; i < html.size(); ++i) {
        const char c = html[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return html.size();
}

// For each word: whether a block of the text ends after it, before the next word.
std::vector<bool> blockEnds(const std::vector<HtmlToken>& tokens);

std::vector<QByteArray> wordsOf(const std::vector<HtmlToken>& tokens) {
    std::vector<QByteArray> words;
    for (const HtmlToken& token : tokens)
        if (token.kind == HtmlToken::Kind::Word)
            words.push_back(token.text);
    return words;
}

// A closing tag of a block ("</p>", "</td>", "</h3>"...).
bool isBlockEnd(const QByteArray& tag) {
    if (!tag.startsWith("</") || !tag.endsWith('>'))
        return false;
    const QByteArray name = tag.mid(2, tag.size() - 3).trimmed().toLower();
    static const QByteArrayList blocks = {"p",          "div",   "li", "td", "th", "tr",
                                          "h1",         "h2",    "h3", "h4", "h5", "h6",
                                          "blockquote", "table", "ul", "ol"};
    return blocks.contains(name);
}

std::vector<bool> blockEnds(const std::vector<HtmlToken>& tokens) {
    std::vector<bool> ends;
    for (const HtmlToken& token : tokens) {
        if (token.kind == HtmlToken::Kind::Word)
            ends.push_back(false);
        else if (token.kind == HtmlToken::Kind::Tag && !ends.empty() && isBlockEnd(token.text))
            ends.back() = true;
    }
    return ends;
}

// Sequences this long would make the exact edit script slow; dtl then settles for a near one.
constexpr size_t kHugeSequence = 20000;
} // namespace

std::vector<HtmlToken> tokenizeHtml(const QByteArray& html) {
    std::vector<HtmlToken> tokens;
    qsizetype i = 0;
    while (i < html.size()) {
        const char c = html[i];
        qsizetype end = i + 1;
        HtmlToken::Kind kind = HtmlToken::Kind::Word;
        // A "<" that opens no tag ("a < b") is part of a word.
        if (c == '<' && i + 1 < html.size() &&
            (std::isalpha(static_cast<unsigned char>(html[i + 1])) || html[i + 1] == '/' ||
             html[i + 1] == '!')) {
            kind = HtmlToken::Kind::Tag;
            end = tagEnd(html, i);
        } else if (isSpace(c)) {
            kind = HtmlToken::Kind::Space;
            while (end < html.size() && isSpace(html[end]))
                ++end;
        } else {
            while (end < html.size() && !isSpace(html[end]) && html[end] != '<')
                ++end;
        }
        tokens.push_back({kind, html.mid(i, end - i)});
        i = end;
    }
    return tokens;
}

QString plainWords(const QByteArray& html) {
    QByteArray text;
    for (const QByteArray& word : wordsOf(tokenizeHtml(html))) {
        if (!text.isEmpty())
            text += ' ';
        text += word;
    }
    return QString::fromUtf8(text);
}

QByteArray markWordChanges(const QByteArray& before, const QByteArray& after) {
    const std::vector<HtmlToken> afterTokens = tokenizeHtml(after);
    const std::vector<HtmlToken> beforeTokens = tokenizeHtml(before);
    std::vector<QByteArray> oldWords = wordsOf(beforeTokens);
    const std::vector<bool> oldBlockEnds = blockEnds(beforeTokens);
    std::vector<QByteArray> newWords = wordsOf(afterTokens);
    dtl::Diff<QByteArray, std::vector<QByteArray>> diff(oldWords, newWords);
    if (oldWords.size() + newWords.size() > kHugeSequence)
        diff.onHuge();
    diff.compose();
    const auto script = diff.getSes().getSequence();

    QByteArray marked;
    size_t next = 0;
    // Removed words stand before the next word of the new text; those that ended a block of the
    // old text stand at the end of the block being closed, ahead of its closing tag.
    const auto flushDeleted = [&](bool bAtBlockEnd) {
        size_t end = next;
        while (end < script.size() && script[end].second.type == dtl::SES_DELETE)
            ++end;
        if (end == next)
            return;
        const auto lastOld = static_cast<size_t>(script[end - 1].second.beforeIdx - 1);
        if (bAtBlockEnd && !(lastOld < oldBlockEnds.size() && oldBlockEnds[lastOld]))
            return;
        QByteArray deleted;
        for (; next < end; ++next) {
            if (!deleted.isEmpty())
                deleted += ' ';
            deleted += script[next].first;
        }
        const QByteArray del = "<del class=\"tv-slovo\">" + deleted + "</del>";
        marked += bAtBlockEnd ? ' ' + del : del + ' ';
    };
    for (const HtmlToken& token : afterTokens) {
        if (token.kind == HtmlToken::Kind::Tag && isBlockEnd(token.text))
            flushDeleted(true);
        if (token.kind != HtmlToken::Kind::Word) {
            marked += token.text;
            continue;
        }
        flushDeleted(false);
        const bool added = next < script.size() && script[next].second.type == dtl::SES_ADD;
        if (next < script.size())
            ++next;
        marked += added ? "<ins class=\"tv-slovo\">" + token.text + "</ins>" : token.text;
    }
    flushDeleted(false);
    return marked;
}
