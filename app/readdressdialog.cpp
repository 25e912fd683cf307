#include "readdressdialog.h"
#include "device/configfile.h"
#include "patchwindow.h"
#include "rigactions.h"
#include "ui/messages.h"

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

std::optional<rig::Plan> ReaddressDialog::askPlan(QWidget *parent, const rig::Engine &engine,
                                                  const rig::Document &document, const QStringList &chosen) {
    QVector<rig::LeftOut> skipped;
    QStringList lines;
    for (const QString &mac : rig::readdressable(document.rig(), engine.rows(), chosen, &skipped)) {
        const rig::Row *row = engine.row(mac);
        lines << QStringLiteral("%1 (%2, %3)").arg(row->name(document.rig()), mac, row->device->IP);
    }
    const QString notReaddressed =
        skipped.isEmpty() ? QString() : tr("Not readdressed:\n") + rig::leftOutLines(skipped).join('\n');
    if (lines.isEmpty()) {
        ui::showMessage(parent,
                        tr("Select devices that answered the last discovery.") +
                            (skipped.isEmpty() ? QString() : QStringLiteral("\n\n") + notReaddressed));
        return std::nullopt;
    }
    ReaddressDialog dialog(lines, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const rig::Rig &r = document.rig();
    const rig::Plan plan = rig::planReaddress(r, engine.rows(), chosen, dialog.readdressing());
    if (!plan.refused.isEmpty()) {
        ui::showMessage(parent, plan.refused);
        return std::nullopt;
    }
    if (plan.isEmpty()) {
        ui::showMessage(parent, tr("The devices chosen already have these addresses: nothing to send."));
        return std::nullopt;
    }
    // The patch as it will be: the rig's entries and the devices found, with the new addresses.
    QVector<PatchSource> sources = rigactions::patchSources(engine, r);
    for (const rig::Send &s : plan.sends)
        for (int k = 0; k < sources.size(); ++k)
            for (recUrzadzenia &d : sources[k].devices)
                if (d.MAC == s.mac)
                    configfile::applyConfiguration(
                        k == 0 && !r.devices.isEmpty() ? s.newEntry.value_or(s.record) : s.record, d);
    QStringList changes = plan.sendLines(), unchanged;
    for (const rig::LeftOut &l : plan.leftOut)
        if (l.reason == QLatin1String(rig::kAlreadyThere))
            unchanged << QStringLiteral("%1 (%2, %3)").arg(l.name, l.mac, l.ip);
    if (!unchanged.isEmpty())
        changes << QString() << tr("Already at these addresses, nothing sent:\n") + unchanged.join('\n');
    if (!skipped.isEmpty())
        changes << QString() << notReaddressed;
    PatchWindow preview(parent);
    preview.setSources(sources, systemInterfaces());
    preview.setPreview(changes);
    if (preview.exec() != QDialog::Accepted)
        return std::nullopt;
    // Replies handled while the patch was shown may have changed the devices: send only to what was shown.
    const QString changed = rig::changedSince(plan, engine.rows());
    if (!changed.isEmpty()) {
        ui::showMessage(parent,
                        tr("%1 changed while the new patch was shown; nothing was sent.").arg(changed));
        return std::nullopt;
    }
    return plan;
}

} // namespace zentri
