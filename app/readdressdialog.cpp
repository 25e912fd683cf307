#include "readdressdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zentri {

ReaddressDialog::ReaddressDialog(const QStringList &devices, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReaddressDialog"));
    setWindowTitle(tr("Readdress"));
    auto *layout = new QVBoxLayout(this);

    auto *listTitle =
        new QLabel(tr("%n device(s) take consecutive blocks of channels, in the table's order:", nullptr,
                      static_cast<int>(devices.size())),
                   this);
    listTitle->setWordWrap(true);
    auto *list = new QPlainTextEdit(devices.join('\n'), this);
    list->setObjectName(QStringLiteral("meDevices"));
    list->setReadOnly(true);
    list->setAccessibleName(tr("Devices to readdress, in order"));
    list->setMaximumHeight(fontMetrics().height() * 8);
    listTitle->setBuddy(list);
    layout->addWidget(listTitle);
    layout->addWidget(list);

    auto *form = new QFormLayout;
    rbOutputs = new QRadioButton(tr("&Outputs"), this);
    rbOutputs->setObjectName(QStringLiteral("rbOutputs"));
    rbAudio = new QRadioButton(tr("&Audio player channels"), this);
    rbAudio->setObjectName(QStringLiteral("rbAudio"));
    rbOutputs->setChecked(true);
    auto *what = new QVBoxLayout;
    what->addWidget(rbOutputs);
    what->addWidget(rbAudio);
    form->addRow(tr("Readdress:"), what);
    auto spin = [this, form](const char *name, const QString &caption, int low, int high, int value) {
        auto *box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(low, high);
        box->setValue(value);
        form->addRow(caption, box);
        return box;
    };
    seNet = spin("seNet", tr("Start &NET:"), 0, 255, 0);
    seUniverse = spin("seUniverse", tr("Start &universe:"), 0, 255, 0);
    seChannel = spin("seChannel", tr("Start &channel:"), 1, 512, 1);
    sePerDevice = spin("sePerDevice", tr("Channels &per device:"), 1, 512, 8);
    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Show new patch..."));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btShowNewPatch"));
    layout->addWidget(buttons);

    // The block follows what is readdressed until the user sets it.
    connect(rbOutputs, &QRadioButton::toggled, this, [this] {
        if (!perDeviceEdited_)
            sePerDevice->setValue(readdressing().elements());
    });
    connect(sePerDevice, &QSpinBox::valueChanged, this,
            [this] { perDeviceEdited_ = sePerDevice->hasFocus(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

rig::Readdressing ReaddressDialog::readdressing() const {
    rig::Readdressing how;
    how.what = rbOutputs->isChecked() ? rig::Readdressing::Outputs : rig::Readdressing::AudioPlayer;
    how.net = seNet->value();
    how.universe = seUniverse->value();
    how.channel = seChannel->value();
    how.perDevice = sePerDevice->value();
    return how;
}

} // namespace zentri
