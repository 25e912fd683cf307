// The patch of many devices at once: every Art-Net channel in use and what uses it, and the conflicts
// between the uses, each with its reason. Works on records alone: the devices found, or a rig file
// without any network.
#pragma once

#include "device/discovery.h"
#include "device/records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace zentri::rig {

struct Use {
    int device = 0; // index into the records given
    int net = 0;
    int universe = 0;
    int channel = 0; // 1..512 as patched; 0 for the DMX output, which takes the whole universe
    enum Kind { Output, Audio, DmxOutput, Trigger } kind = Output;
    int element = 0;     // output or trigger 1..8; audio function 0..5
    bool pwm = false;    // Output
    QString destination; // Trigger: the address it sends to
    QString
    elementText() const; // "Output 3 (PWM)", "Audio player volume", "DMX output", "Trigger 2 to 10.0.0.9"
    QString channelText() const; // "17"; "all" for the DMX output
};

struct Conflict {
    enum Level { Error, Warning } level = Error;
    QString reason;       // one sentence: what and why it matters
    QVector<int> devices; // indexes into the records
    QStringList elements;
    QVector<int> uses; // the uses it is about (indexes into Patch::uses); none for identity and firmware
    QString levelText() const { return levelText(level); } // "error", "warning"
    static QString levelText(Level level);
};

struct Patch {
    QVector<Use> uses;           // by NET, universe, channel, then device and element
    QVector<Conflict> conflicts; // errors first
    bool hasError() const;
};

// A device as people tell it apart: "Stage left (02:5A:45:00:00:01)".
QString deviceText(const recUrzadzenia &rec);

// The input source a device follows: "Art-Net" or "DMX".
QString inputText(const recUrzadzenia &rec);

// The patch of `devices`. `interfaces` tells which trigger destinations lie on a subnet of this PC.
Patch patchOf(const QVector<recUrzadzenia> &devices, const QVector<InterfaceInfo> &interfaces);

// Readdressing many devices at once: each device's outputs, or its audio player's six channels, move
// to the next block of channels from a start, in the order the devices are given.
struct Readdressing {
    enum What { Outputs, AudioPlayer } what = Outputs;
    int net = 0;
    int universe = 0;
    int channel = 1;   // where the first device's block starts, 1..512
    int perDevice = 8; // channels from one device's block to the next
    int elements() const { return what == Outputs ? 8 : 6; }
};

// The records with their new addresses, every other field as it was; or nothing, with `error` naming
// the first device whose block would go past channel 512, or whose Standard module has no Art-Net NET
// and universe to change. The outputs all take the start's NET and universe (the output window's "All"
// row); the audio player its NET and universe and its six channels in the window's order.
std::optional<QVector<recUrzadzenia>> readdress(const QVector<recUrzadzenia> &devices,
                                                const Readdressing &how, QString *error);
// The uses as CSV (UTF-8) for spreadsheets: the header "net,universe,channel,element,device,mac,ip,input",
// then one line per use. The element and the device's name are quoted; a text beginning with = + - @, a
// tab or a carriage return gets a leading ' so that no spreadsheet takes it for a formula (device names
// come from the network).
QByteArray patchCsv(const QVector<recUrzadzenia> &devices, const Patch &patch);

} // namespace zentri::rig
