#include "search/SearchSession.h"

#include "db/DaoException.h"
#include "db/Database.h"
#include "db/ListConditions.h"
#include "db/Recordset.h"
#include "db/ReportDaoError.h"
#include "platform/Messages.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "search/FulltextIndex.h"
#include "search/HistoryArchive.h"
#include "search/HitMatcher.h"
#include "search/HtmlText.h"
#include "search/SearchExpression.h"
#include "search/SearchJob.h"

#include <QDir>
#include <algorithm>
#include <tuple>

namespace {
constexpr int kHistoryLimit = 20;
constexpr unsigned kMsgNoScope = IDS_CHOOSE_SEARCH_SCOPE;
constexpr unsigned kMsgEmptyText = IDS_ENTER_SEARCH_TEXT;
constexpr unsigned kMsgTooShort = IDS_SEARCH_TEXT_TOO_SHORT;
constexpr unsigned kMsgNotFound = IDS_NOTHING_FOUND;
constexpr unsigned kMsgNotFoundInAmendments = IDS_NOTHING_FOUND_IN_AMENDMENTS;
constexpr unsigned kMsgIndexOutdated = IDS_INDEX_OUTDATED;
constexpr unsigned kMsgTooManyWords = IDS_SEARCH_TOO_MANY_WORDS;
constexpr unsigned kMsgTooLong = IDS_SEARCH_TEXT_TOO_LONG;
constexpr unsigned kMsgIndexDamaged = IDS_INDEX_DAMAGED;

} // namespace

SearchSession::SearchSession(Database* database, QString indexFolder)
    : m_search([](const QString& folder, const QString& query, int scope, Cancellation* cancel) {
          return SearchIndex(folder, query, scope, cancel);
      }),
      m_pDatabase(database), m_strIndexFolder(std::move(indexFolder)) {}

SearchSession::~SearchSession() = default;

void SearchSession::LoadSettings() {
    m_nSettings = GetProfileInt(QStringLiteral("Search"), QStringLiteral("Settings"), 7);
    m_bInText = (m_nSettings & 1) != 0;
    m_bInName = (m_nSettings & 2) != 0;
    m_bInNumber = (m_nSettings & 4) != 0;
    m_nZobraz = GetProfileInt(QStringLiteral("Novelizace"), QStringLiteral("Settings"), 2);
    m_bAllForms = GetProfileInt(QStringLiteral("Search"), QStringLiteral("AllForms"), 1) != 0;
}

void SearchSession::LoadHistory() {
    const QByteArray stored = GetProfileBinary(QStringLiteral("Search"), QStringLiteral("History"));
    if (stored.isEmpty())
        return;
    // A damaged value is left alone: the history starts empty and is written anew at the end.
    const std::optional<QStringList> entries = DecodeHistory(stored);
    if (!entries)
        return;
    for (qsizetype i = entries->size() - 1; i >= 0; --i)
        AddToHistory(entries->at(i));
}

void SearchSession::SaveHistory() const {
    if (m_arrHistory.isEmpty())
        return;
    const QByteArray encoded = EncodeHistory(m_arrHistory);
    if (!encoded.isEmpty())
        WriteProfileBinary(QStringLiteral("Search"), QStringLiteral("History"), encoded);
}

void SearchSession::AddToHistory(const QString& text) {
    // A longer text cannot have come from the search box: a damaged or foreign stored history.
    if (CharacterCount(text) > kMaxSearchTextLength)
        return;
    for (qsizetype i = 0; i < m_arrHistory.size();) {
        if (m_arrHistory.at(i).compare(text, Qt::CaseInsensitive) == 0)
            m_arrHistory.removeAt(i);
        else
            ++i;
    }
    if (m_arrHistory.size() >= kHistoryLimit)
        m_arrHistory.removeLast();
    m_arrHistory.prepend(text);
}

