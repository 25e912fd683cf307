#include "watch.h"

#include "device/configfile.h"

#include <QCoreApplication>
#include <QObject>
#include <QSet>

namespace zentri::rig {

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::rig::Watch)
};
} // namespace

QString presenceText(Presence presence) {
    return presence == Presence::Online   ? Words::tr("online")
           : presence == Presence::Missed ? Words::tr("missed")
                                          : Words::tr("offline");
}

QString Event::line() const {
    return QStringList{time.toString(Qt::ISODateWithMs), event, mac, name, ip, detail}.join('\t');
}

int Watch::find(const QString &mac) const {
    return index_.value(mac, -1);
}

Event Watch::event(const QDateTime &time, const QString &word, const Device &d, const QString &detail) const {
    return Event{time,  word, d.mac, d.last ? d.last->Nazwa : QString(), d.last ? d.last->IP : QString(),
                 detail};
}

void Watch::expect(const QVector<recUrzadzenia> &rigDevices) {
    for (const recUrzadzenia &r : rigDevices) {
        if (find(r.MAC) >= 0)
            continue;
        Device d;
        d.mac = r.MAC;
        d.expected = true;
        d.misses = kMissesUntilOffline;
        index_.insert(d.mac, static_cast<int>(devices_.size()));
        devices_.append(d);
    }
}

void Watch::replaceRig(const QVector<recUrzadzenia> &rigDevices) {
    QSet<QString> inRig;
    for (const recUrzadzenia &r : rigDevices)
        inRig.insert(r.MAC);
    QVector<Device> kept;
    for (Device &d : devices_) {
        d.expected = inRig.contains(d.mac);
        if (d.expected || d.last)
            kept << d;
    }
    devices_ = kept;
    index_.clear();
    for (int i = 0; i < devices_.size(); ++i)
        index_.insert(devices_[i].mac, i);
    expect(rigDevices);
}

QVector<Event> Watch::poll(const QDateTime &time, const QVector<recUrzadzenia> &answers) {
    QVector<Event> out;
    QSet<QString> answered;
    const bool first = polls_++ == 0;
    for (const recUrzadzenia &a : answers) {
        if (answered.contains(a.MAC))
            continue; // one device reached twice counts once
        answered.insert(a.MAC);
        int i = find(a.MAC);
        if (i < 0) {
            Device d;
            d.mac = a.MAC;
            d.last = a;
            i = static_cast<int>(devices_.size());
            index_.insert(d.mac, i);
            devices_.append(d);
            out << event(time, Words::tr("new"), devices_[i]);
        } else {
            Device &d = devices_[i];
            if (d.last) {
                const QString changed = configfile::labelledList(configfile::differencesForPeople(*d.last, a),
                                                                 QStringLiteral("%1 %2 -> %3"));
                d.last = a;
                if (!changed.isEmpty())
                    out << event(time, Words::tr("changed"), d, changed);
            } else {
                d.last = a;
            }
            if (d.presence == Presence::Offline && !(first && d.expected))
                out << event(time, Words::tr("back online"), d);
        }
        Device &d = devices_[i];
        d.presence = Presence::Online;
        d.misses = 0;
        d.lastSeen = time;
    }
    for (Device &d : devices_) {
        if (answered.contains(d.mac))
            continue;
        ++d.misses;
        const Presence before = d.presence;
        d.presence =
            d.misses >= kMissesUntilOffline || !d.lastSeen.isValid() ? Presence::Offline : Presence::Missed;
        if (before != Presence::Offline && d.presence == Presence::Offline)
            out << event(time, Words::tr("offline"), d);
    }
    keep(out);
    return out;
}

QVector<Event> Watch::sdCard(const QDateTime &time, const QString &ip, bool present) {
    QVector<Event> out;
    for (Device &d : devices_) {
        if (!d.last || d.last->IP != ip || d.presence != Presence::Online)
            continue;
        if (d.sdCard && *d.sdCard != present)
            out << event(time, present ? Words::tr("SD card inserted") : Words::tr("SD card removed"), d);
        d.sdCard = present;
    }
    keep(out);
    return out;
}

void Watch::keep(const QVector<Event> &events) {
    history_ << events;
    if (history_.size() > kMaxHistory)
        history_.erase(history_.begin(), history_.begin() + (history_.size() - kMaxHistory));
}

QString Watch::historyText() const {
    QString text;
    for (const Event &e : history_)
        text += e.line() + '\n';
    return text;
}

} // namespace zentri::rig
