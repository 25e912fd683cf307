#include "devicetable.h"

#include <QEvent>
#include <algorithm>

namespace zentri {

DeviceTable::DeviceTable(QObject *parent) : QAbstractTableModel(parent) {
    setObjectName(QStringLiteral("CDS1"));
}

int DeviceTable::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DeviceTable::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DeviceTable::data(const QModelIndex &index, int role) const {
    // The field of each column, in the order of Column.
    static QString DeviceRow::*const fields[ColumnCount] = {&DeviceRow::fldNazwa, &DeviceRow::fldIP,
                                                            &DeviceRow::fldMAC, &DeviceRow::fldFWVer,
                                                            &DeviceRow::fldZentriVersion};
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return row(index.row()).*fields[index.column()];
}

QVariant DeviceTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[ColumnCount] = {QT_TR_NOOP("Device"), QT_TR_NOOP("IP"), QT_TR_NOOP("MAC"),
                                                    QT_TR_NOOP("Firmware"), QT_TR_NOOP("Module version")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}

void DeviceTable::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void DeviceTable::insertBefore(int before, const std::vector<DeviceRow> &rows) {
    if (rows.empty())
        return;
    const int count = rowCount();
    before = std::clamp(before, 0, count);
    beginInsertRows(QModelIndex(), before, before + static_cast<int>(rows.size()) - 1);
    // Display position p is stored at rows_[size - 1 - p]: the block goes after the slot of `before`,
    // bottom row first.
    rows_.insert(rows_.begin() + (count - before), rows.rbegin(), rows.rend());
    endInsertRows();
}

DeviceGrid::DeviceGrid(QWidget *parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

QItemSelectionModel::SelectionFlags DeviceGrid::selectionCommand(const QModelIndex &index,
                                                                 const QEvent *event) const {
    if (!index.isValid() || (event && event->type() == QEvent::MouseButtonRelease))
        return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

void DeviceGrid::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) {
    // A drag selects the row under the pointer, not the rows from where it began.
    QTableView::setSelection(QRect(rect.bottomRight(), rect.bottomRight()), command);
}

} // namespace zentri
