// The File menu's configuration files for the selected device, and the file dialog of every window. The
// file format and its checks live in device/configfile; here only the dialogs. A dialog or message box runs
// an event loop in which reply handlers may append to (or a new discovery may clear) the device array, so the
// device is chosen before the first dialog and its record read again, as a copy, after each one.
#include "device/configfile.h"
#include "device/files.h"
#include "mainwindow.h"
#include "ui/messages.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace zentri {

QString chooseFile(QWidget *parent, const QString &title, const char *name, const QString &filter,
                   const QString &suffix, const QString &suggested) {
    const bool save = !suffix.isEmpty();
    QFileDialog dialog(parent, title);
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    if (save) {
        dialog.setDefaultSuffix(suffix);
        dialog.selectFile(suggested);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

namespace {

QString filter() {
    return TMainForm::tr("Zentri configuration (*.json);;All files (*)");
}

QString deviceGone() {
    return TMainForm::tr("The device list changed while the dialog was open; nothing was done. "
                         "Select the device and try again.");
}

} // namespace

void TMainForm::SaveConfiguration1Click() {
    const DeviceRef device = selectedDevice(); // none while the table is empty
    const auto chosen = record(device);
    if (!chosen)
        return;
    QString name = chosen->Nazwa.trimmed();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]+")), QStringLiteral("-"));
    const QString path = chooseFile(
        this, tr("Save configuration"), "configurationFileDialog", filter(), QStringLiteral("json"),
        (name.isEmpty() ? QStringLiteral("zentri") : name) + QStringLiteral(".json"));
    if (path.isEmpty())
        return;
    const auto rec = record(device);
    if (!rec) {
        ui::showMessage(this, deviceGone());
        return;
    }
    QString error;
    if (!files::writeAtomically(path, configfile::write(*rec), false, &error))
        ui::showMessage(this, error.replace(0, 1, error.at(0).toUpper()));
}

void TMainForm::LoadConfiguration1Click() {
    const DeviceRef device = selectedDevice(); // none while the table is empty
    if (!record(device))
        return;
    const QString path = chooseFile(this, tr("Load configuration"), "configurationFileDialog", filter());
    if (path.isEmpty())
        return;
    QString error;
    const auto text = files::readWhole(path, files::kMaxConfigurationFileSize, &error);
    if (!text) {
        ui::showMessage(this, error.replace(0, 1, error.at(0).toUpper()));
        return;
    }
    const configfile::Parsed parsed = configfile::parse(*text);
    if (!parsed.file) {
        ui::showMessage(this, parsed.error);
        return;
    }
    const auto shown = record(device);
    if (!shown) {
        ui::showMessage(this, deviceGone());
        return;
    }
    if (!ui::ask(this, tr("Load configuration"), "loadConfigurationBox",
                 tr("Load %1 into \"%2\" (%3).\n\n%4\n\nStore this configuration and send it to the device?")
                     .arg(QFileInfo(path).fileName(), shown->Nazwa, shown->IP,
                          configfile::summary(*shown, *parsed.file))))
        return;
    auto rec = record(device); // read again: the box ran datagram handlers
    if (!rec) {
        ui::showMessage(this, deviceGone());
        return;
    }
    configfile::applyConfiguration(*parsed.file, *rec);
    storeRecord(device, *rec);
    sendConfiguration(device);
}

} // namespace zentri
