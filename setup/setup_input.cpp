#include "setup_input.h"
#include "setupkit.h"

#include "device/protocol.h"
#include "ui/lists.h"
#include "ui/messages.h"
#include "ui/placement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace zentri {

namespace {

using setup::addHeader;
using setup::makeLabel;
using setup::makeRowBox;
using setup::makeSizedList;
using setup::numbered;

// Every row of the table has the same pitch; the terminal block picture is drawn to it so that each
// input terminal sits beside its row (and ground beside the "no play" row).
using setup::kRowHeight;
constexpr int kRowSpacing = 6;

enum Column {
    ColLabel,
    ColNet,
    ColUniverse,
    ColChannel,
    ColFunction,
    ColCatalog,
    ColFile,
    ColVolume,
    ColPlay,
    ColTest,
    ColPicture
};

// Row labels, in row order.
const char *const kRowLabelNames[TfSetupInput::kRows] = {"Label4", "Label6",  "Label7",  "Label8",
                                                         "Label9", "Label10", "Label11", "Label12"};

} // namespace

QStringList TfSetupInput::functionItems() {
    QStringList items = {tr("none"), tr("Trigger"), tr("Play"), tr("Stop")};
    for (int show = 1; show <= 8; ++show)
        items << tr("Show %1").arg(show);
    return items;
}

QString TfSetupInput::unavailableShowMessage() {
    return tr("In the ZOZEZER show module version 5-8 are unavailable\r\nPlease correct");
}

TfSetupInput::TfSetupInput(DeviceLink *link)
    : setup::ConfigWindow(link, QStringLiteral("fSetupInput"), tr("Zentri input setup"),
                          QStringLiteral("Button10")) {
    FormCreate();
}

