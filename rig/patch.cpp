#include "patch.h"

#include "device/address.h"
#include "device/configfile.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <QSet>
#include <algorithm>
#include <map>
#include <tuple>

namespace zentri::rig {

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::rig::Patch)
};
} // namespace

namespace {

constexpr int kTriggerFunction = 1; // "Trigger" in the trigger window's function list

const char *const kAudioFunctions[] = {"catalog", "file", "volume", "state", "bass", "treble"};

bool onLocalSubnet(const QHostAddress &a, const QVector<InterfaceInfo> &interfaces) {
    for (const InterfaceInfo &i : interfaces)
        for (const InterfaceAddress &local : i.addresses) {
            const quint32 mask = subnetMask(local.prefixLength);
            if (!i.loopback && (a.toIPv4Address() & mask) == (local.address.toIPv4Address() & mask))
                return true;
        }
    return false;
}

Use use(int device, int net, int universe, int channel, Use::Kind kind, int element, bool pwm = false,
        const QString &destination = {}) {
    Use u;
    u.device = device, u.net = net, u.universe = universe, u.channel = channel;
    u.kind = kind, u.element = element, u.pwm = pwm, u.destination = destination;
    return u;
}

// A quoted CSV text that no spreadsheet reads as a formula.
QString csvText(QString text) {
    static const QString formulaStart = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStart.contains(text.front()))
        text.prepend(QLatin1Char('\''));
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace

QString Use::elementText() const {
    switch (kind) {
    case Output:
        return pwm ? Words::tr("Output %1 (PWM)").arg(element) : Words::tr("Output %1").arg(element);
    case Audio:
        return Words::tr("Audio player %1").arg(QLatin1String(kAudioFunctions[element]));
    case DmxOutput:
        return Words::tr("DMX output (whole universe)");
    case Trigger:
        return Words::tr("Trigger %1 to %2").arg(element).arg(destination);
    }
    return {};
}

QString Use::channelText() const {
    return kind == DmxOutput ? Words::tr("all") : QString::number(channel);
}

QString deviceText(const recUrzadzenia &rec) {
    return QStringLiteral("%1 (%2)").arg(rec.Nazwa, rec.MAC);
}

QString Conflict::levelText(Level level) {
    return level == Error ? Words::tr("error") : Words::tr("warning");
}

bool Patch::hasError() const {
    return std::any_of(conflicts.begin(), conflicts.end(),
                       [](const Conflict &c) { return c.level == Conflict::Error; });
}

QString inputText(const recUrzadzenia &rec) {
    return rec.InputSelect == 0 ? Words::tr("Art-Net") : Words::tr("DMX");
}

Patch patchOf(const QVector<recUrzadzenia> &devices, const QVector<InterfaceInfo> &interfaces) {
    Patch p;
    for (int d = 0; d < devices.size(); ++d) {
        const recUrzadzenia &r = devices[d];
        for (int i = 0; i < 8; ++i) {
            p.uses << use(d, r.Output[i].NET, r.Output[i].Universe, r.Output[i].Channel, Use::Output, i + 1,
                          r.Output[i].PWM);
        }
        const auto audio = audioChannels(r.dap);
        for (int f = 0; f < 6; ++f)
            p.uses << use(d, r.dap.NET, r.dap.Universe, *audio[f], Use::Audio, f);
        p.uses << use(d, r.dmx.Output_NET, r.dmx.Output_Universe, 0, Use::DmxOutput, 0);
        for (int i = 0; i < 8; ++i) {
            if (r.Trigger[i].Function != kTriggerFunction)
                continue;
            p.uses << use(d, r.Trigger[0].NET, r.Trigger[0].Universe, r.Trigger[i].Channel, Use::Trigger,
                          i + 1, false, destinationText(r));
        }
    }
    std::stable_sort(p.uses.begin(), p.uses.end(), [](const Use &a, const Use &b) {
        return std::tie(a.net, a.universe, a.channel, a.device) <
               std::tie(b.net, b.universe, b.channel, b.device);
    });

    auto add = [&p](Conflict::Level level, const QString &reason, QVector<int> devs, QStringList elements,
                    QVector<const Use *> about = {}) {
        std::sort(devs.begin(), devs.end());
        devs.erase(std::unique(devs.begin(), devs.end()), devs.end());
        QVector<int> uses;
        for (const Use *u : about)
            uses << static_cast<int>(u - p.uses.constData());
        p.conflicts << Conflict{level, reason, devs, elements, uses};
    };
    const auto E = Conflict::Error, W = Conflict::Warning;

    // Who answered from where: an address with two MACs, a MAC on two devices, a name twice.
    std::map<QString, QVector<int>> byIp, byMac, byName;
    QStringList firmwares;
    for (int d = 0; d < devices.size(); ++d) {
        if (!devices[d].IP.isEmpty())
            byIp[devices[d].IP] << d;
        byMac[devices[d].MAC] << d;
        byName[devices[d].Nazwa] << d;
        if (!firmwares.contains(devices[d].FWVer))
            firmwares << devices[d].FWVer;
    }
    for (const auto &[ip, ds] : byIp) {
        QStringList macs;
        for (int d : ds)
            if (!macs.contains(devices[d].MAC))
                macs << devices[d].MAC;
        if (macs.size() > 1)
            add(E,
                Words::tr("The address %1 answers with %2 MACs (%3): commands sent to it reach a device "
                          "nobody can tell apart.")
                    .arg(ip)
                    .arg(macs.size())
                    .arg(macs.join(QStringLiteral(", "))),
                ds, {});
    }
    for (const auto &[mac, ds] : byMac)
        if (ds.size() > 1)
            add(E,
                Words::tr("The MAC %1 stands on %2 devices: they cannot be told apart in a rig.")
                    .arg(mac)
                    .arg(ds.size()),
                ds, {});

    // Uses on one channel, and channels outside 1..512.
    std::map<std::tuple<QString, int, int, int>, QVector<const Use *>> triggers;
    std::map<std::tuple<int, int, int, int>, QVector<const Use *>>
        perDevice; // device, net, universe, channel
    for (const Use &u : p.uses) {
        if (u.kind != Use::DmxOutput && (u.channel < 1 || u.channel > 512))
            add(E,
                Words::tr("%1 is patched to channel %2, outside 1..512: it follows nothing a desk sends.")
                    .arg(u.elementText())
                    .arg(u.channel),
                {u.device}, {u.elementText()}, {&u});
        if (u.kind == Use::Trigger)
            triggers[{u.destination, u.net, u.universe, u.channel}] << &u;
        else if (u.kind != Use::DmxOutput)
            perDevice[{u.device, u.net, u.universe, u.channel}] << &u;
    }
    for (const auto &[key, us] : triggers) {
        if (us.size() < 2)
            continue;
        QVector<int> ds;
        QStringList elements;
        for (const Use *u : us)
            ds << u->device, elements << u->elementText();
        add(E,
            Words::tr("%1 triggers send to %2 on NET %3, universe %4, channel %5: each overwrites the "
                      "other's value.")
                .arg(us.size())
                .arg(std::get<0>(key))
                .arg(std::get<1>(key))
                .arg(std::get<2>(key))
                .arg(std::get<3>(key)),
            ds, elements, us);
    }
    for (const auto &[key, us] : perDevice) {
        int audio = 0, outputs = 0;
        QStringList elements;
        for (const Use *u : us) {
            elements << u->elementText();
            audio += u->kind == Use::Audio;
            outputs += u->kind == Use::Output;
        }
        if (audio > 1)
            add(E,
                Words::tr("%1 audio player functions of one device follow channel %2: one value drives "
                          "them all.")
                    .arg(audio)
                    .arg(std::get<3>(key)),
                {std::get<0>(key)}, elements, us);
        else if (audio == 1 && outputs > 0)
            add(W,
                Words::tr("An output and an audio player function of one device follow channel %1: the "
                          "audio player changes whenever the output does.")
                    .arg(std::get<3>(key)),
                {std::get<0>(key)}, elements, us);
    }

    // Triggers sending nowhere useful.
    for (const Use &u : p.uses) {
        if (u.kind != Use::Trigger)
            continue;
        const QHostAddress to(u.destination);
        if (to.toIPv4Address() == 0)
            add(W, Words::tr("%1 sends to 0.0.0.0: its trigger reaches nobody.").arg(u.elementText()),
                {u.device}, {u.elementText()}, {&u});
        else if (!onLocalSubnet(to, interfaces))
            add(W,
                Words::tr("%1 sends to %2, outside every subnet of this PC: check that it is reachable.")
                    .arg(u.elementText(), u.destination),
                {u.device}, {u.elementText()}, {&u});
    }
    for (const auto &[name, ds] : byName) {
        QSet<QString> macs;
        for (int d : ds)
            macs << devices[d].MAC;
        if (macs.size() > 1)
            add(W,
                Words::tr("%1 devices are named \"%2\": people will mistake one for another.")
                    .arg(macs.size())
                    .arg(name),
                ds, {});
    }
    if (firmwares.size() > 1)
        add(W,
            Words::tr("The rig runs %1 firmware versions (%2): devices may behave differently.")
                .arg(firmwares.size())
                .arg(firmwares.join(QStringLiteral(", "))),
            {}, {});
    std::stable_sort(p.conflicts.begin(), p.conflicts.end(),
                     [](const Conflict &a, const Conflict &b) { return a.level < b.level; });
    return p;
}

std::optional<QVector<recUrzadzenia>> readdress(const QVector<recUrzadzenia> &devices,
                                                const Readdressing &how, QString *error) {
    QVector<recUrzadzenia> moved = devices;
    const auto refuse = [error](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (how.channel < 1 || how.channel > 512 || how.perDevice < 1)
        return refuse(Words::tr("Start at a channel of 1..512, with at least one channel per device."));
    for (int d = 0; d < moved.size(); ++d) {
        recUrzadzenia &r = moved[d];
        const qint64 first = how.channel + qint64(d) * how.perDevice, last = first + how.elements() - 1;
        if (last > 512)
            return refuse(Words::tr("%1 (%2) would take channels %3 to %4, past channel 512: nothing is "
                                    "readdressed. Start lower, or give fewer channels per device.")
                              .arg(r.Nazwa, r.MAC, QString::number(first), QString::number(last)));
        if (how.what == Readdressing::Outputs) {
            for (int i = 0; i < 8; ++i) {
                r.Output[i].NET = how.net;
                r.Output[i].Universe = how.universe;
                r.Output[i].Channel = static_cast<int32_t>(first + i);
            }
        } else {
            r.dap.NET = how.net;
            r.dap.Universe = how.universe;
            const auto channels = audioChannels(r.dap);
            for (int f = 0; f < 6; ++f)
                *channels[f] = static_cast<int32_t>(first + f);
        }
        const QVector<configfile::Difference> notOffered = configfile::changesNotOffered(devices[d], r);
        if (!notOffered.isEmpty())
            return refuse(
                Words::tr("%1 (%2) has a Standard module, whose Art-Net NET and universe cannot be "
                          "changed (%3): nothing is readdressed. Start in its own NET and universe.")
                    .arg(r.Nazwa, r.MAC,
                         configfile::labelledList(configfile::forPeople(notOffered, devices[d], r),
                                                  QStringLiteral("%1 %2 -> %3"))));
    }
    return moved;
}

QByteArray patchCsv(const QVector<recUrzadzenia> &devices, const Patch &patch) {
    QStringList lines{QStringLiteral("net,universe,channel,element,device,mac,ip,input")};
    for (const Use &u : patch.uses) {
        const recUrzadzenia &d = devices[u.device];
        const QStringList cells{QString::number(u.net),
                                QString::number(u.universe),
                                u.channelText(),
                                csvText(u.elementText()),
                                csvText(d.Nazwa),
                                d.MAC,
                                d.IP,
                                inputText(d)};
        lines << cells.join(QLatin1Char(','));
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

} // namespace zentri::rig
