#include "rigactions.h"

#include "mainwindow.h"
#include "ui/messages.h"

#include <QCoreApplication>

namespace zentri::rigactions {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::RigWindow)
};

QString filter() {
    return Words::tr("Zentri rig (*.json);;All files (*)");
}
} // namespace

QString title() {
    return Words::tr("Zentri rig");
}

bool dropChanges(QWidget *parent, const rig::Document &document) {
    if (!document.isModified())
        return true;
    return ui::ask(
        parent, title(), "dropChangesBox",
        Words::tr("The rig \"%1\" has changes that are not saved. Drop them?").arg(document.rig().name));
}

void newFromDevices(QWidget *parent, rig::Document &document, const QVector<recUrzadzenia> &devices) {
    if (devices.isEmpty()) {
        ui::showMessage(parent, Words::tr("No device is listed: press \"Find devices\" first."));
        return;
    }
    if (dropChanges(parent, document))
        document.capture(Words::tr("New rig"), devices);
}

void openWithDialog(QWidget *parent, rig::Document &document) {
    if (!dropChanges(parent, document))
        return;
    const QString path = chooseFile(parent, Words::tr("Open rig"), "rigFileDialog", filter());
    QString error;
    if (!path.isEmpty() && !document.open(path, &error))
        ui::showMessage(parent, error);
}

bool save(QWidget *parent, rig::Document &document) {
    if (document.path().isEmpty())
        return saveAs(parent, document);
    QString error;
    if (document.save(&error))
        return true;
    ui::showMessage(parent, error);
    return false;
}

bool saveAs(QWidget *parent, rig::Document &document) {
    const QString path =
        chooseFile(parent, Words::tr("Save rig"), "rigFileDialog", filter(), QStringLiteral("json"),
                   document.path().isEmpty() ? QStringLiteral("rig.json") : document.path());
    if (path.isEmpty())
        return false;
    QString error;
    if (document.saveAs(path, &error))
        return true;
    ui::showMessage(parent, error);
    return false;
}

QVector<PatchSource> patchSources(const rig::Engine &engine, const rig::Rig &rig) {
    PatchSource inRig{Words::tr("Rig \"%1\"").arg(rig.name), {}, {}, {}};
    PatchSource found{Words::tr("Devices found"), {}, {}, {}};
    for (const rig::Row &row : engine.rows()) {
        const rig::SdCard card = engine.sdCard(row);
        if (row.entry >= 0) {
            inRig.devices << rig.devices[row.entry];
            inRig.states << row.state;
            inRig.sdCards << card;
        }
        if (row.device) {
            found.devices << *row.device;
            found.states << row.state;
            found.sdCards << card;
        }
    }
    QVector<PatchSource> sources;
    if (!rig.devices.isEmpty())
        sources << inRig;
    if (!found.devices.isEmpty() || sources.isEmpty())
        sources << found;
    return sources;
}

void showPatch(QWidget *parent, rig::Engine &engine, const rig::Rig &rig) {
    engine.refresh(); // the devices found may have changed since
    PatchWindow window(parent);
    window.setSources(patchSources(engine, rig), systemInterfaces());
    window.exec();
}

void exportReport(QWidget *parent, rig::Engine &engine, const rig::Rig &rig) {
    engine.refresh(); // the devices found may have changed since
    PatchWindow window(parent);
    window.setSources(patchSources(engine, rig), systemInterfaces());
    window.exportReport();
}

} // namespace zentri::rigactions
