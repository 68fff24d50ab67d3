#pragma once

#include "document/TextFind.h"

#include <QObject>
#include <QStringList>
#include <functional>

class CTvHtmlView;

// Find and copy in the page the document view shows, between the view and its page: the page
// hands over its plain text, the search runs here on that text with character offsets as
// bookmarks, and the page only selects and scrolls to the hit.
class DocumentFind : public QObject {
    Q_OBJECT
public:
    explicit DocumentFind(CTvHtmlView& view);

    // The next occurrence of `text`; 61460 for an empty text, 61468 when it occurs nowhere.
    void FindInText(const QString& text);
    // The nearest of `words` (the search expression's words to mark) after or before the last
    // such hit; 61468 names the whole `expression`.
    void FindSearchedNext(const QString& expression, const QStringList& words);
    void FindSearchedPrevious(const QString& expression, const QStringList& words);
    // Copies the selection, or first selects the whole text, which then stays selected.
    void CopyText(bool bSelectAll);
    // A completed navigation starts every search afresh.
    void Reset();

    const FindBookmarks& bookmarks() const { return m_state; }

signals:
    // An operation has ended: a hit selected, a message shown or nothing to do.
    void finished();
    // "Najít v textu" has selected occurrence `n` of `total`, all of them marked.
    void occurrenceShown(int n, int total);

private:
    using Step = std::function<FindOutcome(FindBookmarks&, const QString&)>;
    using SearchedStep = FindOutcome (*)(FindBookmarks&, const QString&, const QStringList&);
    void FindSearched(const QString& expression, const QStringList& words, SearchedStep searched);
    // The occurrences to mark on the page's text, none for the searched words.
    using Marks = std::function<std::vector<TextHit>(const QString&)>;
    void run(const QString& shownText, const Step& step, bool bWaitCursor, const Marks& marks = {});
    void select(const TextHit& hit, const std::vector<TextHit>& marks);

    CTvHtmlView& m_view;
    FindBookmarks m_state;
    // Counts navigations, so that an answer about a page no longer shown is dropped.
    int m_nGeneration = 0;
};
