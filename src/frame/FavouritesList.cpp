#include "frame/FavouritesList.h"

#include "db/DaoException.h"
#include "db/DokumentRecordsets.h"
#include "db/ReportDaoError.h"
#include "document/DocumentAssembler.h"

std::vector<FavouriteRow> readFixedLaws(Database& database) {
    std::vector<FavouriteRow> rows;
    QStringList conditions;
    for (const char* ozn : g_arrFixedLaws)
        conditions << QStringLiteral("(ozn LIKE '%1')").arg(QLatin1String(ozn));
    try {
        CrDokument dokument(database);
        dokument.m_strFilter = conditions.join(QStringLiteral(" OR "));
        dokument.m_strSort = QStringLiteral("Dokument.Poradi, Dokument.ID");
        dokument.Open();
        for (; !dokument.IsEOF(); dokument.MoveNext())
            rows.push_back({dokument.m_ID, dokument.GetTitle()});
        dokument.Close();
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
    }
    return rows;
}

FavouritesList collectFavourites(Database* database, const QStringList& names,
                                 const DocumentByName& findByName) {
    FavouritesList list;
    if (database)
        list.fixedLaws = readFixedLaws(*database);
    for (const QString& name : names) {
        QString title;
        const int id = findByName ? findByName(likeLiteral(name), title) : 0;
        list.userFavourites.push_back({id, title.isEmpty() ? name : title});
    }
    for (const auto* rows : {&list.fixedLaws, &list.userFavourites})
        for (const FavouriteRow& row : *rows)
            list.links += favouriteLink(row.id, row.title);
    return list;
}

QString likeLiteral(const QString& text) {
    QString pattern;
    pattern.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('#') ||
            c == QLatin1Char('['))
            pattern += QLatin1Char('[') + c + QLatin1Char(']');
        else if (c == QLatin1Char('\''))
            pattern += QStringLiteral("''");
        else
            pattern += c;
    }
    return pattern;
}

QString favouriteLink(int id, const QString& title) {
    // The title may be a stored name, the user's own text: it stays text in the page.
    return QStringLiteral("<a href=\"javascript:sestavDoc('%1')\">%2</a>\r\n")
        .arg(id)
        .arg(title.toHtmlEscaped());
}
