#include "setup_audio.h"
#include "setupkit.h"

#include "device/protocol.h"
#include "device/udp.h"
#include "ui/lists.h"
#include "ui/messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace zentri {

namespace {

using setup::makeLabel;

struct ChannelRow {
    const char *list;
    const char *label;
    const char *caption; // translated in TfSetupAudio's context
    const char *name;    // the list's accessible name, translated likewise
};
// The six DMX channels of the player, in record order.
const ChannelRow kChannelRows[6] = {
    {"cbxCatalog", "Label1", QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "Catalog:"),
     QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "Audio player catalog channel")},
    {"cbxFile", "Label2", QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "File:"),
     QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "Audio player file channel")},
    {"cbxVolume", "Label3", QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "Volume:"),
     QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "Audio player volume channel")},
    {"cbxState", "Label4", QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "State:"),
     QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "Audio player state channel")},
    {"cbxBass", "Label5", QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "Bass:"),
     QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "Audio player bass channel")},
    {"cbxTreble", "Label6", QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "Treble:"),
     QT_TRANSLATE_NOOP("zentri::TfSetupAudio", "Audio player treble channel")},
};

QComboBox *makeSizedList(QWidget *parent, const QString &name, QAbstractItemModel *items,
                         const QString &accessibleName) {
    return setup::makeSizedList(parent, name, items, 4, accessibleName);
}

} // namespace

TfSetupAudio::TfSetupAudio(DeviceLink *link)
    : setup::ConfigWindow(link, QStringLiteral("fSetupAudio"), tr("Zentri audio setup")) {
    FormCreate();
}

void TfSetupAudio::FormCreate() {
    IdUDPServer1 = new UdpListener(this);
    IdUDPServer1->setObjectName(QStringLiteral("IdUDPServer1"));
    IdUDPServer1->setHandler(
        [this](const QByteArray &data, const QHostAddress &sender) { IdUDPServer1UDPRead(data, sender); });

    // Master volume, live on the device.
    auto *GroupBox1 = new QGroupBox(tr("Master volume"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    tb1 = new QSlider(Qt::Horizontal, GroupBox1);
    tb1->setObjectName(QStringLiteral("tb1"));
    tb1->setRange(0, 255);
    tb1->setValue(kResetVolume);
    tb1->setMinimumWidth(250);
    tb1->setAccessibleName(tr("Master volume"));
    lbMasterVolume = makeLabel(GroupBox1, QStringLiteral("lbMasterVolume"), QString::number(kResetVolume));
    lbMasterVolume->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbMasterVolume->setMinimumWidth(lbMasterVolume->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    lbMasterVolume->setAccessibleDescription(tr("Master volume value"));
    Button1 = new QPushButton(tr("RESET"), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    auto *volume = new QHBoxLayout(GroupBox1);
    volume->addWidget(tb1, 1);
    volume->addWidget(lbMasterVolume);
    volume->addSpacing(6);
    volume->addWidget(Button1);
    connect(tb1, &QSlider::valueChanged, this, &TfSetupAudio::tb1Change);
    connect(Button1, &QPushButton::clicked, this, &TfSetupAudio::Button1Click);

    // DMX patch.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    Label17 = setup::addHeader(this, grid, "Label17", tr("NET"), 0);
    Label18 = setup::addHeader(this, grid, "Label18", tr("Universe"), 1);
    setup::addHeader(this, grid, "Label19", tr("Channel"), 3);
    cbxNET = makeSizedList(this, QStringLiteral("cbxNET"), ui::byteList(), tr("Audio player NET"));
    cbxUniverse =
        makeSizedList(this, QStringLiteral("cbxUniverse"), ui::byteList(), tr("Audio player Universe"));
    grid->addWidget(cbxNET, 1, 0);
    grid->addWidget(cbxUniverse, 1, 1);
    for (int k = 0; k < 6; ++k) {
        const ChannelRow &row = kChannelRows[k];
        channels_[k] = makeSizedList(this, QLatin1String(row.list), ui::channelList(), tr(row.name));
        grid->addWidget(makeLabel(this, QLatin1String(row.label), tr(row.caption)), 1 + k, 2,
                        Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(channels_[k], 1 + k, 3);
    }
    grid->setColumnMinimumWidth(2, 70);

    // The option sits under the NET and Universe lists, beside the channel lists.
    auto *GroupBox2 = new QGroupBox(tr("Options"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    cbPlayLoop = new QCheckBox(tr("Play loop"), GroupBox2);
    cbPlayLoop->setObjectName(QStringLiteral("cbPlayLoop"));
    (new QVBoxLayout(GroupBox2))->addWidget(cbPlayLoop);
    grid->addWidget(GroupBox2, 3, 0, 4, 2, Qt::AlignBottom);

    layOut({GroupBox1, grid});
}

void TfSetupAudio::load(const recUrzadzenia &rec) {
    ui::selectPosition(cbxNET, rec.dap.NET);
    ui::selectPosition(cbxUniverse, rec.dap.Universe);
    const auto fields = audioChannels(rec.dap);
    for (int k = 0; k < 6; ++k)
        ui::selectPosition(channels_[k], *fields[k] - 1);

    // A Standard module has no Art-Net patch; anything else gets it back at each showing.
    const bool artNet = rec.ZentriVersion != kModuleStandard;
    for (QWidget *w : std::initializer_list<QWidget *>{cbxNET, cbxUniverse, Label17, Label18})
        w->setEnabled(artNet);

    // Until this device answers, the slider shows its stored volume, never the previous device's.
    quietSlider_ = true;
    tb1->setValue(rec.MasterVolume);
    quietSlider_ = false;

    QString error;
    if (IdUDPServer1->open(wire::kAudioPort, &error)) {
        sendToDevice(wire::masterVolumeQuery());
    } else {
        // No listener, so no answer could arrive: the query is left out. The window stays usable.
        ui::showMessage(this, error);
    }
    cbPlayLoop->setChecked(rec.dap.playLoop > 0);
}

void TfSetupAudio::IdUDPServer1UDPRead(const QByteArray &data, const QHostAddress &) {
    if (!isVisible())
        return;
    if (const auto volume = wire::parseMasterVolumeReply(data))
        tb1->setValue(*volume); // a changed position goes back to the device as a master volume command
}

void TfSetupAudio::tb1Change(int position) {
    lbMasterVolume->setNum(position);
    if (quietSlider_)
        return;
    sendToDevice(wire::masterVolumeCommand(position));
}

void TfSetupAudio::Button1Click() {
    tb1->setValue(kResetVolume);
}

void TfSetupAudio::store(recUrzadzenia &rec) const {
    rec.dap.NET = cbxNET->currentIndex();
    rec.dap.Universe = cbxUniverse->currentIndex();
    const auto fields = audioChannels(rec.dap);
    for (int k = 0; k < 6; ++k)
        *fields[k] = channels_[k]->currentIndex() + 1;
    rec.MasterVolume = tb1->value();
    rec.dap.playLoop = cbPlayLoop->isChecked() ? 1 : 0;
}

void TfSetupAudio::closing() {
    IdUDPServer1->close();
}

} // namespace zentri
