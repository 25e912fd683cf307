// DMX output setup window: the Art-Net NET and Universe the device puts out on its DMX output, and
// whether it blacks the output out when no input signal arrives.
#pragma once

#include "ui/devicedialog.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace zentri {

class TfDMXSetup : public ui::DeviceDialog {
    Q_OBJECT
public:
    explicit TfDMXSetup(DeviceLink *link);

    // "Save & Close": writes the record loaded at showing and closes with ResultOk.
    void btSaveCloseClick();
    // "Close": closes with ResultCancel; the record is left alone.
    void Button2Click();

protected:
    void activated() override;

private:
    void FormCreate();

    QComboBox *cbxNET = nullptr, *cbxUniverse = nullptr;
    QCheckBox *cbBlackout = nullptr;
    QPushButton *btSaveClose = nullptr, *Button2 = nullptr;
};

} // namespace zentri
