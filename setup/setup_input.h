// Trigger setup window: what each of the device's eight trigger inputs does, the trigger destination
// address and the power-on play choice, with a live test switch and a live volume per input.
#pragma once

#include "ui/devicedialog.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace zentri {

class TfSetupInput : public ui::DeviceDialog {
    Q_OBJECT
public:
    explicit TfSetupInput(DeviceLink *link);

    static constexpr int kRows = 8;

    // Function list items, by code.
    enum Function { FunctionNone, FunctionTrigger, FunctionPlay, FunctionStop, FunctionShow1 };
    static const QStringList &functionItems();
    // Shows that the device refuses to store.
    static bool isUnavailableShow(const QString &functionText);
    static const QString &unavailableShowMessage();

    // "Save & Close": writes the record loaded at showing; closes with ResultOk, or with ResultNo
    // (functions left unchanged) when a row asks for one of the unavailable shows.
    void btSaveCloseClick();
    // "Close": closes with ResultCancel; the record is left alone.
    void Button10Click();

protected:
    void activated() override;
    void closing() override;

private:
    void FormCreate();
    void cbxFunctionChange(int row); // cbxFunction01Change..cbxFunction08Change
    void cbTestClick(int row, bool checked);
    void tbVolumeChange(int row, int position);
    void applyEnableRule(int row);
    // Sends one live command to the device loaded at showing. After a refusal during a showing the
    // rest of that showing sends nothing more, so the user sees one report, not one per control.
    bool send(const QByteArray &datagram);

    bool showing_ = false;      // the showing steps run
    bool sendsRefused_ = false; // a send of this showing was refused

    std::array<QLabel *, kRows> rowLabels_{};
    std::array<QComboBox *, kRows> cbxNET_{}, cbxUniverse_{}, cbxChannel_{}, cbxFunction_{}, cbxCatalog_{},
        cbxFile_{};
    std::array<QSlider *, kRows> tbVolume_{};
    std::array<QCheckBox *, kRows> cbTest_{};
    std::array<QRadioButton *, kRows + 1> rb_{}; // rb0 ("no play") to rb8
    std::array<QComboBox *, 4> cbxIP_{};         // cbxIPA..cbxIPD
    QButtonGroup *playAfterPowerOn_ = nullptr;
    QCheckBox *cbOption01 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QPushButton *btSaveClose = nullptr, *Button10 = nullptr;
};

} // namespace zentri
