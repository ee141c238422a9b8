// The rows of the rename window's list, served in array order from a copy taken at each
// redraw. The copy keeps the screen as the last redraw left it while the arrays change
// underneath (a stale proposal, a refused drop), and only the rows in view are ever
// turned into text, so a list of thousands of files costs no widget per row.
#pragma once

#include "rename/rename_core.h"

#include <QAbstractTableModel>

#include <vector>

namespace renamer {

class RenameListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every row with the arrays' present content.
    void setRows(std::vector<ListRow> rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ListRow> m_rows;
};

} // namespace renamer
