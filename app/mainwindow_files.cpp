// The File menu's configuration files for the selected device. The file format and its checks live in
// device/configfile; here only the dialogs. A dialog or message box runs an event loop in which reply
// handlers may append to (or a new discovery may clear) the device array, so the record is chosen by
// its index before the first dialog and read again by that index after each one, never held across.
#include "device/configfile.h"
#include "devicetable.h"
#include "mainwindow.h"
#include "uikit.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>

namespace zentri {

namespace {

const QString kFilter = QStringLiteral("Zentri configuration (*.json);;All files (*)");

// The record at `index` if it is still the device that was chosen (same address and MAC).
const recUrzadzenia *sameDevice(const DeviceArray &devices, int index, const QString &ip,
                                const QString &mac) {
    if (index < 0 || index >= devices.size())
        return nullptr;
    const recUrzadzenia &r = devices[index];
    return r.IP == ip && r.MAC == mac ? &r : nullptr;
}

QString chooseFile(QWidget *parent, QFileDialog::AcceptMode mode, const QString &suggested) {
    QFileDialog dialog(parent, mode == QFileDialog::AcceptSave ? QStringLiteral("Save configuration")
                                                               : QStringLiteral("Load configuration"));
    dialog.setObjectName(QStringLiteral("configurationFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setNameFilter(kFilter);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setDefaultSuffix(QStringLiteral("json"));
        dialog.selectFile(suggested);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

const QString kGone = QStringLiteral("The device list changed while the dialog was open; nothing was done. "
                                     "Select the device and try again.");

} // namespace

void TMainForm::SaveConfiguration1Click() {
    if (CDS1->rowCount() == 0)
        return;
    const int index = getRecID();
    if (index < 0 || index >= aUrzadzenia.size())
        return;
    const QString ip = aUrzadzenia[index].IP, mac = aUrzadzenia[index].MAC;
    QString name = aUrzadzenia[index].Nazwa.trimmed();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]+")), QStringLiteral("-"));
    const QString path =
        chooseFile(this, QFileDialog::AcceptSave,
                   (name.isEmpty() ? QStringLiteral("zentri") : name) + QStringLiteral(".json"));
    if (path.isEmpty())
        return;
    const recUrzadzenia *rec = sameDevice(aUrzadzenia, index, ip, mac);
    if (!rec) {
        ui::showMessage(this, kGone);
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(configfile::write(*rec)) < 0 || !file.commit())
        ui::showMessage(
            this,
            QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
}

void TMainForm::LoadConfiguration1Click() {
    if (CDS1->rowCount() == 0)
        return;
    const int index = getRecID();
    if (index < 0 || index >= aUrzadzenia.size())
        return;
    const QString ip = aUrzadzenia[index].IP, mac = aUrzadzenia[index].MAC;
    const QString path = chooseFile(this, QFileDialog::AcceptOpen, {});
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ui::showMessage(
            this,
            QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    const configfile::Parsed parsed = configfile::parse(file.read(1 << 20));
    if (!parsed.file) {
        ui::showMessage(this, parsed.error);
        return;
    }
    const recUrzadzenia *rec = sameDevice(aUrzadzenia, index, ip, mac);
    if (!rec) {
        ui::showMessage(this, kGone);
        return;
    }
    QMessageBox ask(
        QMessageBox::Question, QStringLiteral("Load configuration"),
        QStringLiteral("Load %1 into \"%2\" (%3).\n\n").arg(QFileInfo(path).fileName(), rec->Nazwa, rec->IP) +
            configfile::summary(*rec, *parsed.file) +
            QStringLiteral("\n\nStore this configuration and send it to the device?"),
        QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("loadConfigurationBox"));
    ask.setDefaultButton(QMessageBox::No);
    rec = nullptr; // the box runs an event loop
    if (ask.exec() != QMessageBox::Yes)
        return;
    if (!sameDevice(aUrzadzenia, index, ip, mac)) {
        ui::showMessage(this, kGone);
        return;
    }
    configfile::applyConfiguration(*parsed.file, aUrzadzenia[index]);
    sendConfiguration(index);
}

} // namespace zentri
