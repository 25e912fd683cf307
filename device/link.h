// What every window needs of the main window: the device it works on, copies of that device's
// record, and the one client socket through which all commands leave.
#pragma once

#include "records.h"

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace zentri {

// Results with which a configuration window closes; only ResultOk makes the main window send "!SETI".
enum WindowResult { ResultCancel = 0, ResultOk = 1, ResultNo = 7 };

// One device of the device array as a window holds it from its showing to its closing: the record
// index together with the discovery that listed it. A later discovery's record at the same index is
// another device, so the handle then names none.
struct DeviceRef {
    int index = -1;
    quint32 discovery = 0;

    bool isNull() const { return index < 0; }
    friend bool operator==(const DeviceRef &a, const DeviceRef &b) {
        return a.index == b.index && a.discovery == b.discovery;
    }
    friend bool operator!=(const DeviceRef &a, const DeviceRef &b) { return !(a == b); }
};

// The device array is never handed out by reference: datagram handlers run inside every nested event
// loop (message boxes, modal windows) and may append to it, so a reference held across one could
// dangle. Windows read a copy, and write an edited copy back in one step.
class DeviceLink {
public:
    virtual ~DeviceLink() = default;

    // The device of the device table's current row; a null handle while the table is empty.
    virtual DeviceRef selectedDevice() const = 0;
    // A copy of the device's record; none when the device is no longer listed.
    virtual std::optional<recUrzadzenia> record(DeviceRef device) const = 0;
    // Replaces the device's record; false (and nothing stored) when it is no longer listed.
    virtual bool storeRecord(DeviceRef device, const recUrzadzenia &rec) = 0;
    // Sends one datagram to port 6454 of the device's IP. A refusal by the socket layer is reported to
    // the user (outside datagram handlers) and gives false, as does a device no longer listed;
    // nothing is retried.
    virtual bool sendToDevice(DeviceRef device, const QByteArray &datagram) = 0;
};

} // namespace zentri