SearchSession::Outcome SearchSession::RunSearch() {
    Outcome outcome = Outcome::Shown;
    const std::unique_ptr<SearchJob> job = BeginSearch(outcome);
    if (!job)
        return outcome;
    job->Run(nullptr);
    return FinishSearch(*job);
}

std::unique_ptr<SearchJob> SearchSession::BeginSearch(Outcome& refused) {
    if (!m_bInText && !m_bInName && !m_bInNumber) {
        ShowMessage(kMsgNoScope);
        refused = Outcome::NoScope;
        return nullptr;
    }
    m_nSettings = (m_bInText ? 1 : 0) + (m_bInName ? 2 : 0) + (m_bInNumber ? 4 : 0);
    // The choices are stored for a refused text too; a search stores them on its own thread.
    const auto refuse = [this, &refused](Outcome outcome) {
        if (m_bRemember)
            storeSearchChoices(m_nSettings, m_nZobraz, m_bAllForms);
        refused = outcome;
        return nullptr;
    };
    // Checked before trimming: a text of spaces gets the "too short" answer, not "empty".
    if (m_strSearchText.isEmpty()) {
        ShowMessage(kMsgEmptyText);
        return refuse(Outcome::EmptyText);
    }
    m_strSearchText = m_strSearchText.trimmed();
    if (CharacterCount(m_strSearchText) > kMaxSearchTextLength) {
        ShowMessage(LoadResString(kMsgTooLong).arg(kMaxSearchTextLength));
        return refuse(Outcome::TooLong);
    }
    const QString query = BuildQuery(m_strSearchText);
    if (CharacterCount(query) < 3) {
        ShowMessage(kMsgTooShort);
        return refuse(Outcome::TooShort);
    }
    if (fulltextTermCount(query) > kMaxSearchWords) {
        ShowMessage(LoadResString(kMsgTooManyWords).arg(kMaxSearchWords));
        return refuse(Outcome::TooManyWords);
    }
    std::unique_ptr<SearchJob> job(new SearchJob);
    job->m_search = m_search;
    job->m_pDatabase = m_pDatabase;
    job->m_strIndexFolder = m_strIndexFolder;
    job->m_strText = m_strSearchText;
    job->m_strQuery = query;
    job->m_nScope = m_nSettings | (m_bAllForms ? SearchAllForms : 0);
    job->m_bAllForms = m_bAllForms;
    job->m_nOblast = m_nOblast;
    job->m_nTyp = m_nTyp;
    job->m_nZobraz = m_nZobraz;
    job->m_nSortColumn = m_nSortColumn;
    job->m_bRemember = m_bRemember;
    return job;
}

SearchSession::Outcome SearchSession::FinishSearch(SearchJob& job) {
    const Outcome outcome = job.m_outcome;
    if (outcome == Outcome::Cancelled)
        return outcome;
    AddToHistory(job.m_strText);
    // An index that cannot be searched is said so, never answered as "nothing found".
    switch (outcome) {
    case Outcome::IndexOutdated:
        ShowMessage(kMsgIndexOutdated);
        return outcome;
    case Outcome::IndexDamaged:
        ShowMessage(LoadResString(kMsgIndexDamaged)
                        .arg(QDir::toNativeSeparators(fulltextIndexPath(m_strIndexFolder))),
                    MessageIcon::Error);
        return outcome;
    case Outcome::NotFound:
        ShowMessage(kMsgNotFound);
        return outcome;
    case Outcome::DbError:
        ReportDaoError(0, DaoException(job.m_strError));
        return outcome;
    default:
        break;
    }
    m_strLastResult = job.m_strResult;
    m_hitSections = std::move(job.m_hitSections);
    m_pMatcher = std::move(job.m_pMatcher);
    bool shown = job.m_bListed;
    if (std::tie(job.m_nOblast, job.m_nTyp, job.m_nZobraz, job.m_nSortColumn) !=
        std::tie(m_nOblast, m_nTyp, m_nZobraz, m_nSortColumn)) {
        // The filters or the sort changed while the search ran.
        shown = ShowResults(m_strLastResult);
    } else if (shown) {
        m_rows = std::move(job.m_rows);
        m_mapValidTo = std::move(job.m_mapValidTo);
    } else if (job.m_pDatabase) {
        ShowMessage(job.m_nZobraz == 1 ? kMsgNotFoundInAmendments : kMsgNotFound);
    }
    m_nPosition = 0;
    showCounter();
    return shown ? Outcome::Shown : Outcome::FilteredAway;
}

