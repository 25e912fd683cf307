// Audio player setup window: the DMX patch that drives the device's audio player, its "Play loop"
// option and the live master volume, which the device reports on the window's own listener.
#pragma once

#include "configwindow.h"

#include <QHostAddress>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace zentri {

class UdpListener;

class TfSetupAudio : public setup::ConfigWindow {
    Q_OBJECT
public:
    explicit TfSetupAudio(DeviceLink *link);

    static constexpr int kResetVolume = 128;

    // Reply handler of the port-7802 listener: a master volume reply moves the slider, which sends the
    // value back to the device when the position changes. Anything else is dropped.
    void IdUDPServer1UDPRead(const QByteArray &data, const QHostAddress &sender);

    // "RESET": master volume back to the middle.
    void Button1Click();

    UdpListener *listener() const { return IdUDPServer1; }

protected:
    void load(const recUrzadzenia &rec) override;
    void store(recUrzadzenia &rec) const override;
    void closing() override;

private:
    void FormCreate();
    void tb1Change(int position);

    bool quietSlider_ = false; // the slider takes the record's value without telling the device

    UdpListener *IdUDPServer1 = nullptr;
    QComboBox *cbxNET = nullptr, *cbxUniverse = nullptr;
    std::array<QComboBox *, 6> channels_{}; // cbxCatalog, cbxFile, cbxVolume, cbxState, cbxBass, cbxTreble
    QSlider *tb1 = nullptr;
    QLabel *lbMasterVolume = nullptr;
    QCheckBox *cbPlayLoop = nullptr;
    QLabel *Label17 = nullptr, *Label18 = nullptr;
    QPushButton *Button1 = nullptr;
};

} // namespace zentri
