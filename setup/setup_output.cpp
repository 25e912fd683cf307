#include "setup_output.h"
#include "setupkit.h"

#include "device/protocol.h"
#include "ui/lists.h"
#include "ui/placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QThread>

namespace zentri {

namespace {

using setup::makeLabel;
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

QCheckBox *makeRowBox(QWidget *parent, const QString &name, const QString &accessibleName) {
    auto *box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    return box;
}

} // namespace

TfSetupOutput::TfSetupOutput(DeviceLink *link)
    : setup::ConfigWindow(link, QStringLiteral("fSetupOutput"), QStringLiteral("Zentri output setup")) {
    FormCreate();
}

void TfSetupOutput::FormCreate() {
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(kRowSpacing);

    Label20 = makeLabel(this, QStringLiteral("Label20"), QStringLiteral("OUT"));
    Label17 = makeLabel(this, QStringLiteral("Label17"), QStringLiteral("NET"));
    Label18 = makeLabel(this, QStringLiteral("Label18"), QStringLiteral("Universe"));
    QLabel *Label19 = makeLabel(this, QStringLiteral("Label19"), QStringLiteral("Channel"));
    QLabel *Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("PWM"));
    QLabel *Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Test"));
    grid->addWidget(Label20, 0, ColLabel, Qt::AlignRight | Qt::AlignBottom);
    grid->addWidget(Label17, 0, ColNet, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(Label18, 0, ColUniverse, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(Label19, 0, ColChannel, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(Label5, 0, ColPwm, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(Label1, 0, ColTest, Qt::AlignHCenter | Qt::AlignBottom);

    for (int i = 0; i < kRows; ++i) {
        const int r = i + 1;
        const QString output = QStringLiteral("Output %1 ").arg(r);
        rowLabels_[i] = makeLabel(this, QLatin1String(kRowLabelNames[i]), QStringLiteral("%1:").arg(r));
        cbxNET_[i] = setup::makeSizedList(this, numbered("cbxNET", r), ui::byteList(), 3,
                                          output + QStringLiteral("NET"));
        cbxUniverse_[i] = setup::makeSizedList(this, numbered("cbxUniverse", r), ui::byteList(), 3,
                                               output + QStringLiteral("Universe"));
        cbxChannel_[i] = setup::makeSizedList(this, numbered("cbxChannel", r), ui::channelList(), 3,
                                              output + QStringLiteral("channel"));
        cbPWM_[i] = makeRowBox(this, numbered("cbPWM", i), output + QStringLiteral("PWM mode"));
        cbTest_[i] = makeRowBox(this, numbered("cbTest", i), output + QStringLiteral("test"));
        connect(cbTest_[i], &QCheckBox::toggled, this, [this, i](bool on) { cbTestClick(i, on); });

        grid->setRowMinimumHeight(r, kRowHeight);
        grid->addWidget(rowLabels_[i], r, ColLabel, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(cbxNET_[i], r, ColNet);
        grid->addWidget(cbxUniverse_[i], r, ColUniverse);
        grid->addWidget(cbxChannel_[i], r, ColChannel);
        grid->addWidget(cbPWM_[i], r, ColPwm, Qt::AlignCenter);
        grid->addWidget(cbTest_[i], r, ColTest, Qt::AlignCenter);
    }
    grid->setRowMinimumHeight(kRows + 1, kRowHeight); // beside the +VCC terminal

    // The one NET and Universe pair left visible serves every output; the space the other rows' pairs
    // would take says so.
    QLabel *note = setup::makeAllRowNote(this, QStringLiteral("outputs"));
    grid->addWidget(note, 2, ColLabel, kRows, ColChannel - ColLabel);

    setup::addTerminalBlock(grid, QStringLiteral(":/art/output-terminals.svg"),
                            QStringLiteral("Output terminal block"), ColPicture, kRows + 1);

    layOut({grid}, 14);
}

void TfSetupOutput::load(const recUrzadzenia &rec) {
    for (int i = 0; i < kRows; ++i) {
        const routput &o = rec.Output[i];
        ui::selectPosition(cbxNET_[i], o.NET);
        ui::selectPosition(cbxUniverse_[i], o.Universe);
        ui::selectPosition(cbxChannel_[i], o.Channel - 1);
        cbPWM_[i]->setChecked(o.PWM);
    }

    // Only the first row's NET and Universe stay in view; the others keep their loaded values.
    for (int i = 1; i < kRows; ++i) {
        cbxNET_[i]->hide();
        cbxUniverse_[i]->hide();
        rowLabels_[i]->hide();
    }
    rowLabels_[0]->setText(QStringLiteral("All"));

    // A Standard module has no Art-Net patch and no PWM; anything else gets them back at each showing.
    const bool artNet = rec.ZentriVersion != kModuleStandard;
    for (QWidget *w :
         {static_cast<QWidget *>(Label20), static_cast<QWidget *>(Label17), static_cast<QWidget *>(Label18)})
        w->setEnabled(artNet);
    for (int i = 0; i < kRows; ++i) {
        cbxNET_[i]->setEnabled(artNet);
        cbxUniverse_[i]->setEnabled(artNet);
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
    for (int i = 0; i < kRows; ++i) {
        routput &o = rec.Output[i];
        o.NET = cbxNET_[i]->currentIndex();
        o.Universe = cbxUniverse_[i]->currentIndex();
        o.Channel = cbxChannel_[i]->currentIndex() + 1;
        o.PWM = cbPWM_[i]->isChecked();
    }
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
