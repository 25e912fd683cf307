#include "protocol.h"

#include <cstring>

namespace zentri::wire {

namespace {

QByteArray keyword(const char *word, int size) {
    QByteArray buf(size, '\0');
    std::memcpy(buf.data(), word, std::strlen(word));
    return buf;
}

char low8(int32_t v) {
    return static_cast<char>(static_cast<uint32_t>(v) & 0xFF);
}
int u8(const QByteArray &b, int offset) {
    return static_cast<uint8_t>(b[offset]);
}

// Info reply layout (offsets of the groups of eight and the single fields).
namespace info {
constexpr int Equipment = 5, FwMajor = 6, FwMinor = 7, Name = 8, NameLen = 63, Mac = 73;
constexpr int TrigNet = 79, TrigUniverse = 87, TrigChannel = 95, InputSelect = 111, DestIp = 112;
constexpr int OutNet = 116, OutUniverse = 124, OutChannel = 132, OutPwm = 148, Dap = 156;
constexpr int DmxNet = 172, DmxUniverse = 173, TrigFunction = 174, TrigCatalog = 182, TrigFile = 190;
constexpr int PlayMode = 198, TrigVolume = 199, Version = 207, MasterVolume = 208, PlayAfter = 209;
constexpr int PlayLoop = 210, Blackout = 211;
} // namespace info

// Device configuration packet layout.
namespace seti {
constexpr int TrigNet = 5, TrigUniverse = 13, TrigChannel = 21, OutNet = 37, OutUniverse = 45;
constexpr int OutChannel = 53, InputSelect = 69, DestIp = 70, OutPwm = 74, Dap = 82, DmxNet = 98;
constexpr int DmxUniverse = 99, TrigFunction = 100, TrigCatalog = 108, TrigFile = 116, PlayMode = 124;
constexpr int TrigVolume = 125, Version = 133, MasterVolume = 134, PlayAfter = 135, PlayLoop = 136;
constexpr int Blackout = 137;
} // namespace seti

// The eight 16-bit fields of the audio player patch, in wire order.
std::array<int32_t *, 8> dapChannels(rdap &d) {
    return {&d.NET,          &d.Universe,    &d.CatalogID_DMXch, &d.FileID_DMXch,
            &d.Volume_DMXch, &d.State_DMXch, &d.Bass_DMXch,      &d.Treble_DMXch};
}

} // namespace

QString trimControl(const QString &text) {
    int from = 0, to = static_cast<int>(text.size());
    while (from < to && text[from].unicode() <= 32)
        ++from;
    while (to > from && text[to - 1].unicode() <= 32)
        --to;
    return text.mid(from, to - from);
}

bool startsWith(const QByteArray &data, const char *word) {
    return data.startsWith(word);
}

void putU16(QByteArray &buf, int offset, int32_t value) {
    buf[offset] = low8(value >> 8);
    buf[offset + 1] = low8(value);
}

int readU16(const QByteArray &buf, int offset) {
    return (u8(buf, offset) << 8) | u8(buf, offset + 1);
}

void putI32(QByteArray &buf, int offset, int32_t value) {
    for (int i = 0; i < 4; ++i)
        buf[offset + i] = low8(static_cast<int32_t>(static_cast<uint32_t>(value) >> (24 - 8 * i)));
}

int32_t readI32(const QByteArray &buf, int offset) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<uint32_t>(u8(buf, offset + i));
    return static_cast<int32_t>(v);
}

// ---- Discovery and status ---------------------------------------------------------------------

QByteArray discoveryRequest() {
    return keyword("QGETI", kDiscoverySize);
}

bool isInfoReply(const QByteArray &data) {
    return startsWith(data, "AGETI");
}

QString firmwareText(int major, int minor) {
    return QString::number(major) + '.' + QString::number(minor);
}

const char kFirmwareTooOld[] = "Please update the firmware Zentri";