void TfSetupInput::FormCreate() {
    // Trigger destination address and the device-wide option.
    auto *address = new QHBoxLayout;
    address->setSpacing(4);
    address->addWidget(makeLabel(this, QStringLiteral("Label18"), tr("Trigger destination IP:")));
    address->addSpacing(6);
    const char *const ipNames[4] = {"cbxIPA", "cbxIPB", "cbxIPC", "cbxIPD"};
    for (int k = 0; k < 4; ++k) {
        if (k > 0) {
            auto *dot = makeLabel(this, QStringLiteral("Label%1").arg(19 + k), QStringLiteral("."));
            QFont bold = dot->font();
            bold.setBold(true);
            dot->setFont(bold);
            address->addWidget(dot);
        }
        cbxIP_[k] = makeSizedList(this, QLatin1String(ipNames[k]), ui::byteList(), 3,
                                  tr("Trigger destination IP, number %1").arg(k + 1));
        address->addWidget(cbxIP_[k]);
    }
    auto *top = new QHBoxLayout;
    top->addLayout(address);
    top->addStretch(1);
    auto *GroupBox1 = new QGroupBox(tr("Options"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    cbOption01 = new QCheckBox(tr("Pressing the play button interrupts the playing file"), GroupBox1);
    cbOption01->setObjectName(QStringLiteral("cbOption01"));
    (new QVBoxLayout(GroupBox1))->addWidget(cbOption01);
    top->addWidget(GroupBox1);

    // The table of inputs.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(kRowSpacing);
    Label1 = addHeader(this, grid, "Label1", tr("NET"), ColNet);
    Label2 = addHeader(this, grid, "Label2", tr("Universe"), ColUniverse);
    addHeader(this, grid, "Label3", tr("Channel"), ColChannel);
    addHeader(this, grid, "Label5", tr("Function"), ColFunction);
    addHeader(this, grid, "Label13", tr("Catalog"), ColCatalog);
    addHeader(this, grid, "Label14", tr("File"), ColFile);
    addHeader(this, grid, "Label15", tr("Volume"), ColVolume);
    addHeader(this, grid, "Label16", tr("Play after power on"), ColPlay);
    addHeader(this, grid, "Label17", tr("Trigger test"), ColTest);

    playAfterPowerOn_ = new QButtonGroup(this);
    QAbstractItemModel *functions = ui::textList(functionItems());
    for (int i = 0; i < kRows; ++i) {
        const int r = i + 1;
        const QString input = tr("Trigger %1").arg(r);
        patch_.addRow(this, grid, i, kRowLabelNames[i], tr("Trigger %1:").arg(r), input);
        cbxFunction_[i] =
            makeSizedList(this, numbered("cbxFunction", r), functions, 7, tr("Trigger %1 function").arg(r));
        cbxCatalog_[i] = makeSizedList(this, numbered("cbxCatalog", r), ui::catalogList(), 2,
                                       tr("Trigger %1 catalog").arg(r));
        cbxFile_[i] = makeSizedList(this, numbered(r == 1 ? "cbxFile" : "cbxfile", r), ui::fileList(), 3,
                                    tr("Trigger %1 file").arg(r));
        tbVolume_[i] = new QSlider(Qt::Horizontal, this);
        tbVolume_[i]->setObjectName(numbered("tbVolume", r));
        tbVolume_[i]->setRange(0, 255);
        tbVolume_[i]->setFixedWidth(120);
        tbVolume_[i]->setAccessibleName(tr("Trigger %1 volume").arg(r));
        rb_[r] = makeRowBox<QRadioButton>(this, QStringLiteral("rb%1").arg(r),
                                          tr("Trigger %1 plays after power on").arg(r));
        cbTest_[i] = makeRowBox<QCheckBox>(this, numbered("cbTest", i), tr("Trigger %1 test").arg(r));

        connect(cbxFunction_[i], &QComboBox::currentIndexChanged, this, [this, i] { cbxFunctionChange(i); });
        connect(cbTest_[i], &QCheckBox::toggled, this, [this, i](bool on) { cbTestClick(i, on); });
        connect(tbVolume_[i], &QSlider::valueChanged, this, [this, i](int v) { tbVolumeChange(i, v); });

        grid->addWidget(cbxFunction_[i], r, ColFunction);
        grid->addWidget(cbxCatalog_[i], r, ColCatalog);
        grid->addWidget(cbxFile_[i], r, ColFile);
        grid->addWidget(tbVolume_[i], r, ColVolume);
        grid->addWidget(rb_[r], r, ColPlay, Qt::AlignCenter);
        grid->addWidget(cbTest_[i], r, ColTest, Qt::AlignCenter);
    }

    // The ninth radio button: nothing plays after power on.
    const int last = kRows + 1;
    grid->setRowMinimumHeight(last, kRowHeight);
    grid->addWidget(makeLabel(this, QStringLiteral("Label19"), tr("no play")), last, ColVolume,
                    Qt::AlignRight | Qt::AlignVCenter);
    rb_[0] = makeRowBox<QRadioButton>(this, QStringLiteral("rb0"), tr("No play after power on"));
    grid->addWidget(rb_[0], last, ColPlay, Qt::AlignCenter);
    for (int k = 0; k <= kRows; ++k)
        playAfterPowerOn_->addButton(rb_[k], k);

    // The one NET and Universe pair left visible serves every input; the space the other rows' pairs
    // would take says so.
    patch_.addAllRowNote(this, grid, tr("The NET and Universe of the “All” row apply to all inputs."));

    setup::addTerminalBlock(grid, QStringLiteral(":/art/input-terminals.svg"), tr("Input terminal block"),
                            ColPicture, kRows + 1);

    layOut({top, grid});
}

void TfSetupInput::load(const recUrzadzenia &rec) {
    showing_ = true;
    sendsRefused_ = false;

    patch_.load(rec.Trigger);
    for (int k = 0; k < 4; ++k)
        ui::selectPosition(cbxIP_[k], rec.DestinationIP[k]);

    // A box still on from the last showing switches its test off on the device.
    for (QCheckBox *box : cbTest_)
        box->setChecked(false);

    for (int i = 0; i < kRows; ++i) {
        ui::selectPosition(cbxFunction_[i], rec.Trigger[i].Function);
        ui::selectPosition(cbxCatalog_[i], rec.Trigger[i].Catalog - 1);
        ui::selectPosition(cbxFile_[i], rec.Trigger[i].File - 1);
    }
    cbOption01->setChecked(rec.TriggerButtonPlayMode);

    // Each slider that moves sets that input's volume on the device.
    for (int i = 0; i < kRows; ++i)
        tbVolume_[i]->setValue(rec.Trigger[i].Volume);

    for (int i = 0; i < kRows; ++i)
        applyEnableRule(i);

    // A Standard module has no Art-Net patch; anything else gets it back at each showing.
    const bool artNet = rec.ZentriVersion != kModuleStandard;
    patch_.showAllRow(artNet);
    for (QLabel *label : {Label1, Label2, patch_.labels[0]})
        label->setEnabled(artNet);

    // A value no button stands for leaves all unchecked, so that saving keeps the record's value.
    if (rec.playAfterPowerOn >= 0 && rec.playAfterPowerOn <= kRows) {
        rb_[rec.playAfterPowerOn]->setChecked(true);
    } else {
        playAfterPowerOn_->setExclusive(false); // an exclusive group keeps one button checked
        for (QRadioButton *rb : rb_)
            rb->setChecked(false);
        playAfterPowerOn_->setExclusive(true);
    }

    // The row-1 label's new text can change the window's width: centre it again at its final size.
    layout()->activate();
    ui::centerOnScreen(this);

    showing_ = false;
    sendsRefused_ = false;
}

void TfSetupInput::applyEnableRule(int row) {
    const int function = cbxFunction_[row]->currentIndex();
    const bool play = function == FunctionPlay;
    cbxCatalog_[row]->setEnabled(play);
    cbxFile_[row]->setEnabled(play);
    tbVolume_[row]->setEnabled(play);
    patch_.channel[row]->setEnabled(function == FunctionTrigger);
}

bool TfSetupInput::send(const QByteArray &datagram) {
    if (sendsRefused_)
        return false;
    if (sendToDevice(datagram))
        return true;
    if (showing_)
        sendsRefused_ = true;
    return false;
}

void TfSetupInput::cbTestClick(int row, bool checked) {
    send(wire::triggerTestCommand(row, checked));
}

void TfSetupInput::tbVolumeChange(int row, int position) {
    send(wire::triggerVolumeCommand(row, position));
}

bool TfSetupInput::asksUnavailableShow() const {
    return std::any_of(cbxFunction_.begin(), cbxFunction_.end(), [](const QComboBox *list) {
        return list->currentIndex() >= FunctionShow1 + 4; // "Show 5" to "Show 8"
    });
}

WindowResult TfSetupInput::checkSave() {
    if (!asksUnavailableShow())
        return ResultOk;
    ui::showMessage(this, unavailableShowMessage());
    return ResultNo;
}

void TfSetupInput::store(recUrzadzenia &rec) const {
    const bool unavailable = asksUnavailableShow();
    patch_.store(rec.Trigger);
    for (int i = 0; i < kRows; ++i) {
        rtrigger &t = rec.Trigger[i];
        if (!unavailable) // a refused save keeps the functions the record had
            t.Function = cbxFunction_[i]->currentIndex();
        t.Catalog = cbxCatalog_[i]->currentIndex() + 1;
        t.File = cbxFile_[i]->currentIndex() + 1;
        t.Volume = tbVolume_[i]->value();
    }
    for (int k = 0; k < 4; ++k)
        rec.DestinationIP[k] = cbxIP_[k]->currentIndex();
    rec.TriggerButtonPlayMode = cbOption01->isChecked();
    if (playAfterPowerOn_->checkedId() >= 0)
        rec.playAfterPowerOn = playAfterPowerOn_->checkedId();
}

void TfSetupInput::closing() {
    send(wire::testEndCommand());
}

} // namespace zentri
