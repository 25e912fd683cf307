// The device table `CDS1`: one row per device record, newest first; shown read-only by `DBGrid1`.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QTableView>
#include <vector>

namespace zentri {

struct DeviceRow {
    int fldrecID = 0;
    QString fldNazwa;
    QString fldIP;
    QString fldMAC;
    QString fldFWVer;
    QString fldZentriVersion;
};

class DeviceTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColNazwa, ColIP, ColMAC, ColFWVer, ColZentriVersion, ColumnCount };

    explicit DeviceTable(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void clear();
    // Inserts `rows` (in the order they are shown, top first) before position `before` (clamped to the
    // table), in one change of the model.
    void insertBefore(int before, const std::vector<DeviceRow> &rows);
    const DeviceRow &row(int position) const {
        return rows_[rows_.size() - 1 - static_cast<size_t>(position)];
    }

private:
    std::vector<DeviceRow> rows_; // kept newest-last so that an insertion at the top is cheap
};

// The grid `DBGrid1` that shows the table: one current row, selected as a whole. The mouse and the keys
// select just the row they make current. The selection may hold more than one row only so that the
// accessibility actions can select a row and clear the current one, which the main window takes as a
// screen reader's click on that row.
class DeviceGrid : public QTableView {
    Q_OBJECT
public:
    explicit DeviceGrid(QWidget *parent = nullptr);
    void selectAll() override {}

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
};

} // namespace zentri
