// What sending to the devices would do, decided before anything is sent: for sending the rig's
// configuration, replacing a device and readdressing, one plan each, with the sends and the devices
// left out, each with its reason. The front ends show a plan and ask; the confirmation carries it out.
#pragma once

#include "patch.h"
#include "rigfile.h"
#include "rigstates.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace zentri::rig {

// One device to send "!SETI" to.
struct Send {
    QString mac;
    QString name; // as the rig names it
    QString ip;
    recUrzadzenia device; // what the device reported when the plan was made
    recUrzadzenia record; // what it is sent, and should then report
    QString changes;      // what changes, in the windows' words (changesText)
    // Once confirmed: replacing gives the entry that held `replacedMac` this device's MAC and address;
    // readdressing makes `newEntry` the device's rig entry.
    QString replacedMac{};
    std::optional<recUrzadzenia> newEntry{};

    // "Box 1 (02:5A:45:00:00:01, 10.0.0.5)"
    QString who() const;
};

// A device of the plan that nothing is sent to.
struct LeftOut {
    QString mac;
    QString name;
    QString ip;
    State state = State::Missing;
    QString reason; // "missing", "not in the rig", "firmware 1.10: ...", a duplicate's detail

    QString line() const; // "Box 1 (02:5A:45:00:00:01): missing"
};

struct Plan {
    QVector<Send> sends;
    QVector<LeftOut> leftOut;
    QString refused; // the whole plan refused (nothing to send), and why

    bool isEmpty() const { return sends.isEmpty(); }
    // "Box 1 (02:5A:45:00:00:01, 10.0.0.5): 2 setting(s) change: ...", one line per send.
    QStringList sendLines() const;
};

// One line() per device left out.
QStringList leftOutLines(const QVector<LeftOut> &leftOut);

// What sending `entry`'s configuration to `device` changes: "2 setting(s) change: Output 1 channel
// 1 -> 300, ...", with the settings a Standard module's windows do not offer counted apart.
QString changesText(const recUrzadzenia &device, const recUrzadzenia &entry);

// The rig's configuration to the devices of `chosen` (MACs), or to every device that differs when
// none is chosen; a device of the rig that is missing is left out either way, and named.
Plan planSend(const Rig &rig, const QVector<Row> &rows, const QStringList &chosen);

// The entry of `oldMac` (a missing device of the rig) given to `newMac` (a device not in the rig that
// answered): it is sent the entry's configuration, and once it confirms, the entry takes its MAC and
// address. Refused, with the reason, when the states are not those.
Plan planReplace(const Rig &rig, const QVector<Row> &rows, const QString &oldMac, const QString &newMac);

// Readdressing the devices of `chosen` (in that order): each gets the next block of channels; the
// rig's entry of each takes the same new addresses once the device confirms them. Devices already at
// those addresses are left out with the reason kAlreadyThere; missing and duplicate devices and too
// old firmware are left out too. Refused when a block would pass channel 512.
extern const char kAlreadyThere[];
// The devices of `chosen` that may be readdressed, in that order; the others in `skipped`.
QStringList readdressable(const Rig &rig, const QVector<Row> &rows, const QStringList &chosen,
                          QVector<LeftOut> *skipped);
Plan planReaddress(const Rig &rig, const QVector<Row> &rows, const QStringList &chosen,
                   const Readdressing &how);

// The first send whose device now reports otherwise than when the plan was made (or no longer
// answers), as its who(); empty when all are as planned.
QString changedSince(const Plan &plan, const QVector<Row> &rows);

} // namespace zentri::rig
