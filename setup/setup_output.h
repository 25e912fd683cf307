// Output setup window: DMX channel, PWM mode and Art-Net patch of the device's eight outputs, with a
// live test switch per output.
#pragma once

#include "ui/devicedialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace zentri {

class TfSetupOutput : public ui::DeviceDialog {
    Q_OBJECT
public:
    explicit TfSetupOutput(DeviceLink *link);

    static constexpr int kRows = 8;
    // Output index that the test box of `row` (0 = first row) switches: the rows count down from 7.
    static constexpr int testIndex(int row) { return kRows - 1 - row; }

    // "Save & Close": writes every row into the record loaded at showing and closes with ResultOk.
    void btSaveCloseClick();
    // "Close": closes with ResultCancel; the record is left alone.
    void Button2Click();

protected:
    void activated() override;
    void closing() override;

private:
    void FormCreate();
    // Test box of `row` switched (by the user or by the program): the device tests that output at once.
    void cbTestClick(int row, bool checked);

    std::array<QLabel *, kRows> rowLabels_{};
    std::array<QComboBox *, kRows> cbxNET_{}, cbxUniverse_{}, cbxChannel_{};
    std::array<QCheckBox *, kRows> cbPWM_{}, cbTest_{};
    QLabel *Label20 = nullptr, *Label17 = nullptr, *Label18 = nullptr;
    QPushButton *btSaveClose = nullptr, *Button2 = nullptr;
};

} // namespace zentri
