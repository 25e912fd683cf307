#include "setup_output.h"
#include "setupkit.h"

#include "device/protocol.h"
#include "ui/placement.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QThread>

namespace zentri {

namespace {

using setup::addHeader;
using setup::makeRowBox;
using setup::numbered;

// Every row of the table has the same pitch; the terminal block picture is drawn to it so that each
// terminal sits beside its row (and +VCC beside the empty row under the last one).
using setup::kRowHeight;
constexpr int kRowSpacing = 6;
constexpr int kTestOffPauseMs = 50;

// Grid columns.
enum Column { ColLabel, ColNet, ColUniverse, ColChannel, ColPwm, ColTest, ColPicture };

// Row labels, in row order.
const char *const kRowLabelNames[TfSetupOutput::kRows] = {"Label28", "Label21", "Label22", "Label23",
                                                          "Label24", "Label25", "Label26", "Label27"};

} // namespace

TfSetupOutput::TfSetupOutput(DeviceLink *link)
    : setup::ConfigWindow(link, QStringLiteral("fSetupOutput"), tr("Zentri output setup")) {
    FormCreate();
}

void TfSetupOutput::FormCreate() {
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(kRowSpacing);

    Label20 = addHeader(this, grid, "Label20", tr("OUT"), ColLabel, Qt::AlignRight);
    Label17 = addHeader(this, grid, "Label17", tr("NET"), ColNet);
    Label18 = addHeader(this, grid, "Label18", tr("Universe"), ColUniverse);
    addHeader(this, grid, "Label19", tr("Channel"), ColChannel);
    addHeader(this, grid, "Label5", tr("PWM"), ColPwm);
    addHeader(this, grid, "Label1", tr("Test"), ColTest);

    for (int i = 0; i < kRows; ++i) {
        const int r = i + 1;
        const QString output = tr("Output %1").arg(r);
        patch_.addRow(this, grid, i, kRowLabelNames[i], QStringLiteral("%1:").arg(r), output);
        cbPWM_[i] = makeRowBox<QCheckBox>(this, numbered("cbPWM", i), tr("Output %1 PWM mode").arg(r));
        cbTest_[i] = makeRowBox<QCheckBox>(this, numbered("cbTest", i), tr("Output %1 test").arg(r));
        connect(cbTest_[i], &QCheckBox::toggled, this, [this, i](bool on) { cbTestClick(i, on); });

        grid->addWidget(cbPWM_[i], r, ColPwm, Qt::AlignCenter);
        grid->addWidget(cbTest_[i], r, ColTest, Qt::AlignCenter);
    }
    grid->setRowMinimumHeight(kRows + 1, kRowHeight); // beside the +VCC terminal

    // The one NET and Universe pair left visible serves every output; the space the other rows' pairs
    // would take says so.
    patch_.addAllRowNote(this, grid, tr("The NET and Universe of the “All” row apply to all outputs."));

    setup::addTerminalBlock(grid, QStringLiteral(":/art/output-terminals.svg"), tr("Output terminal block"),
                            ColPicture, kRows + 1);

    layOut({grid}, 14);
}

void TfSetupOutput::load(const recUrzadzenia &rec) {
    patch_.load(rec.Output);
    // A Standard module has no Art-Net patch and no PWM; anything else gets them back at each showing.
    const bool artNet = rec.ZentriVersion != kModuleStandard;
    patch_.showAllRow(artNet);
    for (QLabel *label : {Label20, Label17, Label18})
        label->setEnabled(artNet);
    for (int i = 0; i < kRows; ++i) {
        cbPWM_[i]->setChecked(rec.Output[i].PWM);
        cbPWM_[i]->setEnabled(artNet);
    }

    // The row-1 label's new text can change the window's width: centre it again at its final size.
    layout()->activate();
    ui::centerOnScreen(this);
}

void TfSetupOutput::cbTestClick(int row, bool checked) {
    sendToDevice(wire::outputTestCommand(testIndex(row), checked));
}

void TfSetupOutput::store(recUrzadzenia &rec) const {
    patch_.store(rec.Output);
    for (int i = 0; i < kRows; ++i)
        rec.Output[i].PWM = cbPWM_[i]->isChecked();
}

void TfSetupOutput::closing() {
    // Every output test goes off, one output after the other; the device needs the pauses.
    for (int index = 0; index < kRows; ++index) {
        QThread::msleep(kTestOffPauseMs);
        if (!sendToDevice(wire::outputTestCommand(index, false)))
            break; // refused and already reported: the rest would fail the same way
    }
    QThread::msleep(kTestOffPauseMs);

    // The tests are off now: the boxes follow without sending anything more.
    for (QCheckBox *box : cbTest_) {
        const QSignalBlocker quiet(box);
        box->setChecked(false);
    }
}

} // namespace zentri