bool SearchSession::ShowResults(const QString& result) {
    if (!m_pDatabase)
        return false;
    try {
        QList<SearchRow> rows;
        QHash<int, QDateTime> validTo;
        if (!readSearchRows(*m_pDatabase,
                            searchResultSql(result, m_nOblast, m_nTyp, m_nZobraz, m_nSortColumn),
                            rows, validTo, nullptr)) {
            ShowMessage(m_nZobraz == 1 ? kMsgNotFoundInAmendments : kMsgNotFound);
            return false;
        }
        m_rows = std::move(rows);
        m_mapValidTo = std::move(validTo);
        return true;
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return !m_rows.isEmpty();
    }
}

void SearchSession::SortBy(int column) {
    m_nSortColumn = column == 1 ? 1 : 0;
    if (!m_strLastResult.isEmpty())
        ShowResults(m_strLastResult);
}

void SearchSession::RefreshResults() {
    if (!m_strLastResult.isEmpty()) {
        ShowResults(m_strLastResult);
        m_nPosition = 0;
    }
    showCounter();
}

QDateTime SearchSession::ValidOn(int id) const {
    const auto found = m_mapValidTo.constFind(id);
    if (found != m_mapValidTo.cend() && found->isValid())
        return found->addDays(-1);
    return QDateTime(QDate(2999, 12, 31), QTime(0, 0));
}

int SearchSession::OpenRow(int index) {
    if (index < 0 || index >= m_rows.size())
        return 0;
    m_nPosition = index + 1;
    showCounter();
    return m_rows.at(index).id;
}

QString SearchSession::GetCounterText() const {
    return QStringLiteral("(%1/%2)").arg(m_nPosition).arg(m_rows.size());
}

QStringList SearchSession::hitTexts(int id, bool firstOnly) const {
    QStringList texts;
    if (!m_pDatabase || m_hitSections.empty())
        return texts;
    try {
        Snapshot snapshot(*m_pDatabase,
                          QStringLiteral("SELECT sekce, obsah FROM dokumentSekce WHERE dokument = "
                                         "%1 ORDER BY poradi, sekce")
                              .arg(id));
        snapshot.Open();
        for (; !snapshot.IsEOF(); snapshot.MoveNext()) {
            const int sekce = snapshot.GetFieldInt(QStringLiteral("sekce"));
            if (!std::binary_search(m_hitSections.begin(), m_hitSections.end(), sekce))
                continue;
            texts << htmlToText(snapshot.GetFieldText(QStringLiteral("obsah")));
            if (firstOnly && m_pMatcher && !m_pMatcher->snippet(texts.back()).isEmpty())
                break;
        }
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
    }
    return texts;
}

QStringList SearchSession::HitWords(int id) const {
    QStringList words;
    if (!m_pMatcher) {
        SplitHighlightWords(words, m_strSearchText);
        return words;
    }
    return m_pMatcher->wordsIn(hitTexts(id, false).join(QLatin1Char('\n')));
}

QString SearchSession::HitSnippet(int id) const {
    if (!m_pMatcher)
        return QString();
    const QStringList texts = hitTexts(id, true);
    return texts.isEmpty() ? QString() : m_pMatcher->snippet(texts.back());
}

void SearchSession::showCounter() const {
    if (m_setStatusText)
        m_setStatusText(GetCounterText());
}
