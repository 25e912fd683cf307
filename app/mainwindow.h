// The main window `TMainForm`: device discovery, the device table and the hub that opens every other
// window and sends their commands.
#pragma once

#include "device/link.h"
#include "device/records.h"
#include "device/udp.h"
#include "devicetable.h"

#include <QHostAddress>
#include <QMainWindow>
#include <vector>

class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zentri {

namespace ui {
class Picture;
}

class RigWindow;
namespace rig {
class Document;
class Engine;
} // namespace rig

// The program's own file dialog (not the system's), named `name`: with a `suffix`, a file to save,
// offered as `suggested` and given the suffix where it has none; without, an existing file to open.
// Empty when the user cancels.
QString chooseFile(QWidget *parent, const QString &title, const char *name, const QString &filter,
                   const QString &suffix = {}, const QString &suggested = {});

// The windows the main window opens; all are created at start-up and live until the end.
struct MainWindowPeers {
    QDialog *outputSetup = nullptr;
    QDialog *triggerSetup = nullptr;
    QDialog *audioSetup = nullptr;
    QDialog *timeline = nullptr;
    QDialog *dmxSetup = nullptr;
    QDialog *liveRecord = nullptr;
    QDialog *about = nullptr;
    QDialog *cue = nullptr;
    RigWindow *rig = nullptr;
    rig::Document *rigDocument = nullptr;
    rig::Engine *rigEngine = nullptr;
};

class TMainForm : public QMainWindow, public DeviceLink {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    void setPeers(const MainWindowPeers &peers) { peers_ = peers; }
    // Gives the device grid its table and column widths: once the main window is on the screen (the
    // grid stays hidden until the first reply of a discovery is listed), at the latest then.
    void connectDeviceGrid();

    // Record index of the device table's current row (row 0's while none is current; -1 when empty).
    int getRecID() const;

    // DeviceLink
    DeviceRef selectedDevice() const override;
    std::optional<recUrzadzenia> record(DeviceRef device) const override;
    bool storeRecord(DeviceRef device, const recUrzadzenia &rec) override;
    bool sendToDevice(DeviceRef device, const QByteArray &datagram) override;

    void findDevices();
    // "!SETI" with the device's whole record, to that device.
    void sendConfiguration(DeviceRef device);
    void setDeviceButtonsEnabled(bool enabled);
    void updateDeviceControls(const recUrzadzenia &rec);
    void clearDeviceTable();

    // Where the discovery request goes: the limited broadcast; tests aim it at the loopback network.
    void setDiscoveryAddress(const QHostAddress &address) { discoveryAddress_ = address; }
    const QHostAddress &discoveryAddress() const { return discoveryAddress_; }
    // One datagram through the client socket to port 6454 of `to`, for windows that work on devices by
    // their address (the rig window); a refusal by the socket layer gives false with its text in
    // `error` and is not shown.
    bool sendToAddress(const QHostAddress &to, const QByteArray &datagram, QString *error);

    const DeviceArray &devices() const { return aUrzadzenia; }
    DeviceTable *table() const { return CDS1; }
    UdpListener *listener() const { return UDPsvr; }

    // Reply handler of the port-7800 listener.
    void UDPsvrUDPRead(const QByteArray &data, const QHostAddress &sender);
    // Activation: each time the main window gets the focus back from another window of the program.
    void FormActivate();

signals:
    // An info reply was read (its row is listed with the others of its batch).
    void infoReplied(const zentri::recUrzadzenia &rec);
    // The rows of one or more info replies were added to the device table.
    void devicesListed();
    // An SD card reply came from `sender`.
    void sdCardReported(const QHostAddress &sender, bool present);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void DBGrid1CellClick(const QModelIndex &index);
    void gridSelectionChanged();
    void showDeviceMenu(const QPoint &pos);
    void PopupMenu11Click();
    void openConfiguration(QDialog *window);
    void btLiveRecordClick();
    // File menu: the selected device's configuration to and from a file (mainwindow_files.cpp).
    void SaveConfiguration1Click();
    void LoadConfiguration1Click();
    // The Rig menu: the rig window keeps the rig.
    void buildRigMenu();
    void reportSocketError(const QString &text);
    void setStatus(const QString &text);
    void hideSdIndicator();
    void showSdCard(bool present);
    void listNewRows();

    bool isListed(DeviceRef device) const;

    DeviceArray aUrzadzenia;
    quint32 discovery_ = 0; // counts the clearings of the device array
    DeviceRef menuDevice_;  // the device the open context menu acts on
    DeviceTable *CDS1;
    UdpClient *UDPcl;
    UdpListener *UDPsvr;
    QHostAddress discoveryAddress_{QHostAddress::Broadcast};
    MainWindowPeers peers_;

    QPushButton *btOutputsSetup, *btAudioSetup, *btDMXSetup, *btLiveRecord, *btTriggersSetup, *btRestart;
    QPushButton *Button1, *Button2, *Button3, *btCue;
    QRadioButton *rbArtnet, *rbDMX;
    ui::Picture *noSDCard, *imNoSdCard, *imSDCardOK;
    QLabel *lbNoSdCard, *Label1;
    QGroupBox *GroupBox1;
    DeviceGrid *DBGrid1;
    QLabel *statusPanel0, *statusPanel1;
    QAction *PopupMenu11;
    QAction *SaveConfiguration1 = nullptr, *LoadConfiguration1 = nullptr;

    // Rows of the info replies handled in the listener's present batch, oldest first: they are listed
    // together when the batch ends (one change of the table instead of one per reply).
    std::vector<DeviceRow> newRows_;
    bool inReplyBatch_ = false;
};

} // namespace zentri
