// The behaviour of one or more emulated Zentri devices, without sockets: every datagram that reaches
// port 6454 goes through `handle`, timed work (recorder reports, end of playback) through `tick`, and
// both return the datagrams to send and the lines to print. Time is passed in, in milliseconds from
// any fixed origin, so that tests can drive a fake clock.
#pragma once

#include "device/duration.h"
#include "device/records.h"

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <cstdint>
#include <functional>

namespace zentri::emu {

// Show lengths and positions count in the device's units.
constexpr int kUnitsPerSecond = kDeviceUnitsPerSecond;
// Recorder reports ("Pcnt" while recording, "showPss" while playing) are sent about this often.
constexpr int kReportIntervalMs = 100;
// A datagram heard by at most this many devices gives one line per device, by more one line in all.
constexpr int kLinePerDeviceUpTo = 16;
// Frames kept per recorded show (half an hour at 40 frames a second); later frames are counted only.
constexpr int kMaxFramesPerShow = 72000;

int32_t unitsFromMs(qint64 ms);

// What makes one device itself: set from the command line, kept by "RESD".
struct DeviceIdentity {
    QHostAddress address;
    QString name;      // at most 63 Latin-1 characters
    QByteArray mac;    // 6 bytes
    int equipment = 1; // equipment code of the info reply
    int firmwareMajor = 1;
    int firmwareMinor = 12;
    int module = kModulePremium; // module version byte
    bool sdCard = true;
    bool storesConfiguration = true; // false: a "!SETI" is received and dropped (a faulty device)
};

// A show that is on the device when it starts: slot 1..8 and length in seconds.
struct ShowPreset {
    int slot = 0;
    int seconds = 0;
};

struct Frame {
    int32_t time = 0;    // device units since the first packet of the recording
    int portAddress = 0; // Art-Net Net << 8 | SubUni
    QByteArray values;   // DMX values, channel 1 first
};

struct Show {
    bool present = false;
    int32_t length = 0;  // device units
    int32_t packets = 0; // ArtDmx packets recorded (also those beyond kMaxFramesPerShow)
    QVector<Frame> frames;
};

struct Cue {
    QByteArray name;   // without padding
    QByteArray values; // 512 bytes
};

enum class Recorder { Idle, WaitingForPacket, WaitingForNonEmptyPacket, Recording, Playing };

struct Device {
    DeviceIdentity id;
    recUrzadzenia rec;                 // configuration as the info reply carries it
    std::array<bool, 8> outputTest{};  // by test index: index 7 is output 1, index 0 output 8
    std::array<bool, 8> triggerTest{}; // by input index: index 0 is trigger 1
    std::array<Show, 8> shows{};       // slot n at n-1
    QHash<int, Cue> cues;              // cues written so far; the others read as their defaults

    Recorder recorder = Recorder::Idle;
    int selectedShow = 0; // 0..255 as the select-show command sets it; only 1..8 are slots
    int activeShow = 0;   // slot being recorded or played
    QHostAddress asker;   // where recorder reports go (port 7801)
    qint64 startMs = 0;   // first recorded packet, or start of playback
    qint64 lastReportMs = 0;
    int32_t reportedPackets = 0;
    Show take; // recording in progress; replaces the slot's show when it ends

    Cue cue(int number) const;
};

struct Outgoing {
    QByteArray data;
    QHostAddress to;
    quint16 port = 0;
    QHostAddress from; // the device that sends it (source port 6454)
};

struct Output {
    QVector<Outgoing> datagrams;
    QStringList lines;
};

class Emulator {
public:
    explicit Emulator(const QVector<DeviceIdentity> &devices, const QVector<ShowPreset> &shows = {});

    // One datagram received on port 6454. A destination that is one device's address is for that
    // device; any other (a broadcast, an address no device holds, or none) is for every device.
    Output handle(const QByteArray &data, const QHostAddress &destination, const QHostAddress &sender,
                  quint16 senderPort, qint64 nowMs);
    // Timed work; call it every few milliseconds.
    Output tick(qint64 nowMs);

    const Device &device(int index) const { return devices_[index]; }
    int indexOf(const QHostAddress &address) const;

    // The configuration a device starts with and that "RESD" brings back.
    static recUrzadzenia defaultConfiguration(const DeviceIdentity &id);
    static Cue defaultCue(int number);

private:
    QVector<int> route(const QHostAddress &destination) const;
    QString targetText(const QHostAddress &destination, const QVector<int> &targets) const;
    QString summarise(const QStringList &details, const QVector<int> &targets) const;
    Output handleArtNet(const QByteArray &data, const QVector<int> &targets,
                        const std::function<QString()> &head, qint64 nowMs);

    QVector<Device> devices_;
    QHash<quint32, int> byAddress_;
    QStringList addressTexts_; // each device's address as the lines write it

    // Art-Net lines are summarised: at most one a second unless the recorder changes state.
    qint64 artLastLineMs_ = -1;
    int artSinceLine_ = 0;
};

} // namespace zentri::emu
