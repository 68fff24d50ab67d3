#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class Cancellation;
class Database;
class HitMatcher;
class SearchJob;
struct FulltextAnswer;

// One listed document of the search page.
struct SearchRow {
    int id = 0;
    QString norma;
    QString jmeno;
};

// The logic of the search page without its widgets, shared by the page and tavlin-cli: the
// dialog data, the settings, the history, the full-text call and the result rows.
class SearchSession {
public:
    using SearchFunction =
        std::function<FulltextAnswer(const QString&, const QString&, int, Cancellation*)>;

    // What RunSearch ended with; the page puts the focus into the search box for the two text
    // failures. Cancelled: stopped before its end, which leaves the results and the history as
    // they were and shows no message.
    enum class Outcome {
        Shown,
        NoScope,
        EmptyText,
        TooShort,
        NotFound,
        FilteredAway,
        DbError,
        IndexOutdated,
        IndexDamaged,
        TooManyWords,
        TooLong,
        Cancelled
    };

    // The longest search text, in characters: the search box takes no more, and the history
    // keeps no longer entry.
    static constexpr int kMaxSearchTextLength = 255;
    // The most words a search may ask the index for; a longer query is refused before it is run.
    static constexpr int kMaxSearchWords = 64;

    SearchSession(Database* database, QString indexFolder);
    ~SearchSession();

    // Dialog data.
    QString m_strSearchText;
    bool m_bInText = true;
    bool m_bInName = true;
    bool m_bInNumber = true;
    int m_nZobraz = 2;
    int m_nOblast = 0;       // item data of the area combo, 0 = all
    int m_nTyp = -1;         // item data of the type combo, -1 = all
    bool m_bAllForms = true; // "Hledat všechny tvary slov"
    // Whether a search stores its scope, Zobraz and forms choices in the settings (the reader
    // does; a command-line run only when asked to).
    bool m_bRemember = true;

    int m_nSortColumn = 0;
    int m_nSettings = 7;
    int m_nPosition = 0;
    QString m_strLastResult;
    QStringList m_arrHistory;

    // The scope and the Zobraz choice from the settings, into the dialog data.
    void LoadSettings();
    void LoadHistory();
    void SaveHistory() const;
    void AddToHistory(const QString& text);

    Outcome RunSearch();
    // RunSearch in three steps, for a search that runs on another thread: BeginSearch checks the
    // input (showing its messages) and returns the work to do, or null with `refused` telling
    // why; the work's Run may go on anywhere, as it touches nothing of the session; FinishSearch
    // (on the session's thread) shows the work's messages, stores the text in the history and
    // lists what was found. The filters and sort in force then apply.
    std::unique_ptr<SearchJob> BeginSearch(Outcome& refused);
    Outcome FinishSearch(SearchJob& job);
    // Lists the documents of the sections in `result` (an IN list); false when nothing is listed
    // (the rows then stay as they were).
    bool ShowResults(const QString& result);
    // Sorts by column 0 (number) or 1 (name); the engine is not asked again.
    void SortBy(int column);
    // After a filter change: the last hits again under the current filters.
    void RefreshResults();

    const QList<SearchRow>& rows() const { return m_rows; }
    // The day on which a listed document is opened: the day before the end of its newest hit
    // version, or 31 December 2999 when that version is still in force.
    QDateTime ValidOn(int id) const;
    // Marks row `index` as opened and returns its document identifier.
    int OpenRow(int index);
    QString GetCounterText() const;
    // The words to mark in listed document `id`: the forms the last search matched in its hit
    // versions, with the typed phrases and prefixes.
    QStringList HitWords(int id) const;
    // The first passage of document `id`'s hit versions that matched, HTML with the matched
    // words in bold; empty when there is none.
    QString HitSnippet(int id) const;

    // The full-text call; tests replace it to see how often the engine is asked.
    SearchFunction m_search;
    // Where the counter text goes (the status bar).
    std::function<void(const QString&)> m_setStatusText;

private:
    void showCounter() const;
    // The plain texts of the hit versions of document `id`, in the document's order.
    QStringList hitTexts(int id, bool firstOnly) const;

    Database* m_pDatabase;
    QString m_strIndexFolder;
    QList<SearchRow> m_rows;
    QHash<int, QDateTime> m_mapValidTo;
    std::vector<int> m_hitSections; // sorted, from m_strLastResult
    std::unique_ptr<HitMatcher> m_pMatcher;
};
