// What every window needs of the main window: the device array, the selected device and the one
// client socket through which all commands leave.
#pragma once

#include "records.h"

#include <QByteArray>

namespace zentri {

// Results with which a configuration window closes; only ResultOk makes the main window send "!SETI".
enum WindowResult { ResultCancel = 0, ResultOk = 1, ResultNo = 7 };

class DeviceLink {
public:
    virtual ~DeviceLink() = default;

    // Record index of the device table's current row (only asked while the table has rows).
    virtual int getRecID() const = 0;
    // The record at `index` of the device array.
    virtual recUrzadzenia &device(int index) = 0;
    // Sends one datagram to port 6454 of the record's IP. A refusal by the socket layer is reported to
    // the user (outside datagram handlers) and gives false; nothing is retried.
    virtual bool sendToDevice(int index, const QByteArray &datagram) = 0;

    bool sendToSelected(const QByteArray &datagram) { return sendToDevice(getRecID(), datagram); }
    recUrzadzenia &selected() { return device(getRecID()); }
};

} // namespace zentri
