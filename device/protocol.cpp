#include "protocol.h"
#include "fields.h"

#include <QCoreApplication>
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

// Info reply identity (the settings' offsets are in the field table).
namespace info {
constexpr int Equipment = 5, FwMajor = 6, FwMinor = 7, Name = 8, NameLen = 63, Mac = 73;
} // namespace info

// Writes and reads one field as it travels.
void putField(QByteArray &buf, int offset, fields::Width width, int32_t value) {
    switch (width) {
    case fields::Width::Word:
        putU16(buf, offset, value);
        return;
    case fields::Width::Flag:
        buf[offset] = value ? 1 : 0;
        return;
    case fields::Width::Byte:
        buf[offset] = low8(value);
        return;
    }
}

int32_t readField(const QByteArray &buf, int offset, fields::Width width) {
    switch (width) {
    case fields::Width::Word:
        return readU16(buf, offset);
    case fields::Width::Flag:
        return u8(buf, offset) != 0 ? 1 : 0;
    case fields::Width::Byte:
        break;
    }
    return u8(buf, offset);
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
    default: // "Standard" and "Premium" are the modules' names, the same in every language
        return QCoreApplication::translate("zentri::wire", "not recognized");
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
    for (const fields::Field &f : fields::all())
        f.setValue(r, readField(data, f.infoOffset, f.width));
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
    for (const fields::Field &f : fields::all())
        putField(p, f.setiOffset, f.width, f.value(rec));
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
    return wordWithByte("SSHOW", kSelectShowSize, show);
}
QByteArray showInfoQuery(int show) {
    return wordWithByte("QShowInfo", kShowInfoQuerySize, show);
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
    return wordWithByte("ERASESHOW", kEraseShowSize, show);
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
        {kDevicePort, "RESE", kRestartSize},
        {kDevicePort, "RESD", kRestartSize},
        {kDevicePort, "!TEST", kTestCommandSize},
        {kDevicePort, "SVOL", kTriggerVolumeSize},
        {kDevicePort, "qMVol", kMasterVolumeQuerySize},
        {kDevicePort, "setMVol", kMasterVolumeCommandSize},
        {kDevicePort, "SSHOW", kSelectShowSize},
        {kDevicePort, "QShowInfo", kShowInfoQuerySize},
        {kDevicePort, "RECENA", kRecorderCommandSize},
        {kDevicePort, "RECENS", kRecorderCommandSize},
        {kDevicePort, "RECDIS", kRecorderCommandSize},
        {kDevicePort, "PLAYSH", kRecorderCommandSize},
        {kDevicePort, "ERASESHOW", kEraseShowSize},
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
    for (const fields::Field &f : fields::all())
        putField(d, f.infoOffset, f.width, f.value(rec));
    return d;
}

bool applyConfigurationPacket(const QByteArray &p, recUrzadzenia &rec) {
    if (!startsWith(p, "!SETI") || p.size() < kConfigurationSize)
        return false;
    for (const fields::Field &f : fields::all())
        f.setValue(rec, readField(p, f.setiOffset, f.width));
    return true;
}

namespace {
// The byte after a keyword that a command of `size` bytes ends with.
std::optional<int> lastByte(const QByteArray &data, const char *word, int size) {
    if (!startsWith(data, word) || data.size() < size)
        return std::nullopt;
    return u8(data, size - 1);
}
} // namespace

std::optional<TestCommand> parseTestCommand(const QByteArray &data) {
    if (!startsWith(data, "!TEST") || data.size() < kTestCommandSize)
        return std::nullopt;
    return TestCommand{u8(data, 5), u8(data, 6), data[7] != 0};
}

std::optional<TriggerVolumeCommand> parseTriggerVolumeCommand(const QByteArray &data) {
    if (!startsWith(data, "SVOL") || data.size() < kTriggerVolumeSize)
        return std::nullopt;
    return TriggerVolumeCommand{u8(data, 4), u8(data, 5)};
}

std::optional<int> parseMasterVolumeCommand(const QByteArray &data) {
    return lastByte(data, "setMVol", kMasterVolumeCommandSize);
}
std::optional<int> parseSelectShowCommand(const QByteArray &data) {
    return lastByte(data, "SSHOW", kSelectShowSize);
}
std::optional<int> parseShowInfoQuery(const QByteArray &data) {
    return lastByte(data, "QShowInfo", kShowInfoQuerySize);
}
std::optional<int> parseEraseShowCommand(const QByteArray &data) {
    return lastByte(data, "ERASESHOW", kEraseShowSize);
}
std::optional<int> parseCueQuery(const QByteArray &data) {
    return lastByte(data, "QCUERD", kCueQuerySize);
}

std::optional<CueWriteCommand> parseCueWriteCommand(const QByteArray &data) {
    if (!startsWith(data, "!CUEWR") || data.size() < kCueSize)
        return std::nullopt;
    CueWriteCommand c;
    c.number = u8(data, cue::Number);
    c.name = data.mid(cue::WriteName, cue::WriteNameLen);
    const int end = static_cast<int>(c.name.indexOf('\0'));
    if (end >= 0)
        c.name.truncate(end);
    c.values = data.mid(cue::Values, kCueChannels);
    return c;
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