bool firmwareSupported(const QString &fwVer) {
    const int dot = fwVer.indexOf('.');
    const int major = fwVer.left(dot).toInt();
    const int minor = dot < 0 ? 0 : fwVer.mid(dot + 1).toInt();
    return major * 255 + minor >= 2;
}

QString macText(const QByteArray &sixBytes) {
    QStringList parts;
    for (char c : sixBytes)
        parts << QStringLiteral("%1").arg(static_cast<uint8_t>(c), 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(':');
}

QString deviceNameFromBytes(const QByteArray &bytes) {
    QString name;
    for (char c : bytes) {
        const auto b = static_cast<uint8_t>(c);
        if (b == 0)
            break;
        name += b > 127 ? QChar('?') : QChar(b);
    }
    return name;
}

QString moduleVersionName(int zentriVersion) {
    switch (zentriVersion) {
    case kModuleStandard:
        return QStringLiteral("Standard");
    case kModulePremium:
        return QStringLiteral("Premium");
    default:
        return QStringLiteral("not recognized");
    }
}

std::optional<recUrzadzenia> parseInfoReply(const QByteArray &data, const QString &senderIp) {
    if (!isInfoReply(data) || data.size() < kInfoReplySize)
        return std::nullopt;
    recUrzadzenia r;
    r.Equipment = u8(data, info::Equipment);
    r.FWVer = firmwareText(u8(data, info::FwMajor), u8(data, info::FwMinor));
    r.Nazwa = deviceNameFromBytes(data.mid(info::Name, info::NameLen));
    r.IP = senderIp;
    r.MAC = macText(data.mid(info::Mac, 6));
    for (int i = 0; i < 8; ++i) {
        rtrigger &t = r.Trigger[i];
        t.NET = u8(data, info::TrigNet + i);
        t.Universe = u8(data, info::TrigUniverse + i);
        t.Channel = readU16(data, info::TrigChannel + 2 * i);
        t.Function = u8(data, info::TrigFunction + i);
        t.Catalog = u8(data, info::TrigCatalog + i);
        t.File = u8(data, info::TrigFile + i);
        t.Volume = u8(data, info::TrigVolume + i);
        routput &o = r.Output[i];
        o.NET = u8(data, info::OutNet + i);
        o.Universe = u8(data, info::OutUniverse + i);
        o.Channel = readU16(data, info::OutChannel + 2 * i);
        o.PWM = u8(data, info::OutPwm + i) != 0;
    }
    r.InputSelect = u8(data, info::InputSelect);
    for (int i = 0; i < 4; ++i)
        r.DestinationIP[i] = u8(data, info::DestIp + i);
    auto channels = dapChannels(r.dap);
    for (int i = 0; i < 8; ++i)
        *channels[i] = readU16(data, info::Dap + 2 * i);
    r.dmx.Output_NET = u8(data, info::DmxNet);
    r.dmx.Output_Universe = u8(data, info::DmxUniverse);
    r.TriggerButtonPlayMode = u8(data, info::PlayMode) != 0;
    r.ZentriVersion = u8(data, info::Version);
    r.MasterVolume = u8(data, info::MasterVolume);
    r.playAfterPowerOn = u8(data, info::PlayAfter);
    r.dap.playLoop = u8(data, info::PlayLoop);
    r.blackoutAtEndOfTheShow = u8(data, info::Blackout) != 0;
    return r;
}

QByteArray sdCardQuery() {
    return keyword("qchkSD", kSdQuerySize);
}

bool isSdCardReply(const QByteArray &data) {
    return startsWith(data, "achkSD");
}

std::optional<bool> parseSdCardReply(const QByteArray &data) {
    if (!isSdCardReply(data) || data.size() < kSdReplySize)
        return std::nullopt;
    return data[6] != 0;
}

// ---- Command transport ------------------------------------------------------------------------

QByteArray configurationPacket(const recUrzadzenia &rec) {
    QByteArray p = keyword("!SETI", kConfigurationSize);
    for (int i = 0; i < 8; ++i) {
        const rtrigger &t = rec.Trigger[i];
        const routput &o = rec.Output[i];
        p[seti::TrigNet + i] = low8(t.NET);
        p[seti::TrigUniverse + i] = low8(t.Universe);
        putU16(p, seti::TrigChannel + 2 * i, t.Channel);
        p[seti::OutNet + i] = low8(o.NET);
        p[seti::OutUniverse + i] = low8(o.Universe);
        putU16(p, seti::OutChannel + 2 * i, o.Channel);
        p[seti::OutPwm + i] = o.PWM ? 1 : 0;
        p[seti::TrigFunction + i] = low8(t.Function);
        p[seti::TrigCatalog + i] = low8(t.Catalog);
        p[seti::TrigFile + i] = low8(t.File);
        p[seti::TrigVolume + i] = low8(t.Volume);
    }
    p[seti::InputSelect] = low8(rec.InputSelect);
    for (int i = 0; i < 4; ++i)
        p[seti::DestIp + i] = low8(rec.DestinationIP[i]);
    rdap dap = rec.dap;
    auto channels = dapChannels(dap);
    for (int i = 0; i < 8; ++i)
        putU16(p, seti::Dap + 2 * i, *channels[i]);
    p[seti::DmxNet] = low8(rec.dmx.Output_NET);
    p[seti::DmxUniverse] = low8(rec.dmx.Output_Universe);
    p[seti::PlayMode] = rec.TriggerButtonPlayMode ? 1 : 0;
    p[seti::Version] = low8(rec.ZentriVersion);
    p[seti::MasterVolume] = low8(rec.MasterVolume);
    p[seti::PlayAfter] = low8(rec.playAfterPowerOn);
    p[seti::PlayLoop] = low8(rec.dap.playLoop);
    p[seti::Blackout] = rec.blackoutAtEndOfTheShow ? 1 : 0;
    return p;
}

QByteArray restartCommand() {
    return QByteArrayLiteral("RESE");
}
QByteArray restoreDefaultsCommand() {
    return QByteArrayLiteral("RESD");
}

// ---- Output and trigger windows ---------------------------------------------------------------

namespace {
QByteArray testCommand(char group, int index, bool on) {
    QByteArray b = keyword("!TEST", kTestCommandSize);
    b[5] = group;
    b[6] = low8(index);
    b[7] = on ? 1 : 0;
    return b;
}
} // namespace

QByteArray outputTestCommand(int outputIndex, bool on) {
    return testCommand(kTestGroupOutputs, outputIndex, on);
}
QByteArray triggerTestCommand(int inputIndex, bool on) {
    return testCommand(kTestGroupTriggers, inputIndex, on);
}
QByteArray testEndCommand() {
    return keyword("!TEST", kTestCommandSize);
}

QByteArray triggerVolumeCommand(int inputIndex, int volume) {
    QByteArray b = keyword("SVOL", kTriggerVolumeSize);
    b[4] = low8(inputIndex);
    b[5] = low8(volume);
    return b;
}

// ---- Audio window -----------------------------------------------------------------------------

QByteArray masterVolumeQuery() {
    return keyword("qMVol", kMasterVolumeQuerySize);
}

QByteArray masterVolumeCommand(int volume) {
    QByteArray b = keyword("setMVol", kMasterVolumeCommandSize);
    b[7] = low8(volume);
    return b;
}

std::optional<int> parseMasterVolumeReply(const QByteArray &data) {
    if (!startsWith(data, "aMVol") || data.size() < kMasterVolumeReplySize)
        return std::nullopt;
    return u8(data, 5);
}

// ---- Show recorder ----------------------------------------------------------------------------

namespace {
QByteArray wordWithByte(const char *word, int size, int value) {
    QByteArray b = keyword(word, size);
    b[size - 1] = low8(value);
    return b;
}
} // namespace

QByteArray selectShowCommand(int show) {
    return wordWithByte("SSHOW", 6, show);
}
QByteArray showInfoQuery(int show) {
    return wordWithByte("QShowInfo", 10, show);
}
QByteArray recordCommand() {
    return QByteArrayLiteral("RECENA");
}
QByteArray synchroRecordCommand() {
    return QByteArrayLiteral("RECENS");
}
QByteArray stopCommand() {
    return QByteArrayLiteral("RECDIS");
}
QByteArray playCommand() {
    return QByteArrayLiteral("PLAYSH");
}
QByteArray eraseShowCommand(int show) {
    return wordWithByte("ERASESHOW", 10, show);
}

std::optional<ShowReply> parseShowReply(const QByteArray &data) {
    ShowReply r;
    if (startsWith(data, "Pcnt")) {
        if (data.size() < kPacketCountReplySize)
            return std::nullopt;
        r.kind = ShowReply::PacketCount;
        r.packets = readI32(data, 4);
    } else if (startsWith(data, "setShow")) {
        if (data.size() < kSetShowReplySize)
            return std::nullopt;
        r.kind = ShowReply::SetShow;
        r.show = u8(data, 7);
    } else if (startsWith(data, "showPss")) {
        if (data.size() < kShowPositionReplySize)
            return std::nullopt;
        r.kind = ShowReply::ShowPosition;
        r.total = readI32(data, 7);
        r.position = readI32(data, 11);
    } else if (startsWith(data, "playStop")) {
        r.kind = ShowReply::PlayStop;
    } else if (startsWith(data, "AShowInfo")) {
        if (data.size() < kShowInfoReplySize)
            return std::nullopt;
        r.kind = ShowReply::ShowInfo;
        r.show = u8(data, 9);
        r.present = data[10] != 0;
        r.length = readI32(data, 11);
    } else {
        return std::nullopt;
    }
    return r;
}

// ---- Cues -------------------------------------------------------------------------------------

QByteArray cueQuery() {
    return keyword("QCUERD", kCueQuerySize);
}

namespace cue {
constexpr int Number = 6, ReplyName = 7, ReplyNameLen = 64, WriteName = 17, WriteNameLen = 47, Values = 128;
} // namespace cue

std::optional<CueReply> parseCueReply(const QByteArray &data) {
    if (!startsWith(data, "ACUERD") || data.size() < kCueSize)
        return std::nullopt;
    CueReply r;
    r.number = u8(data, cue::Number);
    if (r.number < 1 || r.number > kCueCount)
        return std::nullopt;
    QString name;
    for (int i = 0; i < cue::ReplyNameLen; ++i)
        name += QChar(u8(data, cue::ReplyName + i));
    r.name = trimControl(name); // also drops the zero padding
    for (int i = 0; i < kCueChannels; ++i)
        r.dmx[i] = u8(data, cue::Values + i);
    return r;
}

QByteArray cueWriteCommand(int cueNumber, const QString &name, const CueValues &dmx) {
    QByteArray b = keyword("!CUEWR", kCueSize);
    b[cue::Number] = low8(cueNumber);
    // The name is trimmed and padded with code 0 to 64 characters; its first 47 go to bytes 17..63.
    const QString trimmed = trimControl(name);
    for (int i = 0; i < cue::WriteNameLen && i < trimmed.size(); ++i)
        b[cue::WriteName + i] = low8(trimmed[i].unicode());
    for (int i = 0; i < kCueChannels; ++i)
        b[cue::Values + i] = low8(dmx[i]);
    return b;
}

// ---- What each port takes ----------------------------------------------------------------------

const std::vector<ExpectedDatagram> &expectedDatagrams() {
    static const std::vector<ExpectedDatagram> table = {
        {kMainPort, "AGETI", kInfoReplySize},
        {kMainPort, "achkSD", kSdReplySize},
        {kLiveRecordPort, "Pcnt", kPacketCountReplySize},
        {kLiveRecordPort, "setShow", kSetShowReplySize},
        {kLiveRecordPort, "showPss", kShowPositionReplySize},
        {kLiveRecordPort, "playStop", kPlayStopReplySize},
        {kLiveRecordPort, "AShowInfo", kShowInfoReplySize},
        {kAudioPort, "aMVol", kMasterVolumeReplySize},
        {kCuePort, "ACUERD", kCueSize},
        {kDevicePort, "QGETI", kDiscoverySize},
        {kDevicePort, "qchkSD", kSdQuerySize},
        {kDevicePort, "!SETI", kConfigurationSize},
        {kDevicePort, "RESE", 4},
        {kDevicePort, "RESD", 4},
        {kDevicePort, "!TEST", kTestCommandSize},
        {kDevicePort, "SVOL", kTriggerVolumeSize},
        {kDevicePort, "qMVol", kMasterVolumeQuerySize},
        {kDevicePort, "setMVol", kMasterVolumeCommandSize},
        {kDevicePort, "SSHOW", 6},
        {kDevicePort, "QShowInfo", 10},
        {kDevicePort, "RECENA", 6},
        {kDevicePort, "RECENS", 6},
        {kDevicePort, "RECDIS", 6},
        {kDevicePort, "PLAYSH", 6},
        {kDevicePort, "ERASESHOW", 10},
        {kDevicePort, "QCUERD", kCueQuerySize},
        {kDevicePort, "!CUEWR", kCueSize},
    };
    return table;
}

DatagramCheck checkDatagram(const QByteArray &data, quint16 port) {
    DatagramCheck check;
    for (const ExpectedDatagram &e : expectedDatagrams()) {
        if (e.port != port)
            continue;
        check.verdict = DatagramCheck::UnknownWord;
        if (startsWith(data, e.keyword)) {
            check.expected = &e;
            check.verdict = data.size() < e.minimumSize ? DatagramCheck::TooShort : DatagramCheck::Taken;
            return check;
        }
    }
    return check;
}

// ---- Device side ------------------------------------------------------------------------------

QByteArray infoReply(const recUrzadzenia &rec, int equipment, int fwMajor, int fwMinor,
                     const QByteArray &mac6) {
    QByteArray d = keyword("AGETI", kInfoReplySize);
    d[info::Equipment] = low8(equipment);
    d[info::FwMajor] = low8(fwMajor);
    d[info::FwMinor] = low8(fwMinor);
    const QByteArray name = rec.Nazwa.toLatin1().left(info::NameLen);
    std::memcpy(d.data() + info::Name, name.constData(), static_cast<size_t>(name.size()));
    for (int i = 0; i < 6 && i < mac6.size(); ++i)
        d[info::Mac + i] = mac6[i];
    for (int i = 0; i < 8; ++i) {
        const rtrigger &t = rec.Trigger[i];
        const routput &o = rec.Output[i];
        d[info::TrigNet + i] = low8(t.NET);
        d[info::TrigUniverse + i] = low8(t.Universe);
        putU16(d, info::TrigChannel + 2 * i, t.Channel);
        d[info::OutNet + i] = low8(o.NET);
        d[info::OutUniverse + i] = low8(o.Universe);
        putU16(d, info::OutChannel + 2 * i, o.Channel);
        d[info::OutPwm + i] = o.PWM ? 1 : 0;
        d[info::TrigFunction + i] = low8(t.Function);
        d[info::TrigCatalog + i] = low8(t.Catalog);
        d[info::TrigFile + i] = low8(t.File);
        d[info::TrigVolume + i] = low8(t.Volume);
    }
    d[info::InputSelect] = low8(rec.InputSelect);
    for (int i = 0; i < 4; ++i)
        d[info::DestIp + i] = low8(rec.DestinationIP[i]);
    rdap dap = rec.dap;
    auto channels = dapChannels(dap);
    for (int i = 0; i < 8; ++i)
        putU16(d, info::Dap + 2 * i, *channels[i]);
    d[info::DmxNet] = low8(rec.dmx.Output_NET);
    d[info::DmxUniverse] = low8(rec.dmx.Output_Universe);
    d[info::PlayMode] = rec.TriggerButtonPlayMode ? 1 : 0;
    d[info::Version] = low8(rec.ZentriVersion);
    d[info::MasterVolume] = low8(rec.MasterVolume);
    d[info::PlayAfter] = low8(rec.playAfterPowerOn);
    d[info::PlayLoop] = low8(rec.dap.playLoop);
    d[info::Blackout] = rec.blackoutAtEndOfTheShow ? 1 : 0;
    return d;
}

bool applyConfigurationPacket(const QByteArray &p, recUrzadzenia &rec) {
    if (!startsWith(p, "!SETI") || p.size() < kConfigurationSize)
        return false;
    for (int i = 0; i < 8; ++i) {
        rtrigger &t = rec.Trigger[i];
        routput &o = rec.Output[i];
        t.NET = u8(p, seti::TrigNet + i);
        t.Universe = u8(p, seti::TrigUniverse + i);
        t.Channel = readU16(p, seti::TrigChannel + 2 * i);
        o.NET = u8(p, seti::OutNet + i);
        o.Universe = u8(p, seti::OutUniverse + i);
        o.Channel = readU16(p, seti::OutChannel + 2 * i);
        o.PWM = u8(p, seti::OutPwm + i) != 0;
        t.Function = u8(p, seti::TrigFunction + i);
        t.Catalog = u8(p, seti::TrigCatalog + i);
        t.File = u8(p, seti::TrigFile + i);
        t.Volume = u8(p, seti::TrigVolume + i);
    }
    rec.InputSelect = u8(p, seti::InputSelect);
    for (int i = 0; i < 4; ++i)
        rec.DestinationIP[i] = u8(p, seti::DestIp + i);
    auto channels = dapChannels(rec.dap);
    for (int i = 0; i < 8; ++i)
        *channels[i] = readU16(p, seti::Dap + 2 * i);
    rec.dmx.Output_NET = u8(p, seti::DmxNet);
    rec.dmx.Output_Universe = u8(p, seti::DmxUniverse);
    rec.TriggerButtonPlayMode = u8(p, seti::PlayMode) != 0;
    rec.ZentriVersion = u8(p, seti::Version);
    rec.MasterVolume = u8(p, seti::MasterVolume);
    rec.playAfterPowerOn = u8(p, seti::PlayAfter);
    rec.dap.playLoop = u8(p, seti::PlayLoop);
    rec.blackoutAtEndOfTheShow = u8(p, seti::Blackout) != 0;
    return true;
}

QByteArray sdCardReply(bool present) {
    QByteArray b = keyword("achkSD", kSdReplySize);
    b[6] = present ? 1 : 0;
    return b;
}

QByteArray masterVolumeReply(int volume) {
    return wordWithByte("aMVol", kMasterVolumeReplySize, volume);
}

QByteArray packetCountReply(int32_t packets) {
    QByteArray b = keyword("Pcnt", kPacketCountReplySize);
    putI32(b, 4, packets);
    return b;
}

QByteArray setShowReply(int show) {
    return wordWithByte("setShow", kSetShowReplySize, show);
}

QByteArray showPositionReply(int32_t total, int32_t position) {
    QByteArray b = keyword("showPss", kShowPositionReplySize);
    putI32(b, 7, total);
    putI32(b, 11, position);
    return b;
}

QByteArray playStopReply() {
    return QByteArrayLiteral("playStop");
}

QByteArray showInfoReply(int show, bool present, int32_t length) {
    QByteArray b = keyword("AShowInfo", kShowInfoReplySize);
    b[9] = low8(show);
    b[10] = present ? 1 : 0;
    putI32(b, 11, length);
    return b;
}

QByteArray cueReply(int cueNumber, const QByteArray &name, const QByteArray &dmx512) {
    QByteArray b = keyword("ACUERD", kCueSize);
    b[cue::Number] = low8(cueNumber);
    std::memcpy(b.data() + cue::ReplyName, name.constData(),
                static_cast<size_t>(std::min<qsizetype>(name.size(), cue::ReplyNameLen)));
    std::memcpy(b.data() + cue::Values, dmx512.constData(),
                static_cast<size_t>(std::min<qsizetype>(dmx512.size(), kCueChannels)));
    return b;
}

} // namespace zentri::wire
