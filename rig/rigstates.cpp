#include "rigstates.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <iterator>

namespace zentri::rig {

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::rig::States)
};
} // namespace

QString stateText(State state) {
    static const char *const texts[] = {QT_TRANSLATE_NOOP("zentri::rig::States", "in sync"),
                                        QT_TRANSLATE_NOOP("zentri::rig::States", "differs"),
                                        QT_TRANSLATE_NOOP("zentri::rig::States", "missing"),
                                        QT_TRANSLATE_NOOP("zentri::rig::States", "not in rig"),
                                        QT_TRANSLATE_NOOP("zentri::rig::States", "duplicate")};
    static_assert(std::size(texts) == static_cast<size_t>(State::Duplicate) + 1, "one text per state");
    return Words::tr(texts[static_cast<int>(state)]);
}

QString sdCardText(SdCard card) {
    return card == SdCard::Present  ? Words::tr("present")
           : card == SdCard::Absent ? Words::tr("none")
                                    : Words::tr("not asked");
}

QString Row::name(const Rig &rig) const {
    if (entry >= 0)
        return rig.devices[entry].Nazwa;
    return device ? device->Nazwa : QString();
}

QString Row::detail() const {
    switch (state) {
    case State::Differs: {
        QStringList parts;
        for (const configfile::Difference &d : shown)
            parts << Words::tr("%1: rig %2, device %3").arg(d.label, d.file, d.device);
        return parts.join(QStringLiteral("; "));
    }
    case State::Duplicate:
        return oneAddress()
                   ? Words::tr("%1 answers from %2: one device reached twice").arg(answers).arg(ips.value(0))
                   : Words::tr("answers from %1: two or more devices with one MAC")
                         .arg(ips.join(QStringLiteral(", ")));
    default:
        return {};
    }
}

QVector<Row> compare(const Rig &rig, const QVector<recUrzadzenia> &answers) {
    QVector<Row> rows;
    QHash<QString, int> rowOf; // MAC -> row
    rows.reserve(rig.devices.size());
    for (int i = 0; i < rig.devices.size(); ++i) {
        Row r;
        r.mac = rig.devices[i].MAC;
        r.entry = i;
        rowOf.insert(r.mac, static_cast<int>(rows.size()));
        rows.append(r);
    }
    for (const recUrzadzenia &a : answers) {
        auto it = rowOf.find(a.MAC);
        if (it == rowOf.end()) {
            Row r;
            r.mac = a.MAC;
            r.state = State::NotInRig;
            it = rowOf.insert(a.MAC, static_cast<int>(rows.size()));
            rows.append(r);
        }
        Row &r = rows[*it];
        if (!r.device)
            r.device = a;
        if (!r.ips.contains(a.IP))
            r.ips << a.IP;
        ++r.answers;
    }
    for (Row &r : rows) {
        if (r.answers > 1)
            r.state = State::Duplicate;
        else if (r.entry < 0)
            r.state = State::NotInRig;
        else if (!r.device)
            r.state = State::Missing;
        else {
            r.differences = configfile::differences(*r.device, rig.devices[r.entry]);
            r.shown = configfile::forPeople(r.differences, *r.device, rig.devices[r.entry]);
            r.state = r.differences.isEmpty() ? State::InSync : State::Differs;
        }
    }
    return rows;
}

} // namespace zentri::rig
