// Trigger setup window: what each of the device's eight trigger inputs does, the trigger destination
// address and the power-on play choice, with a live test switch and a live volume per input.
#pragma once

#include "configwindow.h"
#include "setupkit.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QRadioButton;
class QSlider;

namespace zentri {

class TfSetupInput : public setup::ConfigWindow {
    Q_OBJECT
public:
    explicit TfSetupInput(DeviceLink *link);

    static constexpr int kRows = 8;

    // Function list items, by code.
    enum Function { FunctionNone, FunctionTrigger, FunctionPlay, FunctionStop, FunctionShow1 };
    static QStringList functionItems();
    static QString unavailableShowMessage();

protected:
    void load(const recUrzadzenia &rec) override;
    // "Save & Close" closes with ResultNo, and leaves the functions as they were, when a row asks for
    // one of the unavailable shows; the user is told so first.
    WindowResult checkSave() override;
    void store(recUrzadzenia &rec) const override;
    void closing() override;

private:
    void FormCreate();
    bool asksUnavailableShow() const; // a row's function is one of the unavailable shows
    void cbxFunctionChange(int row) { applyEnableRule(row); } // cbxFunction01Change..cbxFunction08Change
    void cbTestClick(int row, bool checked);
    void tbVolumeChange(int row, int position);
    void applyEnableRule(int row);
    // Sends one live command to the device loaded at showing. After a refusal during a showing the
    // rest of that showing sends nothing more, so the user sees one report, not one per control.
    bool send(const QByteArray &datagram);

    bool showing_ = false;      // the showing steps run
    bool sendsRefused_ = false; // a send of this showing was refused

    setup::PatchRows patch_;
    std::array<QComboBox *, kRows> cbxFunction_{}, cbxCatalog_{}, cbxFile_{};
    std::array<QSlider *, kRows> tbVolume_{};
    std::array<QCheckBox *, kRows> cbTest_{};
    std::array<QRadioButton *, kRows + 1> rb_{}; // rb0 ("no play") to rb8
    std::array<QComboBox *, 4> cbxIP_{};         // cbxIPA..cbxIPD
    QButtonGroup *playAfterPowerOn_ = nullptr;
    QCheckBox *cbOption01 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr;
};

} // namespace zentri
