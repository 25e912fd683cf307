#include "emulator_core.h"

#include "device/artnet.h"
#include "device/fields.h"
#include "device/protocol.h"

#include <QAbstractSocket>
#include <QStringBuilder>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <numeric>
#include <utility>

namespace zentri::emu {

int32_t unitsFromMs(qint64 ms) {
    const qint64 units = ms * kDeviceUnitsPerSecond / 1000;
    return static_cast<int32_t>(std::clamp<qint64>(units, 0, std::numeric_limits<int32_t>::max()));
}

Cue Device::cue(int number) const {
    const auto written = cues.constFind(number);
    return written != cues.cend() ? *written : Emulator::defaultCue(number);
}

namespace {

int u8(const QByteArray &b, int offset) {
    return static_cast<uint8_t>(b[offset]);
}

// An address as QHostAddress::toString() writes it, without its work for the IPv4 case that every
// datagram needs once or more.
QString addressText(const QHostAddress &address) {
    if (address.protocol() != QAbstractSocket::IPv4Protocol)
        return address.toString();
    const quint32 v = address.toIPv4Address();
    char text[16];
    const int n =
        std::snprintf(text, sizeof text, "%u.%u.%u.%u", v >> 24, (v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    return QString::fromLatin1(text, n);
}

// "NAME to ADDRESS:PORT": a reply as the lines name it.
QString sentTo(const char *name, const QHostAddress &to, quint16 port) {
    return QStringLiteral("%1 to %2:%3").arg(QLatin1String(name), addressText(to)).arg(port);
}

QString onOff(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

// Printable text of device bytes (names, unknown datagrams).
QString printable(const QByteArray &bytes) {
    QString s;
    s.reserve(bytes.size());
    for (char c : bytes) {
        const int b = static_cast<uint8_t>(c);
        s += (b >= 32 && b < 127) ? QChar(b) : QChar('.');
    }
    return s;
}

// The first 16 bytes in hex and as text: 51 47 45 ... "QGE...".
QString describeBytes(const QByteArray &data) {
    static const char digits[] = "0123456789abcdef";
    const qsizetype shown = std::min<qsizetype>(data.size(), 16);
    QString text;
    text.reserve(shown * 4 + 8);
    for (qsizetype i = 0; i < shown; ++i) {
        const auto b = static_cast<uint8_t>(data[i]);
        if (i > 0)
            text += QLatin1Char(' ');
        text += QLatin1Char(digits[b >> 4]);
        text += QLatin1Char(digits[b & 15]);
    }
    if (data.size() > shown)
        text += QLatin1String(" ...");
    return text % QLatin1String(" \"") % printable(data.left(shown)) % QLatin1Char('"');
}

// The numbers 1..8 of the tests that are on, as the operator knows them: trigger 1 is test index 0,
// but output 1 is test index 7 (`reversed`).
QString testing(const std::array<bool, 8> &tests, bool reversed) {
    QStringList on;
    for (int n = 1; n <= 8; ++n)
        if (tests[reversed ? 8 - n : n - 1])
            on << QString::number(n);
    return on.isEmpty() ? QStringLiteral("none") : on.join(',');
}

QString changeList(const recUrzadzenia &before, const recUrzadzenia &after) {
    constexpr int kShown = 16;
    QString shown; // the first kShown changes, "out1.ch 1->300, ..."; the others are only counted
    int changed = 0;
    for (const fields::Field &f : fields::all()) {
        const int32_t was = f.value(before), is = f.value(after);
        if (was == is || ++changed > kShown)
            continue;
        if (changed == 1)
            shown.reserve(kShown * 24);
        else
            shown += QLatin1String(", ");
        char numbers[32];
        const int n =
            std::snprintf(numbers, sizeof numbers, " %d->%d", static_cast<int>(was), static_cast<int>(is));
        shown += f.brief;
        shown += QLatin1String(numbers, n);
    }
    if (changed == 0)
        return QStringLiteral("configuration stored, nothing changed");
    QString text = QStringLiteral("configuration stored, %1 changed: ").arg(changed);
    text += shown;
    if (changed > kShown)
        text += QStringLiteral(", ... and %1 more").arg(changed - kShown);
    return text;
}

QString showText(const Show &s) {
    return s.present ? QStringLiteral("present, %1 (%2 units)").arg(DurationText(s.length)).arg(s.length)
                     : QStringLiteral("empty");
}

bool isSlot(int show) {
    return show >= 1 && show <= wire::kShowSlots;
}

// What a command handler is given; each returns the detail for the log line and appends its replies.
struct Context {
    const QByteArray &data;
    const QHostAddress &sender;
    qint64 nowMs;
    QVector<Outgoing> &out;
};

void reply(const Device &d, QVector<Outgoing> &out, const QByteArray &data, const QHostAddress &to,
           quint16 port) {
    out.push_back(Outgoing{data, to, port, d.id.address});
}

// The packet count of a recording, once every kReportIntervalMs while it grows.
void reportPackets(Device &d, QVector<Outgoing> &out, qint64 nowMs) {
    if (d.take.packets == d.reportedPackets || nowMs - d.lastReportMs < kReportIntervalMs)
        return;
    reply(d, out, wire::packetCountReply(d.take.packets), d.asker, wire::kLiveRecordPort);
    d.lastReportMs = nowMs;
    d.reportedPackets = d.take.packets;
}

void stopPlayback(Device &d, QVector<Outgoing> &out) {
    reply(d, out, wire::playStopReply(), d.asker, wire::kLiveRecordPort);
    d.recorder = Recorder::Idle;
}

// ---- Discovery and configuration ----------------------------------------------------------------

QString discovery(Device &d, Context &c) {
    reply(d, c.out, wire::infoReply(d.rec, d.id.equipment, d.id.firmwareMajor, d.id.firmwareMinor, d.id.mac),
          c.sender, wire::kMainPort);
    return sentTo("AGETI", c.sender, wire::kMainPort);
}

QString sdCard(Device &d, Context &c) {
    reply(d, c.out, wire::sdCardReply(d.id.sdCard), c.sender, wire::kMainPort);
    return QStringLiteral("SD card %1, %2")
        .arg(d.id.sdCard ? QStringLiteral("present") : QStringLiteral("missing"),
             sentTo("achkSD", c.sender, wire::kMainPort));
}

QString configuration(Device &d, Context &c) {
    if (!d.id.storesConfiguration)
        return QStringLiteral("configuration not stored (--never-store)");
    const recUrzadzenia before = d.rec;
    wire::applyConfigurationPacket(c.data, d.rec); // the length has been checked
    // The module version is the device's hardware: the packet only echoes it back.
    const int sentModule = d.rec.ZentriVersion;
    d.rec.ZentriVersion = d.id.module;
    QString text = changeList(before, d.rec);
    if (sentModule != d.id.module)
        text +=
            QStringLiteral("; module byte %1 ignored, the module stays %2").arg(sentModule).arg(d.id.module);
    return text;
}

QString restart(Device &d, Context &) {
    // As at power-on: tests off, nothing recording or playing (a recording in progress is lost).
    d.outputTest.fill(false);
    d.triggerTest.fill(false);
    d.recorder = Recorder::Idle;
    d.take = Show{};
    d.selectedShow = 0;
    return QStringLiteral("restart: tests off, recorder idle, no show selected");
}

QString restoreDefaults(Device &d, Context &) {
    // Settings only: recorded shows and cues stay.
    d.rec = Emulator::defaultConfiguration(d.id);
    d.outputTest.fill(false);
    d.triggerTest.fill(false);
    return QStringLiteral("default settings restored");
}

// ---- Tests and volumes --------------------------------------------------------------------------

QString test(Device &d, Context &c) {
    const auto command = wire::parseTestCommand(c.data); // the length has been checked
    const int group = command->group, index = command->index;
    const bool on = command->on;
    if (group == 0 && index == 0 && !on) {
        d.outputTest.fill(false);
        d.triggerTest.fill(false);
        return QStringLiteral("test end, every test off");
    }
    if (index > 7)
        return QStringLiteral("group 0x%1 index %2: no such input or output, ignored")
            .arg(group, 2, 16, QLatin1Char('0'))
            .arg(index);
    if (group == wire::kTestGroupOutputs) {
        d.outputTest[index] = on;
        return QStringLiteral("output %1 (index %2) test %3; outputs testing: %4")
            .arg(8 - index)
            .arg(index)
            .arg(onOff(on), testing(d.outputTest, true));
    }
    if (group == wire::kTestGroupTriggers) {
        d.triggerTest[index] = on;
        return QStringLiteral("trigger %1 (index %2) test %3; triggers testing: %4")
            .arg(index + 1)
            .arg(index)
            .arg(onOff(on), testing(d.triggerTest, false));
    }
    return QStringLiteral("unknown group 0x%1, ignored").arg(group, 2, 16, QLatin1Char('0'));
}

QString triggerVolume(Device &d, Context &c) {
    const auto command = wire::parseTriggerVolumeCommand(c.data);
    const int index = command->index, volume = command->volume;
    if (index > 7)
        return QStringLiteral("index %1: no such trigger, ignored").arg(index);
    const int before = d.rec.Trigger[index].Volume;
    d.rec.Trigger[index].Volume = volume;
    return QStringLiteral("trigger %1 (index %2) volume %3->%4")
        .arg(index + 1)
        .arg(index)
        .arg(before)
        .arg(volume);
}

QString masterVolumeQuery(Device &d, Context &c) {
    reply(d, c.out, wire::masterVolumeReply(d.rec.MasterVolume), c.sender, wire::kAudioPort);
    return QStringLiteral("master volume %1, %2")
        .arg(d.rec.MasterVolume)
        .arg(sentTo("aMVol", c.sender, wire::kAudioPort));
}

QString masterVolume(Device &d, Context &c) {
    const int before = d.rec.MasterVolume;
    d.rec.MasterVolume = *wire::parseMasterVolumeCommand(c.data);
    return QStringLiteral("master volume %1->%2").arg(before).arg(d.rec.MasterVolume);
}

// ---- Show recorder ------------------------------------------------------------------------------

QString selectShow(Device &d, Context &c) {
    // A recording or playback in progress goes on in its own slot.
    d.selectedShow = *wire::parseSelectShowCommand(c.data);
    reply(d, c.out, wire::setShowReply(d.selectedShow), c.sender, wire::kLiveRecordPort);
    QString text = d.selectedShow == 0 ? QStringLiteral("no show selected")
                                       : QStringLiteral("show %1 selected").arg(d.selectedShow);
    if (d.selectedShow != 0 && !isSlot(d.selectedShow))
        text += QStringLiteral(" (no such slot)");
    return text + QStringLiteral(", ") + sentTo("setShow", c.sender, wire::kLiveRecordPort);
}

QString showInfo(Device &d, Context &c) {
    const int n = *wire::parseShowInfoQuery(c.data);
    const Show empty;
    const Show &s = isSlot(n) ? d.shows[n - 1] : empty;
    reply(d, c.out, wire::showInfoReply(n, s.present, s.length), c.sender, wire::kLiveRecordPort);
    return QStringLiteral("show %1 %2, %3")
        .arg(n)
        .arg(showText(s), sentTo("AShowInfo", c.sender, wire::kLiveRecordPort));
}

QString startWaiting(Device &d, Context &c, Recorder mode) {
    if (!isSlot(d.selectedShow))
        return QStringLiteral("no show slot selected (%1), ignored").arg(d.selectedShow);
    QString text;
    if (d.recorder == Recorder::Playing) {
        stopPlayback(d, c.out);
        text = QStringLiteral("playback stopped, ");
    } else if (d.recorder == Recorder::Recording) {
        text = QStringLiteral("recording of show %1 discarded, ").arg(d.activeShow);
    }
    d.recorder = mode;
    d.activeShow = d.selectedShow;
    d.asker = c.sender;
    d.take = Show{};
    return text +
           QStringLiteral("show %1 waits for the first %2Art-Net packet")
               .arg(d.activeShow)
               .arg(mode == Recorder::WaitingForNonEmptyPacket ? QStringLiteral("non-empty ") : QString());
}

QString record(Device &d, Context &c) {
    return startWaiting(d, c, Recorder::WaitingForPacket);
}

QString synchroRecord(Device &d, Context &c) {
    return startWaiting(d, c, Recorder::WaitingForNonEmptyPacket);
}

QString finishRecording(Device &d, qint64 nowMs) {
    Show &s = d.shows[d.activeShow - 1];
    s = std::move(d.take);
    s.present = true;
    s.length = unitsFromMs(nowMs - d.startMs);
    d.take = Show{};
    d.recorder = Recorder::Idle;
    return QStringLiteral("show %1 recorded: %2 packets, %3 (%4 units)")
        .arg(d.activeShow)
        .arg(s.packets)
        .arg(DurationText(s.length))
        .arg(s.length);
}

QString stop(Device &d, Context &c) {
    switch (d.recorder) {
    case Recorder::Idle:
        return QStringLiteral("nothing to stop");
    case Recorder::WaitingForPacket:
    case Recorder::WaitingForNonEmptyPacket:
        d.recorder = Recorder::Idle;
        return QStringLiteral("recording cancelled before the first packet, show %1 unchanged")
            .arg(d.activeShow);
    case Recorder::Recording:
        return finishRecording(d, c.nowMs);
    case Recorder::Playing:
        stopPlayback(d, c.out);
        return QStringLiteral("playback of show %1 stopped, %2")
            .arg(d.activeShow)
            .arg(sentTo("playStop", d.asker, wire::kLiveRecordPort));
    }
    return {};
}

QString play(Device &d, Context &c) {
    if (d.recorder == Recorder::Recording || d.recorder == Recorder::WaitingForPacket ||
        d.recorder == Recorder::WaitingForNonEmptyPacket)
        return QStringLiteral("recorder busy with show %1, ignored (RECDIS first)").arg(d.activeShow);
    if (!isSlot(d.selectedShow) || !d.shows[d.selectedShow - 1].present) {
        reply(d, c.out, wire::playStopReply(), c.sender, wire::kLiveRecordPort);
        d.recorder = Recorder::Idle;
        return QStringLiteral("show %1 is empty, nothing to play, %2")
            .arg(d.selectedShow)
            .arg(sentTo("playStop", c.sender, wire::kLiveRecordPort));
    }
    const Show &s = d.shows[d.selectedShow - 1];
    d.recorder = Recorder::Playing;
    d.activeShow = d.selectedShow;
    d.asker = c.sender;
    d.startMs = c.nowMs;
    d.lastReportMs = c.nowMs;
    reply(d, c.out, wire::showPositionReply(s.length, 0), d.asker, wire::kLiveRecordPort);
    return QStringLiteral("playing show %1, %2, %3")
        .arg(d.activeShow)
        .arg(DurationText(s.length), sentTo("showPss", c.sender, wire::kLiveRecordPort));
}

QString erase(Device &d, Context &c) {
    const int n = *wire::parseEraseShowCommand(c.data);
    if (!isSlot(n))
        return QStringLiteral("show %1: no such slot, ignored").arg(n);
    QString text;
    if (d.recorder == Recorder::Playing && d.activeShow == n) {
        stopPlayback(d, c.out);
        text = QStringLiteral("playback stopped, ");
    }
    Show &s = d.shows[n - 1];
    text += s.present ? QStringLiteral("show %1 erased").arg(n) : QStringLiteral("show %1 was empty").arg(n);
    s = Show{};
    return text;
}

// ---- Cues ---------------------------------------------------------------------------------------

QString cueQuery(Device &d, Context &c) {
    // Byte 6 is 0 for every cue; a number 1..100 asks for that cue alone.
    const int only = *wire::parseCueQuery(c.data);
    const int first = (only >= 1 && only <= wire::kCueCount) ? only : 1;
    const int last = (only >= 1 && only <= wire::kCueCount) ? only : wire::kCueCount;
    for (int k = first; k <= last; ++k) {
        const Cue cue = d.cue(k);
        reply(d, c.out, wire::cueReply(k, cue.name, cue.values), c.sender, wire::kCuePort);
    }
    return QStringLiteral("%1 %2").arg(last - first + 1).arg(sentTo("ACUERD", c.sender, wire::kCuePort));
}

QString cueWrite(Device &d, Context &c) {
    const auto command = wire::parseCueWriteCommand(c.data);
    const int k = command->number;
    if (k < 1 || k > wire::kCueCount)
        return QStringLiteral("cue %1: no such cue, ignored").arg(k);
    const Cue cue{command->name, command->values};
    d.cues.insert(k, cue);

    QStringList set;
    int nonZero = 0;
    for (int ch = 0; ch < wire::kCueChannels; ++ch) {
        const int v = u8(cue.values, ch);
        if (v == 0)
            continue;
        if (++nonZero <= 6)
            set << QStringLiteral("ch%1=%2").arg(ch + 1).arg(v);
    }
    QString text = QStringLiteral("cue %1 \"%2\" stored, %3 channel(s) above 0")
                       .arg(k)
                       .arg(printable(cue.name))
                       .arg(nonZero);
    if (nonZero > 0)
        text += QStringLiteral(" (") + set.join(' ') +
                (nonZero > 6 ? QStringLiteral(" ...)") : QStringLiteral(")"));
    return text;
}

// The commands by keyword.
struct Command {
    const char *word;
    int size;
    QString (*run)(Device &, Context &);
};

const Command *findCommand(const QByteArray &data) {
    // No keyword is the beginning of another, so the order does not matter.
    static const Command commands[] = {
        {"QGETI", wire::kDiscoverySize, discovery},
        {"qchkSD", wire::kSdQuerySize, sdCard},
        {"!SETI", wire::kConfigurationSize, configuration},
        {"RESE", wire::kRestartSize, restart},
        {"RESD", wire::kRestartSize, restoreDefaults},
        {"!TEST", wire::kTestCommandSize, test},
        {"SVOL", wire::kTriggerVolumeSize, triggerVolume},
        {"qMVol", wire::kMasterVolumeQuerySize, masterVolumeQuery},
        {"setMVol", wire::kMasterVolumeCommandSize, masterVolume},
        {"SSHOW", wire::kSelectShowSize, selectShow},
        {"QShowInfo", wire::kShowInfoQuerySize, showInfo},
        {"RECENA", wire::kRecorderCommandSize, record},
        {"RECENS", wire::kRecorderCommandSize, synchroRecord},
        {"RECDIS", wire::kRecorderCommandSize, stop},
        {"PLAYSH", wire::kRecorderCommandSize, play},
        {"ERASESHOW", wire::kEraseShowSize, erase},
        {"QCUERD", wire::kCueQuerySize, cueQuery},
        {"!CUEWR", wire::kCueSize, cueWrite},
    };
    for (const Command &c : commands)
        if (wire::startsWith(data, c.word))
            return &c;
    return nullptr;
}

} // namespace

// ---- Construction -------------------------------------------------------------------------------

Emulator::Emulator(const QVector<DeviceIdentity> &devices, const QVector<ShowPreset> &shows) {
    devices_.reserve(devices.size());
    for (const DeviceIdentity &id : devices) {
        Device d;
        d.id = id;
        d.rec = defaultConfiguration(id);
        for (const ShowPreset &p : shows)
            if (isSlot(p.slot))
                d.shows[p.slot - 1] = Show{true, unitsFromMs(qint64(p.seconds) * 1000), 0, {}};
        byAddress_.insert(id.address.toIPv4Address(), static_cast<int>(devices_.size()));
        addressTexts_.push_back(addressText(id.address));
        devices_.push_back(std::move(d));
    }
}

recUrzadzenia Emulator::defaultConfiguration(const DeviceIdentity &id) {
    recUrzadzenia r;
    r.Nazwa = id.name;
    r.IP = id.address.toString();
    r.MAC = wire::macText(id.mac);
    r.FWVer = wire::firmwareText(id.firmwareMajor, id.firmwareMinor);
    r.Equipment = id.equipment;
    for (int i = 0; i < 8; ++i) {
        r.Output[i].Channel = 1 + i; // outputs on channels 1..8
        rtrigger &t = r.Trigger[i];
        t.Channel = 9 + i; // triggers on channels 9..16
        t.Function = 1;    // "Trigger"
        t.Catalog = 1;
        t.File = 1 + i;
        t.Volume = 128;
    }
    r.dap.CatalogID_DMXch = 17; // the audio player follows on channels 17..22
    r.dap.FileID_DMXch = 18;
    r.dap.Volume_DMXch = 19;
    r.dap.State_DMXch = 20;
    r.dap.Bass_DMXch = 21;
    r.dap.Treble_DMXch = 22;
    r.ZentriVersion = id.module;
    r.MasterVolume = 128;
    return r;
}

Cue Emulator::defaultCue(int number) {
    return Cue{"Cue " + QByteArray::number(number), QByteArray(wire::kCueChannels, '\0')};
}

int Emulator::indexOf(const QHostAddress &address) const {
    bool ok = false;
    const quint32 v = address.toIPv4Address(&ok);
    return ok ? byAddress_.value(v, -1) : -1;
}

// ---- Dispatch -----------------------------------------------------------------------------------

QVector<int> Emulator::route(const QHostAddress &destination) const {
    const int one = indexOf(destination);
    if (one >= 0)
        return {one};
    QVector<int> all(devices_.size());
    std::iota(all.begin(), all.end(), 0);
    return all;
}

QString Emulator::targetText(const QHostAddress &destination, const QVector<int> &targets) const {
    const QString dest = destination.isNull() ? QStringLiteral("?") : addressText(destination);
    if (targets.size() == 1 && indexOf(destination) >= 0)
        return dest;
    if (targets.size() == 1)
        return QStringLiteral("%1 [device %2]").arg(dest, addressTexts_[targets[0]]);
    return dest % QLatin1String(" [") % QString::number(targets.size()) % QLatin1String(" devices]");
}

QString Emulator::summarise(const QStringList &details, const QVector<int> &targets) const {
    if (details.isEmpty())
        return QStringLiteral("no device");
    if (details.size() == 1)
        return details[0];
    if (std::all_of(details.cbegin(), details.cend(), [&](const QString &s) { return s == details[0]; }))
        return details[0] + QStringLiteral(" (each device)");
    constexpr int kShown = 3;
    QStringList parts;
    for (int i = 0; i < details.size() && i < kShown; ++i)
        parts << addressTexts_[targets[i]] + QStringLiteral(": ") + details[i];
    QString text = parts.join(QStringLiteral(" | "));
    if (details.size() > kShown)
        text += QStringLiteral(" | ... %1 more devices").arg(details.size() - kShown);
    return text;
}

Output Emulator::handle(const QByteArray &data, const QHostAddress &destination, const QHostAddress &sender,
                        quint16 senderPort, qint64 nowMs) {
    const QVector<int> targets = route(destination);
    // " <- SENDER:PORT ", and the start of a line that is not one device's own; written only for a line
    // that is printed.
    const auto from = [&]() -> QString {
        return QLatin1String(" <- ") % addressText(sender) % QLatin1Char(':') % QString::number(senderPort) %
               QLatin1Char(' ');
    };
    const auto head = [&] { return targetText(destination, targets) + from(); };
    if (artnet::isArtNet(data))
        return handleArtNet(data, targets, head, nowMs);

    Output out;
    const Command *command = findCommand(data);
    if (!command) {
        out.lines << head() % QLatin1String("unknown datagram, ") % QString::number(data.size()) %
                         QLatin1String(" bytes: ") % describeBytes(data) % QLatin1String(", ignored");
        return out;
    }
    const QString what = QStringLiteral("%1 %2 bytes: ").arg(QLatin1String(command->word)).arg(data.size());
    if (data.size() != command->size) {
        out.lines << head() + what + QStringLiteral("wrong length, %1 expected, ignored").arg(command->size);
        return out;
    }
    Context context{data, sender, nowMs, out.datagrams};
    if (targets.size() <= kLinePerDeviceUpTo) {
        // Each device that hears the datagram says so on a line of its own.
        const QString sentBy = from();
        const QString heard =
            indexOf(destination) >= 0
                ? what
                : what.chopped(2) + " to " +
                      (destination.isNull() ? QStringLiteral("?") : addressText(destination)) + ": ";
        for (int i : targets) {
            const QString detail = command->run(devices_[i], context);
            out.lines << addressTexts_[i] % sentBy % heard % detail;
        }
        return out;
    }
    QStringList details;
    details.reserve(targets.size());
    for (int i : targets)
        details << command->run(devices_[i], context);
    out.lines << head() + what + summarise(details, targets);
    return out;
}

// ---- Art-Net ------------------------------------------------------------------------------------

Output Emulator::handleArtNet(const QByteArray &data, const QVector<int> &targets,
                              const std::function<QString()> &head, qint64 nowMs) {
    Output out;
    ++artSinceLine_;
    const std::optional<artnet::Dmx> dmx = artnet::parseDmx(data);
    QStringList events;
    int recording = 0;
    if (dmx) {
        for (int i : targets) {
            Device &d = devices_[i];
            const bool starts = d.recorder == Recorder::WaitingForPacket ||
                                (d.recorder == Recorder::WaitingForNonEmptyPacket && dmx->hasNonZeroValue());
            if (starts) {
                d.recorder = Recorder::Recording;
                d.startMs = nowMs;
                d.lastReportMs = nowMs - kReportIntervalMs; // report the first packet at once
                d.reportedPackets = 0;
                events
                    << QStringLiteral("%1 records show %2").arg(addressText(d.id.address)).arg(d.activeShow);
            }
            if (d.recorder != Recorder::Recording)
                continue;
            ++recording;
            ++d.take.packets;
            if (d.take.frames.size() < kMaxFramesPerShow)
                d.take.frames.push_back(Frame{unitsFromMs(nowMs - d.startMs), dmx->portAddress, dmx->data});
            reportPackets(d, out.datagrams, nowMs);
        }
    }
    const bool due = artLastLineMs_ < 0 || nowMs - artLastLineMs_ >= 1000;
    if (events.isEmpty() && !due)
        return out;

    QString text;
    if (dmx)
        text = QStringLiteral("ArtDmx %1 bytes: net %2 subuni %3 seq %4, %5 channels%6")
                   .arg(data.size())
                   .arg(dmx->net())
                   .arg(dmx->subUni())
                   .arg(dmx->sequence)
                   .arg(dmx->data.size())
                   .arg(dmx->hasNonZeroValue() ? QString() : QStringLiteral(", all zero"));
    else if (artnet::opCode(data) == artnet::kOpDmx)
        text = QStringLiteral("ArtDmx %1 bytes: malformed, ignored").arg(data.size());
    else if (artnet::opCode(data) < 0)
        text = QStringLiteral("Art-Net %1 bytes: too short for an OpCode, ignored").arg(data.size());
    else
        text = QStringLiteral("Art-Net %1 bytes: OpCode 0x%2, ignored")
                   .arg(data.size())
                   .arg(artnet::opCode(data), 4, 16, QLatin1Char('0'));
    if (artSinceLine_ > 1)
        text += QStringLiteral("; %1 Art-Net packets since the last line").arg(artSinceLine_);
    if (recording > 0)
        text += QStringLiteral("; %1 device%2 recording").arg(recording).arg(recording > 1 ? "s" : "");
    if (!events.isEmpty()) {
        constexpr int kShown = 3;
        text += QStringLiteral("; ") + QStringList(events.mid(0, kShown)).join(QStringLiteral(", "));
        if (events.size() > kShown)
            text += QStringLiteral(", ... %1 more devices start recording").arg(events.size() - kShown);
    }
    out.lines << head() + text;
    artLastLineMs_ = nowMs;
    artSinceLine_ = 0;
    return out;
}

// ---- Timed work ---------------------------------------------------------------------------------

Output Emulator::tick(qint64 nowMs) {
    Output out;
    for (Device &d : devices_) {
        if (d.recorder == Recorder::Recording) {
            reportPackets(d, out.datagrams, nowMs);
        } else if (d.recorder == Recorder::Playing) {
            const Show &s = d.shows[d.activeShow - 1];
            const int32_t position = unitsFromMs(nowMs - d.startMs);
            if (position >= s.length) {
                reply(d, out.datagrams, wire::showPositionReply(s.length, s.length), d.asker,
                      wire::kLiveRecordPort);
                stopPlayback(d, out.datagrams);
                out.lines << QStringLiteral("%1 show %2 played to its end, %3")
                                 .arg(addressText(d.id.address))
                                 .arg(d.activeShow)
                                 .arg(sentTo("playStop", d.asker, wire::kLiveRecordPort));
            } else if (nowMs - d.lastReportMs >= kReportIntervalMs) {
                reply(d, out.datagrams, wire::showPositionReply(s.length, position), d.asker,
                      wire::kLiveRecordPort);
                d.lastReportMs = nowMs;
            }
        }
    }
    return out;
}

} // namespace zentri::emu
