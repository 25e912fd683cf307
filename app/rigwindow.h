// The rig window: what every device of the rig should hold against what the devices report, the
// discoveries and watching that keep it current, and the actions that bring devices and rig together
// (send, take, replace, capture). The rig itself (file, states, watching) is rig/'s; this window
// only shows it and asks the user.
#pragma once

#include "device/records.h"
#include "patchwindow.h"
#include "rig/rigfile.h"
#include "rig/rigstates.h"
#include "rig/watch.h"

#include <QDialog>
#include <QHostAddress>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class QTimer;

namespace zentri {

class PacedDiscovery;
class RigTable;
class TMainForm;

class RigWindow : public QDialog {
    Q_OBJECT
public:
    explicit RigWindow(TMainForm *main, QWidget *parent = nullptr);

    // The rig as it stands (also with changes not saved yet).
    const rig::Rig &rig() const { return rig_; }
    const QString &path() const { return path_; }
    bool isModified() const { return modified_; }

    // The Rig menu of the main window. Each asks before it drops changes that are not saved.
    void newFromDevicesFound();
    void openWithDialog();
    // Reads `path` as the rig; on a refused file the rig stays as it was and `error` says why.
    bool open(const QString &path, QString *error);
    bool save();
    bool saveAs();

    // The rows of the last comparison, in the rig's order (not the table's sorting).
    const QVector<rig::Row> &rows() const { return rows_; }
    const rig::Watch &watch() const { return watch_; }
    // Every line of the events list, as saved.
    QStringList eventLines() const { return events_; }

    // The actions of the buttons, on the rows selected in the table.
    void findDevices();
    void sendRigConfiguration();
    void takeDeviceConfiguration();
    void replaceWith();
    void capture();
    void saveEvents();
    // The patch of the rig (and of the devices found), its readdressing and its report.
    void showPatch();
    void readdress();
    void exportReport();

    // Selects the rows of these MACs in the table (the others are deselected).
    void selectMacs(const QStringList &macs);

signals:
    // The rig, its file or its saved state changed.
    void rigChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    // A device that a configuration was sent to, waiting for a discovery that reports it. The members
    // after `expected` have start values: one may be written with its first members only.
    struct Pending {
        QString mac;
        QString name;
        QString ip;
        recUrzadzenia expected;
        int entry = -1;                          // a replacement: the rig entry that becomes this device's
        QString replacedMac{};                   // the entry's MAC before
        std::optional<recUrzadzenia> newEntry{}; // a readdressing: the rig's entry once confirmed
        QString reported{};                      // the last answer's differences from what was sent
        bool answered = false;
    };

    void buildControls();
    void startRound();
    void closeRound();
    void devicesListed();
    void askSdCards();
    void sdCardReported(const QHostAddress &sender, bool present);
    void refresh();
    void updateTitle();
    void updateButtons();
    void addEvents(const QVector<rig::Event> &events);
    void addEvent(const QString &word, const QString &mac, const QString &name, const QString &ip,
                  const QString &detail);
    bool dropChanges();
    void setRig(const rig::Rig &rig, const QString &path, bool modified);
    void setModified(bool modified = true);
    bool writeTo(const QString &path);
    QStringList selectedMacs() const;
    const rig::Row *rowOf(const QString &mac) const;
    void sendAndConfirm(const QVector<Pending> &sends);
    void checkPending();
    void reportPending();
    QVector<recUrzadzenia> answersShown() const;
    // The rig's entries (as the devices should be) and the devices found, for the patch window.
    QVector<PatchSource> patchSources() const;

    TMainForm *main_;
    rig::Rig rig_;
    QString path_;
    bool modified_ = false;

    rig::Watch watch_;
    QVector<rig::Row> rows_;
    QVector<recUrzadzenia> lastRound_; // the answers of the last round that ended
    QMap<QString, bool> roundSdCards_; // SD card replies of the round, by IP
    QStringList sdAsked_;              // IPs asked for their SD card in this round
    int sdAskedUpTo_ = 0;              // devices of the round asked so far
    bool roundOpen_ = false;
    QVector<Pending> pending_;
    bool confirming_ = false; // the round under way confirms what was sent
    QStringList events_;

    PacedDiscovery *paced_;
    QTimer *round_;
    RigTable *model_;
    QSortFilterProxyModel *sorted_;

    QLabel *lbRig, *lbStatus;
    QTableView *grid_;
    QPushButton *btSend, *btTake, *btReplace, *btCapture, *btReaddress;
    QCheckBox *cbWatch;
    QSpinBox *seInterval;
    QListWidget *lbEvents;
};

} // namespace zentri
