// The rig window's table: the rig's devices in the rig's order, then the devices not in the rig, each
// with its state and what the engine knows of it. Each cell's sort key is kept apart from its text
// (the state's order, the time last seen).
#pragma once

#include "rig/engine.h"

#include <QAbstractTableModel>
#include <QDateTime>

namespace zentri {

class RigTable : public QAbstractTableModel {
public:
    enum Column { State, Device, Mac, Ip, Firmware, Module, SdCard, LastSeen, Differences, ColumnCount };
    static constexpr int kSortRole = Qt::UserRole;

    struct Line {
        rig::State state = rig::State::Missing;
        QString texts[ColumnCount];
        QDateTime seen;
    };
    // One line per row of the engine.
    static QVector<Line> linesOf(const rig::Engine &engine, const rig::Rig &rig);

    using QAbstractTableModel::QAbstractTableModel;
    void setLines(QVector<Line> lines);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVector<Line> lines_;
};

} // namespace zentri
