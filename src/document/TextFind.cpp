#include "document/TextFind.h"

namespace {
// The offset of the character after the one at `pos` (a surrogate pair is one character).
int nextChar(const QString& text, int pos) {
    if (pos < text.size() && text.at(pos).isHighSurrogate() && pos + 1 < text.size() &&
        text.at(pos + 1).isLowSurrogate())
        return pos + 2;
    return pos + 1;
}

// The offset of the character before `pos`.
int previousChar(const QString& text, int pos) {
    if (pos >= 2 && pos <= text.size() && text.at(pos - 1).isLowSurrogate() &&
        text.at(pos - 2).isHighSurrogate())
        return pos - 2;
    return pos - 1;
}

// The length of the match of `needle` at `pos`, -1 when there is none.
int matchAt(const QString& text, const QString& needle, int pos) {
    int t = pos;
    for (int n = 0; n < needle.size();) {
        if (needle.at(n).isSpace()) {
            while (n < needle.size() && needle.at(n).isSpace())
                ++n;
            if (t >= text.size() || !text.at(t).isSpace())
                return -1;
            while (t < text.size() && text.at(t).isSpace())
                ++t;
            continue;
        }
        if (t >= text.size() || text.at(t).toCaseFolded() != needle.at(n).toCaseFolded())
            return -1;
        ++t;
        ++n;
    }
    return t - pos;
}

// A bookmark the text no longer reaches counts as none.
bool restorable(int bookmark, const QString& text) {
    return bookmark >= 0 && bookmark <= text.size();
}

TextHit nearestAfter(const QString& text, const QStringList& words, int from) {
    TextHit best;
    for (const QString& word : words) {
        const TextHit hit = findForward(text, word, from);
        if (hit.found() && (!best.found() || hit.start < best.start))
            best = hit;
    }
    return best;
}

TextHit nearestBefore(const QString& text, const QStringList& words, int end) {
    TextHit best;
    for (const QString& word : words) {
        const TextHit hit = findBackward(text, word, end);
        if (hit.found() && (!best.found() || hit.start > best.start))
            best = hit;
    }
    return best;
}

// One press of a stepping command: search from the bookmark; when nothing follows it, once more
// from the top (silently); a page without any occurrence gives the message.
template <typename Search> FindOutcome step(int& bookmark, const QString& text, Search search) {
    if (!restorable(bookmark, text))
        bookmark = -1;
    const bool bContinued = bookmark >= 0;
    TextHit hit = search(bookmark);
    if (!hit.found() && bContinued) {
        bookmark = -1;
        hit = search(-1);
    }
    if (!hit.found())
        return {hit, bContinued ? FindMessage::None : FindMessage::NotFound};
    bookmark = nextChar(text, hit.start);
    return {hit, FindMessage::None};
}

bool hasWords(const QStringList& words) {
    for (const QString& word : words)
        if (!word.trimmed().isEmpty())
            return true;
    return false;
}
} // namespace

TextHit findForward(const QString& text, const QString& needle, int from) {
    if (needle.trimmed().isEmpty())
        return {};
    for (int pos = qMax(from, 0); pos < text.size(); ++pos) {
        const int length = matchAt(text, needle, pos);
        if (length > 0)
            return {pos, length};
    }
    return {};
}

TextHit findBackward(const QString& text, const QString& needle, int end) {
    if (needle.trimmed().isEmpty())
        return {};
    end = qMin(end, static_cast<int>(text.size()));
    for (int pos = end - 1; pos >= 0; --pos) {
        const int length = matchAt(text, needle, pos);
        if (length > 0 && pos + length <= end)
            return {pos, length};
    }
    return {};
}

FindOutcome findInText(FindBookmarks& state, const QString& text, const QString& needle) {
    if (needle.isEmpty())
        return {{}, FindMessage::EnterText};
    if (needle != state.m_strFindText)
        state.m_nFindBookmark = -1;
    state.m_strFindText = needle;
    return step(state.m_nFindBookmark, text, [&](int bookmark) {
        return findForward(text, needle, bookmark < 0 ? 0 : nextChar(text, bookmark));
    });
}

FindOutcome findSearchedNext(FindBookmarks& state, const QString& text, const QStringList& words) {
    if (!hasWords(words)) {
        state.m_nSearchBookmark = -1;
        return {{}, FindMessage::NotFound};
    }
    return step(state.m_nSearchBookmark, text, [&](int bookmark) {
        return nearestAfter(text, words, bookmark < 0 ? 0 : nextChar(text, bookmark));
    });
}

FindOutcome findSearchedPrevious(FindBookmarks& state, const QString& text,
                                 const QStringList& words) {
    if (!hasWords(words)) {
        state.m_nSearchBookmark = -1;
        return {{}, FindMessage::NotFound};
    }
    return step(state.m_nSearchBookmark, text, [&](int bookmark) {
        // Before the previous hit, which starts one character before the bookmark.
        const int end = bookmark < 0 ? static_cast<int>(text.size()) : previousChar(text, bookmark);
        return nearestBefore(text, words, end);
    });
}

std::vector<TextHit> findAllInText(const QString& text, const QString& needle) {
    std::vector<TextHit> hits;
    for (TextHit hit = findForward(text, needle, 0); hit.found();
         hit = findForward(text, needle, nextChar(text, nextChar(text, hit.start))))
        hits.push_back(hit);
    return hits;
}

int occurrenceNumber(const std::vector<TextHit>& hits, int start) {
    for (size_t i = 0; i < hits.size(); ++i)
        if (hits[i].start == start)
            return static_cast<int>(i) + 1;
    return 0;
}
