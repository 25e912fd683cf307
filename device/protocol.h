// Every datagram the manager exchanges with a Zentri device: building commands and parsing replies.
// A datagram is recognised by its leading letters only; a reply shorter than its layout is refused
// (parse functions return std::nullopt) so that no field is ever read past the datagram's end.
#pragma once

#include "records.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace zentri::wire {

// Ports: every command goes to the device's port; replies come back to the fixed desktop ports.
constexpr quint16 kDevicePort = 6454;
constexpr quint16 kMainPort = 7800;
constexpr quint16 kLiveRecordPort = 7801;
constexpr quint16 kAudioPort = 7802;
constexpr quint16 kCuePort = 7803;
constexpr int kReceiveBufferSize = 8192;

constexpr int kDiscoverySize = 10;
constexpr int kInfoReplySize = 212;
constexpr int kSdQuerySize = 6;
constexpr int kSdReplySize = 7;
constexpr int kConfigurationSize = 138;
constexpr int kTestCommandSize = 8;
constexpr int kTriggerVolumeSize = 6;
constexpr int kMasterVolumeQuerySize = 5;
constexpr int kMasterVolumeCommandSize = 8;
constexpr int kMasterVolumeReplySize = 6;
constexpr int kPacketCountReplySize = 8;
constexpr int kSetShowReplySize = 8;
constexpr int kShowPositionReplySize = 15;
constexpr int kPlayStopReplySize = 8;
constexpr int kShowInfoReplySize = 15;
constexpr int kRestartSize = 4;         // "RESE" and "RESD"
constexpr int kSelectShowSize = 6;      // "SSHOW"
constexpr int kShowInfoQuerySize = 10;  // "QShowInfo"
constexpr int kRecorderCommandSize = 6; // "RECENA", "RECENS", "RECDIS", "PLAYSH"
constexpr int kEraseShowSize = 10;      // "ERASESHOW"
constexpr int kCueQuerySize = 7;
constexpr int kCueSize = 640;
constexpr int kCueCount = 100;
constexpr int kCueChannels = 512;
constexpr int kShowSlots = 8;

// Output and trigger test command group bytes.
constexpr char kTestGroupOutputs = 0x20;
constexpr char kTestGroupTriggers = 0x10;

// True when `data` begins with the ASCII keyword `word`.
bool startsWith(const QByteArray &data, const char *word);

// Removes characters of code 32 and below from both ends.
QString trimControl(const QString &text);

// 16-bit big-endian helpers (low sixteen bits of a value, high byte first).
void putU16(QByteArray &buf, int offset, int32_t value);
int readU16(const QByteArray &buf, int offset);
void putI32(QByteArray &buf, int offset, int32_t value);
int32_t readI32(const QByteArray &buf, int offset);

// ---- Discovery and status ---------------------------------------------------------------------

QByteArray discoveryRequest();
bool isInfoReply(const QByteArray &data);
// Info reply to a fresh record; `senderIp` becomes the record's IP. nullopt unless the datagram starts
// with "AGETI" and is at least 212 bytes long.
std::optional<recUrzadzenia> parseInfoReply(const QByteArray &data, const QString &senderIp);
QString moduleVersionName(int zentriVersion);
QString firmwareText(int major, int minor);
// Whether the manager works with a device of this firmware (`FWVer` text); older ones are refused with
// kFirmwareTooOld.
bool firmwareSupported(const QString &fwVer);
extern const char kFirmwareTooOld[];
QString macText(const QByteArray &sixBytes);
QString deviceNameFromBytes(const QByteArray &bytes);

QByteArray sdCardQuery();
bool isSdCardReply(const QByteArray &data);
// Card present? nullopt unless "achkSD" with its state byte.
std::optional<bool> parseSdCardReply(const QByteArray &data);

// ---- Command transport ------------------------------------------------------------------------

QByteArray configurationPacket(const recUrzadzenia &rec);
QByteArray restartCommand();
QByteArray restoreDefaultsCommand();

// ---- Output and trigger windows ---------------------------------------------------------------

QByteArray outputTestCommand(int outputIndex, bool on);
QByteArray triggerTestCommand(int inputIndex, bool on);
QByteArray testEndCommand();
QByteArray triggerVolumeCommand(int inputIndex, int volume);

// ---- Audio window -----------------------------------------------------------------------------

QByteArray masterVolumeQuery();
QByteArray masterVolumeCommand(int volume);
std::optional<int> parseMasterVolumeReply(const QByteArray &data);

