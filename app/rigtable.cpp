#include "rigtable.h"

#include "device/protocol.h"

#include <QBrush>
#include <QCoreApplication>
#include <QHash>

namespace zentri {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::RigWindow)
};

QColor stateColour(rig::State state) {
    switch (state) {
    case rig::State::InSync:
        return QColor(198, 239, 206);
    case rig::State::Differs:
        return QColor(255, 229, 153);
    case rig::State::Missing:
        return QColor(255, 199, 206);
    case rig::State::NotInRig:
        return QColor(197, 217, 241);
    case rig::State::Duplicate:
        return QColor(228, 208, 245);
    }
    return {};
}
} // namespace

QVector<RigTable::Line> RigTable::linesOf(const rig::Engine &engine, const rig::Rig &rig) {
    QHash<QString, const rig::Watch::Device *> watched;
    for (const rig::Watch::Device &d : engine.watch().devices())
        watched.insert(d.mac, &d);
    QVector<Line> lines;
    lines.reserve(engine.rows().size());
    for (const rig::Row &row : engine.rows()) {
        Line l;
        l.state = row.state;
        const recUrzadzenia *shown = row.device ? &*row.device : &rig.devices[row.entry];
        l.texts[State] = rig::stateText(row.state);
        l.texts[Device] = row.name(rig);
        l.texts[Mac] = row.mac;
        l.texts[Ip] = row.ips.join(QStringLiteral(", "));
        l.texts[Firmware] = shown->FWVer;
        l.texts[Module] = wire::moduleVersionName(shown->ZentriVersion);
        if (const rig::Watch::Device *d = watched.value(row.mac)) {
            l.seen = d->lastSeen;
            l.texts[LastSeen] =
                d->lastSeen.isValid()
                    ? QStringLiteral("%1, %2").arg(rig::presenceText(d->presence),
                                                   d->lastSeen.toString(QStringLiteral("HH:mm:ss")))
                    : rig::presenceText(d->presence);
        } else {
            l.texts[LastSeen] = row.device ? Words::tr("answering") : Words::tr("never");
        }
        const rig::SdCard card = engine.sdCard(row);
        if (card != rig::SdCard::Unknown)
            l.texts[SdCard] = rig::sdCardText(card);
        l.texts[Differences] = row.detail();
        lines.append(l);
    }
    return lines;
}

void RigTable::setLines(QVector<Line> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int RigTable::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int RigTable::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RigTable::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size())
        return {};
    const Line &l = lines_[index.row()];
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return l.texts[c];
    case Qt::AccessibleTextRole:
        // The state is read with every row, whatever column the reader is on.
        return c == State ? l.texts[c] : l.texts[c] + QStringLiteral(", ") + l.texts[State];
    case Qt::AccessibleDescriptionRole:
        return l.texts[Differences];
    case Qt::BackgroundRole:
        return c == State ? QVariant(QBrush(stateColour(l.state))) : QVariant();
    case Qt::ForegroundRole:
        return c == State ? QVariant(QBrush(Qt::black)) : QVariant();
    case kSortRole:
        if (c == State)
            return static_cast<int>(l.state);
        if (c == LastSeen)
            return l.seen.isValid() ? l.seen.toMSecsSinceEpoch() : qint64(0);
        return l.texts[c];
    default:
        return {};
    }
}

QVariant RigTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[ColumnCount] = {QT_TRANSLATE_NOOP("zentri::RigWindow", "State"),
                                                    QT_TRANSLATE_NOOP("zentri::RigWindow", "Device"),
                                                    QT_TRANSLATE_NOOP("zentri::RigWindow", "MAC"),
                                                    QT_TRANSLATE_NOOP("zentri::RigWindow", "IP"),
                                                    QT_TRANSLATE_NOOP("zentri::RigWindow", "Firmware"),
                                                    QT_TRANSLATE_NOOP("zentri::RigWindow", "Module version"),
                                                    QT_TRANSLATE_NOOP("zentri::RigWindow", "SD card"),
                                                    QT_TRANSLATE_NOOP("zentri::RigWindow", "Last seen"),
                                                    QT_TRANSLATE_NOOP("zentri::RigWindow", "Differences")};
    return Words::tr(titles[section]);
}

} // namespace zentri
