#include "plans.h"

#include "device/configfile.h"
#include "device/protocol.h"

#include <QCoreApplication>

namespace zentri::rig {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::rig::Plan)
};

const Row *rowOf(const QVector<Row> &rows, const QString &mac) {
    for (const Row &r : rows)
        if (r.mac == mac)
            return &r;
    return nullptr;
}

LeftOut leftOut(const Rig &rig, const Row &row, const QString &reason) {
    return {row.mac, row.name(rig), row.device ? row.ips.join(QStringLiteral(", ")) : QString(), row.state,
            reason};
}

QString firmwareReason(const recUrzadzenia &device) {
    return Words::tr("firmware %1: %2").arg(device.FWVer, QLatin1String(wire::kFirmwareTooOld));
}
} // namespace

const char kAlreadyThere[] = "already at these addresses";

QString Send::who() const {
    return QStringLiteral("%1 (%2, %3)").arg(name, mac, ip);
}

QString LeftOut::line() const {
    return QStringLiteral("%1 (%2): %3").arg(name, mac, reason);
}

QStringList leftOutLines(const QVector<LeftOut> &leftOut) {
    QStringList lines;
    for (const LeftOut &l : leftOut)
        lines << l.line();
    return lines;
}

QStringList Plan::sendLines() const {
    QStringList lines;
    for (const Send &s : sends)
        lines << QStringLiteral("%1: %2").arg(s.who(), s.changes);
    return lines;
}

QString changesText(const recUrzadzenia &device, const recUrzadzenia &entry) {
    const QVector<configfile::Difference> changes = configfile::differencesForPeople(device, entry);
    QString text = Words::tr("%n setting(s) change", nullptr, static_cast<int>(changes.size()));
    if (!changes.isEmpty())
        text += QStringLiteral(": ") + configfile::labelledList(changes, QStringLiteral("%1 %2 -> %3"));
    const int notOffered = static_cast<int>(configfile::changesNotOffered(device, entry).size());
    if (notOffered > 0)
        text += Words::tr(" (%1 of them not offered by the windows for its Standard module)").arg(notOffered);
    return text;
}

Plan planSend(const Rig &rig, const QVector<Row> &rows, const QStringList &chosen) {
    Plan plan;
    for (const Row &row : rows) {
        const bool wanted = chosen.isEmpty() ? row.state == State::Differs || row.state == State::Missing
                                             : chosen.contains(row.mac);
        if (!wanted)
            continue;
        if (row.entry < 0) {
            plan.leftOut << leftOut(rig, row, Words::tr("not in the rig"));
        } else if (row.state == State::Missing) {
            plan.leftOut << leftOut(rig, row, Words::tr("missing"));
        } else if (row.state == State::Duplicate) {
            plan.leftOut << leftOut(rig, row, row.detail());
        } else if (!wire::firmwareSupported(row.device->FWVer)) {
            plan.leftOut << leftOut(rig, row, firmwareReason(*row.device));
        } else {
            Send s{row.mac, row.name(rig), row.device->IP, *row.device, *row.device, {}};
            // The device's own module version stays.
            configfile::applyConfiguration(rig.devices[row.entry], s.record);
            s.changes = changesText(*row.device, s.record);
            plan.sends << s;
        }
    }
    return plan;
}

Plan planReplace(const Rig &rig, const QVector<Row> &rows, const QString &oldMac, const QString &newMac) {
    Plan plan;
    const int entry = rig.indexOf(oldMac);
    const Row *oldRow = rowOf(rows, oldMac);
    const Row *newRow = rowOf(rows, newMac);
    if (entry < 0 || !oldRow) {
        plan.refused = Words::tr("%1 is not in the rig").arg(oldMac);
    } else if (rig.indexOf(newMac) >= 0) {
        plan.refused = Words::tr("%1 is in the rig already").arg(newMac);
    } else if (oldRow->state != State::Missing) {
        plan.refused = Words::tr("%1 (%2) answered: it is %3, not missing")
                           .arg(oldMac, rig.devices[entry].Nazwa, stateText(oldRow->state));
    } else if (!newRow) {
        plan.refused = Words::tr("%1 did not answer").arg(newMac);
    } else if (newRow->state != State::NotInRig) {
        plan.refused = Words::tr("%1 is %2 (%3)").arg(newMac, stateText(newRow->state), newRow->detail());
    } else if (!wire::firmwareSupported(newRow->device->FWVer)) {
        plan.leftOut << leftOut(rig, *newRow, firmwareReason(*newRow->device));
    } else {
        const recUrzadzenia &device = *newRow->device;
        Send s{newMac, rig.devices[entry].Nazwa, device.IP, device, device, {}, oldMac};
        configfile::applyConfiguration(rig.devices[entry], s.record);
        s.changes = changesText(device, s.record);
        plan.sends << s;
    }
    return plan;
}

QStringList readdressable(const Rig &rig, const QVector<Row> &rows, const QStringList &chosen,
                          QVector<LeftOut> *skipped) {
    QStringList macs;
    for (const QString &mac : chosen) {
        const Row *row = rowOf(rows, mac);
        if (!row)
            continue;
        if (!row->device || row->state == State::Duplicate)
            *skipped << leftOut(rig, *row, stateText(row->state));
        else if (!wire::firmwareSupported(row->device->FWVer))
            *skipped << leftOut(rig, *row, firmwareReason(*row->device));
        else
            macs << mac;
    }
    return macs;
}

Plan planReaddress(const Rig &rig, const QVector<Row> &rows, const QStringList &chosen,
                   const Readdressing &how) {
    Plan plan;
    QVector<const Row *> taken;
    QVector<recUrzadzenia> devices, entries;
    for (const QString &mac : readdressable(rig, rows, chosen, &plan.leftOut)) {
        const Row *row = rowOf(rows, mac);
        taken << row;
        devices << *row->device;
        // The rig's entry takes only the new addresses; a device not in the rig stands for itself.
        entries << (row->entry >= 0 ? rig.devices[row->entry] : *row->device);
    }
    if (devices.isEmpty())
        return plan;
    QString error;
    const auto moved = readdress(devices, how, &error);
    if (!moved) {
        plan.refused = error;
        return plan;
    }
    const auto movedEntries = readdress(entries, how, &error);
    if (!movedEntries) {
        plan.refused = Words::tr("The rig's entries cannot take these addresses: %1").arg(error);
        return plan;
    }
    for (int k = 0; k < taken.size(); ++k) {
        const Row &row = *taken[k];
        if ((*moved)[k] == devices[k]) {
            plan.leftOut << leftOut(rig, row, QString::fromLatin1(kAlreadyThere));
            continue;
        }
        Send s{row.mac, row.name(rig), devices[k].IP, devices[k], (*moved)[k], {}};
        s.changes =
            configfile::labelledList(configfile::differencesForPeople(devices[k], s.record), "%1 %2 -> %3");
        if (row.entry >= 0)
            s.newEntry = (*movedEntries)[k];
        plan.sends << s;
    }
    return plan;
}

QString changedSince(const Plan &plan, const QVector<Row> &rows) {
    for (const Send &s : plan.sends) {
        const Row *row = rowOf(rows, s.mac);
        if (!row || !row->device || *row->device != s.device)
            return s.who();
    }
    return {};
}

} // namespace zentri::rig
