#include "gui/rawdata/VariableSummaryModel.h"

#include <QBrush>
#include <QStringList>

#include "gui/app/TextConversion.h"

namespace qv::gui {
namespace {

enum Column { Name, Type, Missing, Mean, Deviation, Minimum, Maximum, Unusable, ColumnCount };

QString kindText(VariableSummary::Kind kind) {
    switch (kind) {
        case VariableSummary::Kind::Numeric: return "number";
        case VariableSummary::Kind::Text: return "text";
        case VariableSummary::Kind::Empty: return "empty";
    }
    return {};
}

QVariant figure(const VariableSummary& summary, double value) {
    if (summary.kind == VariableSummary::Kind::Empty) return {};
    return QString::number(value, 'f', 3);
}

}  // namespace

int VariableSummaryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(summaries_.size());
}

int VariableSummaryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant VariableSummaryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const VariableSummary& summary = summaries_[static_cast<size_t>(index.row())];
    if (role == Qt::ToolTipRole && !summary.label.empty()) return toQString(summary.label);
    if (role == Qt::ForegroundRole && !summary.unusable.empty()) return QBrush(Qt::gray);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case Name: return toQString(summary.name);
        case Type: return kindText(summary.kind);
        case Missing: return summary.missing;
        case Mean: return figure(summary, summary.mean);
        case Deviation: return figure(summary, summary.standardDeviation);
        case Minimum: return figure(summary, summary.minimum);
        case Maximum: return figure(summary, summary.maximum);
        case Unusable: return toQString(summary.unusable);
    }
    return {};
}

QVariant VariableSummaryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const QStringList headers = {"Variable", "Type", "Missing", "Mean", "SD", "Min", "Max", "Unusable"};
    return section >= 0 && section < headers.size() ? headers[section] : QVariant();
}

void VariableSummaryModel::show(std::vector<VariableSummary> summaries) {
    beginResetModel();
    summaries_ = std::move(summaries);
    endResetModel();
}

}  // namespace qv::gui
