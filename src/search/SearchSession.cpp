#include "search/SearchSession.h"

#include "db/DaoException.h"
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

#include <QDir>
#include <algorithm>

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

// The engine's answer goes into SQL as it stands, so only "(n,n,…)" is taken. Checked by hand:
// a hit list can hold hundreds of thousands of numbers.
bool isIdList(const QString& text) {
    if (text.size() < 3 || text.front() != QLatin1Char('(') || text.back() != QLatin1Char(')'))
        return false;
    bool digitBefore = false;
    for (qsizetype i = 1; i < text.size() - 1; ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digitBefore = true;
        } else if (c == QLatin1Char(',') && digitBefore) {
            digitBefore = false;
        } else {
            return false;
        }
    }
    return digitBefore;
}

std::vector<int> parseIdList(const QString& list) {
    std::vector<int> ids;
    for (const QStringView id : QStringView(list).mid(1, list.size() - 2).split(QLatin1Char(',')))
        ids.push_back(id.toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}
} // namespace

SearchSession::SearchSession(Database* database, QString indexFolder)
    : m_search(SearchIndex), m_pDatabase(database), m_strIndexFolder(std::move(indexFolder)) {}

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
    if (!m_bInText && !m_bInName && !m_bInNumber) {
        ShowMessage(kMsgNoScope);
        return Outcome::NoScope;
    }
    m_nSettings = (m_bInText ? 1 : 0) + (m_bInName ? 2 : 0) + (m_bInNumber ? 4 : 0);
    if (m_bRemember) {
        WriteProfileInt(QStringLiteral("Search"), QStringLiteral("Settings"), m_nSettings);
        WriteProfileInt(QStringLiteral("Novelizace"), QStringLiteral("Settings"), m_nZobraz);
        WriteProfileInt(QStringLiteral("Search"), QStringLiteral("AllForms"), m_bAllForms ? 1 : 0);
    }
    // Checked before trimming: a text of spaces gets the "too short" answer, not "empty".
    if (m_strSearchText.isEmpty()) {
        ShowMessage(kMsgEmptyText);
        return Outcome::EmptyText;
    }
    m_strSearchText = m_strSearchText.trimmed();
    if (CharacterCount(m_strSearchText) > kMaxSearchTextLength) {
        ShowMessage(LoadResString(kMsgTooLong).arg(kMaxSearchTextLength));
        return Outcome::TooLong;
    }
    const QString query = BuildQuery(m_strSearchText);
    if (CharacterCount(query) < 3) {
        ShowMessage(kMsgTooShort);
        return Outcome::TooShort;
    }
    if (fulltextTermCount(query) > kMaxSearchWords) {
        ShowMessage(LoadResString(kMsgTooManyWords).arg(kMaxSearchWords));
        return Outcome::TooManyWords;
    }
    AddToHistory(m_strSearchText);
    const FulltextAnswer answer =
        m_search(m_strIndexFolder, query, m_nSettings | (m_bAllForms ? SearchAllForms : 0));
    // An index that cannot be searched is said so, never answered as "nothing found".
    switch (answer.state) {
    case FulltextIndexState::Outdated:
        ShowMessage(kMsgIndexOutdated);
        return Outcome::IndexOutdated;
    case FulltextIndexState::Missing:
    case FulltextIndexState::Damaged:
        ShowMessage(LoadResString(kMsgIndexDamaged)
                        .arg(QDir::toNativeSeparators(fulltextIndexPath(m_strIndexFolder))),
                    MessageIcon::Error);
        return Outcome::IndexDamaged;
    case FulltextIndexState::Ready:
        break;
    }
    const QString& result = answer.ids;
    if (!isIdList(result)) {
        ShowMessage(kMsgNotFound);
        return Outcome::NotFound;
    }
    m_strLastResult = result;
    m_hitSections = parseIdList(result);
    m_pMatcher = std::make_unique<HitMatcher>(m_strSearchText, m_bAllForms, m_strIndexFolder);
    const bool shown = ShowResults(result);
    m_nPosition = 0;
    showCounter();
    return shown ? Outcome::Shown : Outcome::FilteredAway;
}

bool SearchSession::ShowResults(const QString& result) {
    QString sql = QStringLiteral(
                      "SELECT dokument.id, dokument.norma, dokument.jmeno, sekceNovelizace.datumDo "
                      "FROM sekceNovelizace INNER JOIN dokument ON sekceNovelizace.dokument = "
                      "dokument.id WHERE (sekceNovelizace.sekce IN ") +
                  result + QStringLiteral(") AND (dokument.pohled = 1)");
    if (const QString filter = filterCondition(m_nOblast, m_nTyp); !filter.isEmpty())
        sql += QStringLiteral(" AND ") + filter;
    if (const QString novelizace = novelizaceCondition(m_nZobraz); !novelizace.isEmpty())
        sql += QStringLiteral(" AND ") + novelizace;
    sql += QStringLiteral(" ORDER BY ");
    sql += m_nSortColumn == 0
               ? QStringLiteral("left(dokument.norma, 255)")
               : QStringLiteral("left(dokument.jmeno, 255), left(dokument.norma, 255)");
    sql += QStringLiteral(", dokument.ID, datumNovelizace DESC");

    if (!m_pDatabase)
        return false;
    try {
        Snapshot snapshot(*m_pDatabase, sql);
        snapshot.Open();
        if (snapshot.IsEOF()) {
            ShowMessage(m_nZobraz == 1 ? kMsgNotFoundInAmendments : kMsgNotFound);
            return false;
        }
        m_rows.clear();
        m_mapValidTo.clear();
        // Rows of one document are adjacent, its newest amendment first: the first one counts.
        int previous = -1;
        for (; !snapshot.IsEOF(); snapshot.MoveNext()) {
            const int id = snapshot.GetFieldInt(QStringLiteral("id"));
            if (id == previous)
                continue;
            previous = id;
            m_rows.append({id, snapshot.GetFieldText(QStringLiteral("norma")),
                           snapshot.GetFieldText(QStringLiteral("jmeno"))});
            const QDateTime validTo = snapshot.GetFieldDate(QStringLiteral("datumDo"));
            if (validTo.isValid())
                m_mapValidTo.insert(id, validTo);
        }
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
