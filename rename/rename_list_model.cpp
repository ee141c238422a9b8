#include "rename/rename_list_model.h"

#include <array>

namespace renamer {

namespace {

struct Column {
    const char16_t *heading;
    Qt::Alignment alignment;
};

// The headings begin with an ideographic space, as the names below them are indented.
constexpr std::array<Column, 3> Columns = {{
    {u"\u3000旧ファイル名", Qt::AlignLeft | Qt::AlignVCenter},
    {u"変換", Qt::AlignCenter},
    {u"\u3000新ファイル名", Qt::AlignLeft | Qt::AlignVCenter},
}};

QString cellText(const ListRow &row, int column)
{
    switch (column) {
    case 0:
        return QString::fromStdU16String(row.oldName);
    case 1:
        return QString::fromUtf16(row.marker.data(), static_cast<qsizetype>(row.marker.size()));
    default:
        return QString::fromStdU16String(row.newName);
    }
}

} // namespace

void RenameListModel::setRows(std::vector<ListRow> rows)
{
    // The same number of rows is redrawn in place, so that the row the user is on, and
    // where the list is scrolled to, stay as they were.
    if (!rows.empty() && rows.size() == m_rows.size()) {
        m_rows = std::move(rows);
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int RenameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RenameListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Columns.size());
}

QVariant RenameListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const ListRow &row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, index.column());
    case Qt::ToolTipRole:
        // A long name is cut at the column's edge; the whole name is a hover away, and so
        // is the reason a row keeps its name.
        if (index.column() == 1)
            return row.markerTip.empty() ? QVariant() : QVariant(QString::fromStdU16String(row.markerTip));
        return cellText(row, index.column());
    case Qt::TextAlignmentRole:
        return Columns[static_cast<std::size_t>(index.column())].alignment.toInt();
    default:
        return {};
    }
}

QVariant RenameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const Column &column = Columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return QString::fromUtf16(column.heading);
    if (role == Qt::TextAlignmentRole)
        return column.alignment.toInt();
    return {};
}

} // namespace renamer
