// The base of the manager's windows that work on one device.
#pragma once

#include "device/link.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

namespace zentri::ui {

// A modal window of the manager that works on one device: the one selected when it is shown, from
// that showing to its closing, whatever rows are added or selected meanwhile. Centred on the screen,
// with only a close box, activated at each showing and told of each close, whichever way it closes.
class DeviceDialog : public QDialog {
    Q_OBJECT
public:
    DeviceDialog(DeviceLink *link, const QString &caption, QWidget *parent = nullptr);

    // The device the window was last shown for.
    DeviceRef device() const { return device_; }

protected:
    virtual void activated() {} // each time the window is shown
    virtual void closing() {}   // each time it closes: "Save & Close", "Close", Escape or the close box
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

    // A copy of the device's record (none once a discovery has dropped it).
    std::optional<recUrzadzenia> deviceRecord() const { return link_->record(device_); }
    // Applies `edit` to a fresh copy of the device's record and stores it, in one step (nothing may run
    // an event loop in between); false, and nothing stored, once a discovery has dropped the device.
    bool saveRecord(const std::function<void(recUrzadzenia &)> &edit);
    // One command to the device; false when it was refused or the device is gone.
    bool sendToDevice(const QByteArray &datagram) { return link_->sendToDevice(device_, datagram); }

    DeviceLink *link_;

private:
    DeviceRef device_;
};

} // namespace zentri::ui
