#pragma once

#include <QAbstractTableModel>

#include "core/tables/ResultTable.h"

namespace qv::gui {

// One result table for a view: its cells read with the chosen decimals, numbers right-aligned,
// marked ones coloured by the severity of the threshold they miss. The sort role gives numbers
// as numbers, so a column sorts by value.
class ResultTableModel final : public QAbstractTableModel {
public:
    static constexpr int kSortRole = Qt::UserRole + 1;

    explicit ResultTableModel(ResultTable table, int decimals, QObject* parent = nullptr);

    const ResultTable& table() const { return table_; }
    void setDecimals(int decimals);
    int decimals() const { return decimals_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ResultTable table_;
    int decimals_;
};

// The colour behind a figure that misses a threshold of this severity.
QColor MarkColour(Severity severity);

}  // namespace qv::gui
