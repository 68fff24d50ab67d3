#include "search/SearchResultModel.h"

#include "platform/ResourceIds.h"
#include "platform/Strings.h"

int SearchResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SearchResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant SearchResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const SearchRow& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == 0 ? row.norma : row.jmeno;
    case Qt::ToolTipRole:
        return toolTip(row, index.column());
    case Qt::UserRole:
        return row.id;
    default:
        return {};
    }
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return LoadResString(section == 0 ? IDS_COLUMN_NORMA : IDS_COLUMN_DOKUMENT);
}

QString SearchResultModel::toolTip(const SearchRow& row, int column) const {
    const QString cell = column == 0 ? row.norma : row.jmeno;
    if (!m_snippetSource)
        return cell;
    auto found = m_snippets.find(row.id);
    if (found == m_snippets.end())
        found = m_snippets.insert(row.id, m_snippetSource(row.id));
    if (found->isEmpty())
        return cell;
    return QStringLiteral("<p>%1</p><p>%2</p>").arg(cell.toHtmlEscaped(), *found);
}

void SearchResultModel::setSnippetSource(std::function<QString(int id)> source) {
    m_snippetSource = std::move(source);
    m_snippets.clear();
}

void SearchResultModel::setRows(const QList<SearchRow>& rows) {
    beginResetModel();
    m_snippets.clear();
    m_rows = rows;
    endResetModel();
}
