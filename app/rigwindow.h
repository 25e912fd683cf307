// The rig window: what every device of the rig should hold against what the devices report, the
// discoveries and watching that keep it current, and the actions that bring devices and rig together
// (send, take, replace, capture). The rig's rules are the engine's (rig/); this window lays them out,
// asks the user and lists the events.
#pragma once

#include "rig/document.h"
#include "rig/engine.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;

namespace zentri {

class EventList;
class RigTable;
class TMainForm;

class RigWindow : public QDialog {
    Q_OBJECT
public:
    RigWindow(TMainForm *main, rig::Document &document, rig::Engine &engine, QWidget *parent = nullptr);

    // The rig as it stands (also with changes not saved yet).
    const rig::Rig &rig() const { return document_.rig(); }
    const QString &path() const { return document_.path(); }
    bool isModified() const { return document_.isModified(); }
    // Reads `path` as the rig; on a refused file the rig stays as it was and `error` says why.
    bool open(const QString &path, QString *error) { return document_.open(path, error); }
    // Saves the rig to its file, or asks for one.
    bool save();

    // The rows of the last comparison, in the rig's order (not the table's sorting).
    const QVector<rig::Row> &rows() const { return engine_.rows(); }
    const rig::Watch &watch() const { return engine_.watch(); }
    // Every event kept, one line each, as saved.
    QStringList eventLines() const;

    // The actions of the buttons, on the rows selected in the table.
    void findDevices();
    void sendRigConfiguration();
    void takeDeviceConfiguration();
    void replaceWith();
    void capture();
    void saveEvents();
    void showPatch();
    void readdress();
    void exportReport();

    // Selects the rows of these MACs in the table (the others are deselected).
    void selectMacs(const QStringList &macs);

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void buildControls();
    void refresh();
    void updateTitle();
    void updateButtons();
    void reportOutcomes(const QVector<rig::Outcome> &outcomes, const rig::Document::Adopted &adopted);
    QStringList selectedMacs() const;
    // Sends the plan the user agreed to; what could not be sent is said at once.
    void carryOut(const rig::Plan &plan);

    TMainForm *main_;
    rig::Document &document_;
    rig::Engine &engine_;
    RigTable *model_;
    QSortFilterProxyModel *sorted_;

    QLabel *lbRig, *lbStatus;
    QTableView *grid_;
    QPushButton *btSend, *btTake, *btReplace, *btCapture, *btReaddress;
    QCheckBox *cbWatch;
    QSpinBox *seInterval;
    EventList *lbEvents;
};

} // namespace zentri
