#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Finding in the plain text of a shown page. Positions are offsets into that text (UTF-16 code
// units, as the page counts them); a bookmark is the offset one character after the start of the
// last hit, so the next search starts two characters after that start.

struct TextHit {
    int start = -1;
    int length = 0;
    bool found() const { return start >= 0; }
};

// The first occurrence of `needle` starting at or after `from`. Letter case is ignored and a
// blank in `needle` matches any run of white space (line breaks and no-break spaces included).
TextHit findForward(const QString& text, const QString& needle, int from);
// The last occurrence of `needle` that ends at or before `end`.
TextHit findBackward(const QString& text, const QString& needle, int end);

// The state of finding in one shown page; every completed navigation resets it.
struct FindBookmarks {
    QString m_strFindText;
    int m_nFindBookmark = -1;   // -1: start from the top
    int m_nSearchBookmark = -1; // -1: start from the top (or the end, going backwards)

    void reset() { *this = FindBookmarks(); }
};

enum class FindMessage {
    None,
    EnterText, // nothing to find in text was given
    NotFound,  // the text or the words occur nowhere on the page
};

struct FindOutcome {
    TextHit hit;
    FindMessage message = FindMessage::None;
};

// "Najít v textu": the next occurrence of `needle` after the last one, wrapping silently to the
// first; a changed text starts at the top.
FindOutcome findInText(FindBookmarks& state, const QString& text, const QString& needle);

// Every occurrence "Najít v textu" steps through, in text order: each search starts two
// characters after the start of the previous hit, as the stepping does.
std::vector<TextHit> findAllInText(const QString& text, const QString& needle);
// The number (from 1) of the occurrence starting at `start` among `hits`, 0 when none does.
int occurrenceNumber(const std::vector<TextHit>& hits, int start);

// "Najít další" / "Najít předchozí": of the searched words, the occurrence nearest after (before)
// the last searched-word hit; on equal positions the earlier word wins. Both wrap silently.
FindOutcome findSearchedNext(FindBookmarks& state, const QString& text, const QStringList& words);
FindOutcome findSearchedPrevious(FindBookmarks& state, const QString& text,
                                 const QStringList& words);
