// The remote control of a device's show recorder: select one of the eight show slots, record into it
// from the Art-Net stream reaching the device (plain or synchronised start), play, stop and erase,
// while following what the device reports on the live recording port.
#pragma once

#include "ui/colorpanel.h"
#include "ui/devicedialog.h"

#include <QByteArray>
#include <QHostAddress>
#include <QTimer>
#include <array>
#include <cstdint>

class QLabel;
class QProgressBar;
class QStatusBar;

namespace zentri {

class UdpListener;
namespace ui {
class ActivityIndicator;
class PressButton;
} // namespace ui

class TfLiveButtonRecord : public ui::DeviceDialog {
    Q_OBJECT
public:
    TfLiveButtonRecord(DeviceLink *link, QWidget *mainWindow);

    // Captions of the three buttons that need a second press.
    static const QString kEraseCaption, kEraseConfirm;
    static const QString kRecordCaption, kRecordConfirm;
    static const QString kSynchroCaption, kSynchroConfirm, kRecordingCaption;
    // A caption above as the button shows it, in the user's language.
    static QString shown(const QString &caption);

    // ---- State ----
    int SelectedShow() const { return selectedShow_; }
    bool ShowPresent(int n) const { return showPresent_[n & 0xFF]; }
    int32_t ShowLength(int n) const { return showLength_[n & 0xFF]; }
    int EraseArmed() const { return eraseArmed_; }
    int RecordArmed() const { return recordArmed_; }
    int SynchroArmed() const { return synchroArmed_; }
    int BlinkPhase() const { return blinkPhase_; }
    int ActiveDeviceIndex() const { return device().index; }
    QString statusText() const;
    // Where the progress bar stands (kept within 0..total, like the bar itself).
    int32_t barPosition() const { return barPosition_; }
    bool isListening() const;
    UdpListener *listener() const { return IdUDPServer1; }

    // ---- Operations ----
    void SelectShow(int n);
    void QueryAllShowInfo();
    bool StopRecording(); // false when the stop command was refused
    void RefreshView();

    // ---- Handlers ----
    void FormActivate();
    void FormClose();
    void Button13MouseDown(); // ERASE
    void Button12MouseDown(); // RECORD
    void Button10MouseDown(); // SYNCHRO RECORD
    void Button11MouseDown(); // PLAY
    void Button8MouseDown();  // STOP
    void Button8MouseUp();    // release on STOP, PLAY, RECORD, ERASE or SYNCHRO RECORD
    void tmBlinkButtonTimer();
    void tmShowTimeTimer();
    void IdUDPServer1UDPRead(const QByteArray &data, const QHostAddress &sender);

    // Buttons and panels, by show number (1..8) and by role.
    ui::PressButton *showButton(int n) const { return showButtons_[n - 1]; }
    ui::ColorPanel *showPanel(int n) const { return showPanels_[n - 1]; }
    QLabel *showLabel(int n) const { return showLabels_[n - 1]; }

    QTimer tmBlinkButton;
    QTimer tmShowTime;

    // Controls, named as in the window's layout.
    ui::ColorPanel *Panel9, *Panel10, *Panel11, *Panel12, *Panel13;
    ui::PressButton *Button8, *Button10, *Button11, *Button12, *Button13;
    QLabel *lbTime;
    QProgressBar *pb1;
    ui::ActivityIndicator *ActivityIndicator1;
    QStatusBar *sb1;
    QLabel *sb1Panel0;
    UdpListener *IdUDPServer1;

protected:
    void activated() override { FormActivate(); }
    void closing() override { FormClose(); }

private:
    // An action button on its light panel, in `column` (0 to 4) of the row under the shows.
    void addAction(ui::ColorPanel *&panel, ui::PressButton *&button, const char *panelName,
                   const char *buttonName, const QString &caption, int column,
                   void (TfLiveButtonRecord::*mouseDown)());
    void setActionPanels(const QColor &color);
    void setActionsEnabled(bool enabled);
    void setStatus(const QString &text);
    void showBar(int32_t total, int32_t position);
    void hidePlayback();

    QWidget *mainWindow_;

    int selectedShow_ = 0;
    std::array<bool, 256> showPresent_{};
    std::array<int32_t, 256> showLength_{};
    int eraseArmed_ = 0, recordArmed_ = 0, synchroArmed_ = 0;
    int blinkPhase_ = 0;
    int32_t barPosition_ = 0;

    std::array<QLabel *, 8> showLabels_{};
    std::array<ui::ColorPanel *, 8> showPanels_{};
    std::array<ui::PressButton *, 8> showButtons_{};
};

} // namespace zentri
