#include "gui/rawdata/RawDataGridModel.h"

#include "core/rawdata/RawDataTable.h"
#include "gui/app/TextConversion.h"

namespace qv::gui {

RawDataGridModel::RawDataGridModel(const RawDataTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int RawDataGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.caseCount();
}

int RawDataGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.nFields();
}

QVariant RawDataGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return toQString(table_.cell(index.column() + 1, index.row() + 1));
}

QVariant RawDataGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // A variable's label from a statistics-package file is its name's tool tip.
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal &&
        static_cast<size_t>(section) < table_.labels.size())
        return toQString(table_.labels[static_cast<size_t>(section)]);
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? toQString(table_.cell(section + 1, 0))
                                         : toQString(table_.cell(0, section + 1));
}

void RawDataGridModel::refresh() {
    beginResetModel();
    endResetModel();
}

}  // namespace qv::gui
