#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "core/rawdata/VariableSummary.h"

namespace qv::gui {

// The data view's list of variables: one row per variable with its type, missing values,
// mean, standard deviation, minimum and maximum; a variable that cannot be an indicator is
// marked in its own column and greyed. A label read from the file is the name's tool tip.
class VariableSummaryModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void show(std::vector<VariableSummary> summaries);

private:
    std::vector<VariableSummary> summaries_;
};

}  // namespace qv::gui
