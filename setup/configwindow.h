// The base of the configuration windows.
#pragma once

#include "ui/devicedialog.h"

#include <initializer_list>

class QObject;

namespace zentri::setup {

// A window that edits part of the device's record. At each showing it loads a copy of the record;
// "Save & Close" writes what the window shows into a fresh copy of the record, stores it in the same
// step and closes with ResultOk, after which the main window sends the configuration to the device.
// "Close", Escape and the close box leave the record alone and close with ResultCancel.
//
// A window built on it makes its controls, lays them out with layOut(), which puts the two buttons
// under them, and fills them in load() and reads them back in store(); that is all it writes.
class ConfigWindow : public ui::DeviceDialog {
    Q_OBJECT
public:
    // "Save & Close": closes with checkSave()'s result once the record is stored, with ResultCancel when
    // a discovery has dropped the device meanwhile (nothing is stored then).
    void btSaveCloseClick();
    // "Close" (the button `Button2`; `Button10` in the trigger window): closes with ResultCancel.
    void Button2Click() { done(ResultCancel); }

protected:
    ConfigWindow(DeviceLink *link, const QString &objectName, const QString &caption,
                 const QString &closeName = QStringLiteral("Button2"));

    // Lays the window out at a fixed size: `parts` (layouts or widgets) from the top down, then the row
    // of "Save & Close" and "Close", which are made here so that they come last in the tab order.
    void layOut(std::initializer_list<QObject *> parts, int topMargin = 12);

    // Fills the controls from the device's record at each showing (a default record once a discovery
    // has dropped the device). `rec` is a copy: it stays valid while a message box is open.
    virtual void load(const recUrzadzenia &rec) = 0;
    // Before "Save & Close" reads the record: the result to close with once it is stored. It may ask
    // the user, since the record is read only afterwards.
    virtual WindowResult checkSave() { return ResultOk; }
    // Writes the controls into `rec`, a fresh copy of the device's record; nothing may run an event loop
    // here, the copy is stored straight after.
    virtual void store(recUrzadzenia &rec) const = 0;

private:
    void activated() final;

    QString closeName_;
};

} // namespace zentri::setup
