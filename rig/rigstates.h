// What a discovery found, against the rig: one row per device of the rig and per device that
// answered, matched by MAC, each in one state.
#pragma once

#include "device/configfile.h"
#include "rigfile.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace zentri::rig {

enum class State {
    InSync,   // answered; every setting equals the rig's
    Differs,  // answered; `differences` lists the settings that do not
    Missing,  // in the rig; did not answer
    NotInRig, // answered; its MAC is not in the rig
    Duplicate // two or more answers carry this MAC
};

// The state as the user reads it: "in sync", "differs", "missing", "not in rig", "duplicate".
QString stateText(State state);

// What a device said of its SD card in the last round: nothing yet (not asked, or the reply was lost).
enum class SdCard { Unknown, Present, Absent };
// "present", "none", "not asked".
QString sdCardText(SdCard card);

struct Row {
    State state = State::Missing;
    QString mac;
    int entry = -1;                              // the rig's entry, or -1
    std::optional<recUrzadzenia> device;         // the (first) answer, when one came
    QStringList ips;                             // every address an answer came from, in order, once each
    int answers = 0;                             // how many answers carried the MAC
    QVector<configfile::Difference> differences; // Differs: `file` is the rig's value
    QVector<configfile::Difference> shown;       // the same as people read them (configfile::forPeople)

    // The device's name: the rig's for a device of the rig, else the answer's.
    QString name(const Rig &rig) const;
    // For a duplicate: whether all answers came from one address (one device reached twice) or from
    // several (two devices with one MAC).
    bool oneAddress() const { return ips.size() <= 1; }
    // One line saying what the state means here ("Output 4 channel: rig 300, device 301; ...").
    QString detail() const;
};

// The rows for `answers` (every info reply of one discovery, in order of arrival): the rig's devices
// in the rig's order, then the devices not in the rig in order of their first answer.
QVector<Row> compare(const Rig &rig, const QVector<recUrzadzenia> &answers);

} // namespace zentri::rig
