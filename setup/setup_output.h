// Output setup window: DMX channel, PWM mode and Art-Net patch of the device's eight outputs, with a
// live test switch per output.
#pragma once

#include "configwindow.h"
#include "setupkit.h"

#include <array>

class QCheckBox;

namespace zentri {

class TfSetupOutput : public setup::ConfigWindow {
    Q_OBJECT
public:
    explicit TfSetupOutput(DeviceLink *link);

    static constexpr int kRows = 8;
    // Output index that the test box of `row` (0 = first row) switches: the rows count down from 7.
    static constexpr int testIndex(int row) { return kRows - 1 - row; }

protected:
    void load(const recUrzadzenia &rec) override;
    void store(recUrzadzenia &rec) const override;
    void closing() override;

private:
    void FormCreate();
    // Test box of `row` switched (by the user or by the program): the device tests that output at once.
    void cbTestClick(int row, bool checked);

    setup::PatchRows patch_;
    std::array<QCheckBox *, kRows> cbPWM_{}, cbTest_{};
    QLabel *Label20 = nullptr, *Label17 = nullptr, *Label18 = nullptr;
};

} // namespace zentri