// ---- Show recorder ----------------------------------------------------------------------------

QByteArray selectShowCommand(int show);
QByteArray showInfoQuery(int show);
QByteArray recordCommand();
QByteArray synchroRecordCommand();
QByteArray stopCommand();
QByteArray playCommand();
QByteArray eraseShowCommand(int show);

struct ShowReply {
    enum Kind { PacketCount, SetShow, ShowPosition, PlayStop, ShowInfo };
    Kind kind = PacketCount;
    int32_t packets = 0;  // PacketCount
    int show = 0;         // SetShow, ShowInfo (0..255)
    int32_t total = 0;    // ShowPosition
    int32_t position = 0; // ShowPosition
    bool present = false; // ShowInfo
    int32_t length = 0;   // ShowInfo
};
// One of "Pcnt", "setShow", "showPss", "playStop", "AShowInfo"; nullopt for anything else or a
// datagram shorter than its keyword's layout.
std::optional<ShowReply> parseShowReply(const QByteArray &data);

// ---- Cues -------------------------------------------------------------------------------------

using CueValues = std::array<int32_t, kCueChannels>;

QByteArray cueQuery();
struct CueReply {
    int number = 0; // 1..100
    QString name;   // trimmed of characters of code 32 and below at both ends
    CueValues dmx{};
};
// nullopt unless "ACUERD", 640 bytes at least and a cue number 1..100.
std::optional<CueReply> parseCueReply(const QByteArray &data);
QByteArray cueWriteCommand(int cue, const QString &name, const CueValues &dmx);

// ---- What each port takes ----------------------------------------------------------------------

// A datagram a port takes: its leading letters and the fewest bytes its reader needs.
struct ExpectedDatagram {
    quint16 port;
    const char *keyword;
    int minimumSize;
};
// The replies each desktop port takes and the commands the device's port takes.
const std::vector<ExpectedDatagram> &expectedDatagrams();

// What the reader on `port` makes of a datagram: taken (`expected` is its entry), too short for its
// keyword (`expected` says how long it must be), or of no keyword that port takes. UnknownPort for a
// port that no entry names.
struct DatagramCheck {
    enum Verdict { Taken, TooShort, UnknownWord, UnknownPort };
    Verdict verdict = UnknownPort;
    const ExpectedDatagram *expected = nullptr;
};
DatagramCheck checkDatagram(const QByteArray &data, quint16 port);

// ---- Device side (used by the emulator) -------------------------------------------------------

// The manager's commands as a device reads them; each gives nothing for a datagram that does not start
// with its keyword or is shorter than its layout.
struct TestCommand {
    int group = 0; // kTestGroupOutputs, kTestGroupTriggers, or 0 with index 0 and off: test end
    int index = 0;
    bool on = false;
};
std::optional<TestCommand> parseTestCommand(const QByteArray &data);
struct TriggerVolumeCommand {
    int index = 0;
    int volume = 0;
};
std::optional<TriggerVolumeCommand> parseTriggerVolumeCommand(const QByteArray &data);
std::optional<int> parseMasterVolumeCommand(const QByteArray &data);
std::optional<int> parseSelectShowCommand(const QByteArray &data);
std::optional<int> parseShowInfoQuery(const QByteArray &data);
std::optional<int> parseEraseShowCommand(const QByteArray &data);
// The cue asked for: 0 for every cue.
std::optional<int> parseCueQuery(const QByteArray &data);
struct CueWriteCommand {
    int number = 0;    // as sent, 0..255
    QByteArray name;   // up to the first zero byte, at most 47 bytes
    QByteArray values; // 512 bytes
};
std::optional<CueWriteCommand> parseCueWriteCommand(const QByteArray &data);

// The 212-byte info reply a device sends for its own record (the record's IP is not carried).
QByteArray infoReply(const recUrzadzenia &rec, int equipment, int fwMajor, int fwMinor,
                     const QByteArray &mac6);
// Applies a "!SETI" packet to a record's configuration fields; false if the datagram does not fit.
bool applyConfigurationPacket(const QByteArray &data, recUrzadzenia &rec);
QByteArray sdCardReply(bool present);
QByteArray masterVolumeReply(int volume);
QByteArray packetCountReply(int32_t packets);
QByteArray setShowReply(int show);
QByteArray showPositionReply(int32_t total, int32_t position);
QByteArray playStopReply();
QByteArray showInfoReply(int show, bool present, int32_t length);
QByteArray cueReply(int cue, const QByteArray &name, const QByteArray &dmx512);

} // namespace zentri::wire
