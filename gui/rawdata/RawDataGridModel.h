#pragma once

#include <QAbstractTableModel>

namespace qv {
class RawDataTable;
}

namespace qv::gui {

// The raw data table as the grid shows it: the variables as columns (names in the header),
// the kept cases as rows (case numbers in the header). Work columns are not shown.
class RawDataGridModel final : public QAbstractTableModel {
public:
    explicit RawDataGridModel(const RawDataTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // After the table was read again.
    void refresh();

private:
    const RawDataTable& table_;
};

}  // namespace qv::gui
