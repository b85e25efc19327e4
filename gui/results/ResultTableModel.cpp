#include "gui/results/ResultTableModel.h"

#include <QColor>

#include "gui/app/TextConversion.h"

namespace qv::gui {

QColor MarkColour(Severity severity) {
    // Light enough behind black text for a contrast above 4.5:1.
    return severity == Severity::Problem ? QColor(0xf4, 0xb6, 0xb6) : QColor(0xfc, 0xe3, 0x9a);
}

ResultTableModel::ResultTableModel(ResultTable table, int decimals, QObject* parent)
    : QAbstractTableModel(parent), table_(std::move(table)), decimals_(decimals) {}

void ResultTableModel::setDecimals(int decimals) {
    decimals_ = decimals;
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.columns.size());
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    const TableCell* cell = table_.cell(index.row(), index.column());
    if (!cell) return role == kSortRole ? QVariant(QString()) : QVariant();
    switch (role) {
        case Qt::DisplayRole: return toQString(CellText(*cell, decimals_));
        case kSortRole:
            // Undefined figures sort below every number.
            if (cell->isNumber) return cell->defined() ? cell->number : -std::numeric_limits<double>::infinity();
            return toQString(cell->text);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(cell->isNumber ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            if (cell->mark) return MarkColour(RuleOf(*cell->mark).severity);
            return {};
        case Qt::ToolTipRole:
            if (cell->mark) return toQString(RuleOf(*cell->mark).text);
            return {};
        default: return {};
    }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section < columnCount() ? toQString(table_.columns[section]) : QVariant();
}

}  // namespace qv::gui
