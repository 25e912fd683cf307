#include "f_livebuttonrecord.h"

#include "device/duration.h"
#include "device/protocol.h"
#include "device/udp.h"
#include "showwidgets.h"
#include "ui/legibility.h"
#include "ui/messages.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QThread>

namespace zentri {

namespace {
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);
const QColor kSilver(192, 192, 192);

constexpr int kQueryPauseMs = 10;  // between the eight show information queries
constexpr int kErasePauseMs = 250; // after an erase command, before the shows are asked again

// Window layout: eight show slots along the top, five actions below a rule, playback at the bottom.
constexpr int kMargin = 12;
constexpr int kShowPitch = 100, kShowPanelW = 92, kShowPanelH = 60;
constexpr int kActionPitch = 161, kActionPanelW = 148, kActionPanelH = 92;
constexpr int kPanelInset = 4; // a panel is 4 pixels larger than its button on every side
constexpr int kClientW = 2 * kMargin + 7 * kShowPitch + kShowPanelW;
constexpr int kShowLabelTop = 10, kShowPanelTop = 32, kRuleTop = 104, kActionTop = 116;
constexpr int kTimeTop = 218, kBarTop = 280, kStatusTop = 304, kStatusH = 22;
constexpr int kClientH = kStatusTop + kStatusH;

QString showButtonName(int n) {
    // SHOW 1 is Button9; SHOW 2 .. SHOW 8 are Button1 .. Button7.
    return QStringLiteral("Button%1").arg(n == 1 ? 9 : n - 1);
}
} // namespace

// The captions in English; each button shows its translation (shown()).
const QString TfLiveButtonRecord::kEraseCaption =
    QStringLiteral(QT_TRANSLATE_NOOP("zentri::TfLiveButtonRecord", "ERASE"));
const QString TfLiveButtonRecord::kEraseConfirm =
    QStringLiteral(QT_TRANSLATE_NOOP("zentri::TfLiveButtonRecord", "CONFIRM ERASE"));
const QString TfLiveButtonRecord::kRecordCaption =
    QStringLiteral(QT_TRANSLATE_NOOP("zentri::TfLiveButtonRecord", "RECORD"));
const QString TfLiveButtonRecord::kRecordConfirm = QStringLiteral(
    QT_TRANSLATE_NOOP("zentri::TfLiveButtonRecord", "CONFIRM RECORD (the previous show will be deleted)"));
const QString TfLiveButtonRecord::kSynchroCaption =
    QStringLiteral(QT_TRANSLATE_NOOP("zentri::TfLiveButtonRecord", "SYNCHRO RECORD"));
const QString TfLiveButtonRecord::kSynchroConfirm = QStringLiteral(QT_TRANSLATE_NOOP(
    "zentri::TfLiveButtonRecord", "CONFIRM SYNCHRO RECORD (the previous show will be deleted)"));
const QString TfLiveButtonRecord::kRecordingCaption =
    QStringLiteral(QT_TRANSLATE_NOOP("zentri::TfLiveButtonRecord", "RECORDING..."));

QString TfLiveButtonRecord::shown(const QString &caption) {
    return tr(qUtf8Printable(caption));
}

TfLiveButtonRecord::TfLiveButtonRecord(DeviceLink *link, QWidget *mainWindow)
    : ui::DeviceDialog(link, tr("Zentri Live Button Record")), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("fLiveButtonRecord"));
    setFixedSize(kClientW, kClientH);

    QFont buttonFont = font();
    buttonFont.setBold(true);

    for (int i = 0; i < 8; ++i) {
        const int n = i + 1;
        const int left = kMargin + i * kShowPitch;
        auto *label = new QLabel(QStringLiteral("00:00:00"), this);
        label->setObjectName(QStringLiteral("lbShow%1").arg(n, 2, 10, QLatin1Char('0')));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(left, kShowLabelTop, kShowPanelW, 20);
        label->setAccessibleDescription(tr("Show %1 length").arg(n));
        showLabels_[i] = label;

        auto *panel = new ui::ColorPanel(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(n));
        panel->setGeometry(left, kShowPanelTop, kShowPanelW, kShowPanelH);
        panel->setAccessibleName(tr("Show %1 light").arg(n));
        showPanels_[i] = panel;

        auto *button = new ui::PressButton(tr("SHOW %1").arg(n), panel);
        button->setObjectName(showButtonName(n));
        button->setFont(buttonFont);
        button->setGeometry(kPanelInset, kPanelInset, kShowPanelW - 2 * kPanelInset,
                            kShowPanelH - 2 * kPanelInset);
        connect(button, &ui::PressButton::mouseDown, this, [this, n] { SelectShow(n); });
        showButtons_[i] = button;
    }

    auto *rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Bevel1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(kMargin, kRuleTop, kClientW - 2 * kMargin, 2);

    addAction(Panel12, Button13, "Panel12", "Button13", shown(kEraseCaption), 0,
              &TfLiveButtonRecord::Button13MouseDown);
    addAction(Panel11, Button12, "Panel11", "Button12", shown(kRecordCaption), 1,
              &TfLiveButtonRecord::Button12MouseDown);
    addAction(Panel13, Button10, "Panel13", "Button10", shown(kSynchroCaption), 2,
              &TfLiveButtonRecord::Button10MouseDown);
    addAction(Panel10, Button11, "Panel10", "Button11", tr("PLAY"), 3,
              &TfLiveButtonRecord::Button11MouseDown);
    addAction(Panel9, Button8, "Panel9", "Button8", tr("STOP"), 4, &TfLiveButtonRecord::Button8MouseDown);
    for (ui::PressButton *b : {Button13, Button12, Button10, Button11, Button8})
        b->setFont(buttonFont);

    lbTime = new QLabel(QStringLiteral("00:00:00"), this);
    lbTime->setObjectName(QStringLiteral("lbTime"));
    lbTime->setAlignment(Qt::AlignCenter);
    QFont timeFont = font();
    timeFont.setPointSize(30);
    timeFont.setBold(true);
    lbTime->setFont(timeFont);
    ui::setLegibleColors(lbTime, kGreen); // on a background of its own where the palette is dark
    lbTime->setGeometry((kClientW - 320) / 2, kTimeTop, 320, 56);
    lbTime->setAccessibleDescription(tr("Playback time"));

    ActivityIndicator1 = new ui::ActivityIndicator(this);
    ActivityIndicator1->setObjectName(QStringLiteral("ActivityIndicator1"));
    ActivityIndicator1->setGeometry(kClientW - kMargin - 36, kTimeTop + 10, 36, 36);
    ActivityIndicator1->setAccessibleName(tr("Incoming packets"));

    pb1 = new QProgressBar(this);
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->setTextVisible(false);
    pb1->setValue(0);
    pb1->setGeometry(kMargin, kBarTop, kClientW - 2 * kMargin, 16);
    pb1->setAccessibleName(tr("Playback position"));

    sb1 = new QStatusBar(this);
    sb1->setObjectName(QStringLiteral("sb1"));
    sb1->setSizeGripEnabled(false);
    sb1->setGeometry(0, kStatusTop, kClientW, kStatusH);
    sb1Panel0 = new QLabel(sb1);
    sb1Panel0->setObjectName(QStringLiteral("sb1Panel0"));
    sb1Panel0->setAccessibleDescription(tr("Status"));
    sb1->addWidget(sb1Panel0, 1);

    tmBlinkButton.setObjectName(QStringLiteral("tmBlinkButton"));
    tmBlinkButton.setInterval(250);
    connect(&tmBlinkButton, &QTimer::timeout, this, &TfLiveButtonRecord::tmBlinkButtonTimer);
    tmShowTime.setObjectName(QStringLiteral("tmShowTime"));
    tmShowTime.setInterval(100);
    connect(&tmShowTime, &QTimer::timeout, this, &TfLiveButtonRecord::tmShowTimeTimer);

    IdUDPServer1 = new UdpListener(this);
    IdUDPServer1->setObjectName(QStringLiteral("IdUDPServer1"));
    IdUDPServer1->setHandler(
        [this](const QByteArray &data, const QHostAddress &sender) { IdUDPServer1UDPRead(data, sender); });

    // Creation: no show selected, every panel silver (the panels' own colour), no playback in view.
    pb1->hide();
    lbTime->hide();
}

void TfLiveButtonRecord::addAction(ui::ColorPanel *&panel, ui::PressButton *&button, const char *panelName,
                                   const char *buttonName, const QString &caption, int column,
                                   void (TfLiveButtonRecord::*mouseDown)()) {
    panel = new ui::ColorPanel(this);
    panel->setObjectName(QLatin1String(panelName));
    panel->setGeometry(kMargin + column * kActionPitch, kActionTop, kActionPanelW, kActionPanelH);
    panel->setAccessibleName(tr("%1 light").arg(caption));
    button = new ui::PressButton(caption, panel);
    button->setObjectName(QLatin1String(buttonName));
    button->setWordWrap(column < 3); // the captions of ERASE, RECORD and SYNCHRO RECORD grow when armed
    button->setGeometry(kPanelInset, kPanelInset, kActionPanelW - 2 * kPanelInset,
                        kActionPanelH - 2 * kPanelInset);
    connect(button, &ui::PressButton::mouseDown, this, mouseDown);
    connect(button, &ui::PressButton::mouseUp, this, &TfLiveButtonRecord::Button8MouseUp);
}

QString TfLiveButtonRecord::statusText() const {
    return sb1Panel0->text();
}

bool TfLiveButtonRecord::isListening() const {
    return IdUDPServer1->isOpen();
}

void TfLiveButtonRecord::setStatus(const QString &text) {
    sb1Panel0->setText(text);
}

void TfLiveButtonRecord::setActionPanels(const QColor &color) {
    for (ui::ColorPanel *p : {Panel10, Panel11, Panel12, Panel13})
        p->setColor(color);
}

void TfLiveButtonRecord::setActionsEnabled(bool enabled) {
    for (ui::PressButton *b : {Button11, Button12, Button13, Button10})
        b->setEnabled(enabled);
}

// ---- Operations -------------------------------------------------------------------------------

void TfLiveButtonRecord::SelectShow(int n) {
    eraseArmed_ = recordArmed_ = synchroArmed_ = 0;
    selectedShow_ = n;
    RefreshView();
    sendToDevice(wire::selectShowCommand(n));
}

void TfLiveButtonRecord::QueryAllShowInfo() {
    for (int n = 1; n <= wire::kShowSlots; ++n) {
        if (!sendToDevice(wire::showInfoQuery(n)))
            return; // refused and already reported: the rest would be refused too
        QThread::msleep(kQueryPauseMs);
    }
}

bool TfLiveButtonRecord::StopRecording() {
    Panel9->setColor(kRed);
    // With no show selected the action buttons are disabled: their panels show it.
    setActionPanels(selectedShow_ > 0 ? kGreen : kSilver);
    const bool sent = sendToDevice(wire::stopCommand());
    setStatus(QString());
    ActivityIndicator1->stop();
    hidePlayback();
    return sent;
}

void TfLiveButtonRecord::RefreshView() {
    if (eraseArmed_ == 0)
        Button13->setText(shown(kEraseCaption));
    if (recordArmed_ == 0)
        Button12->setText(shown(kRecordCaption));
    if (synchroArmed_ == 0)
        Button10->setText(shown(kSynchroCaption));

    if (selectedShow_ >= 0 && selectedShow_ <= wire::kShowSlots)
        for (int n = 1; n <= wire::kShowSlots; ++n)
            showPanel(n)->setColor(n == selectedShow_ ? kRed : kBlue);

    const bool selected = selectedShow_ > 0;
    setActionPanels(selected ? kGreen : kSilver);
    setActionsEnabled(selected);
    Button8->setEnabled(true);

    for (int n = 1; n <= wire::kShowSlots; ++n) {
        if (showPresent_[n]) {
            showLabel(n)->setText(DurationText(showLength_[n]));
        } else {
            showPanel(n)->setColor(kSilver);
            showLabel(n)->setText(QStringLiteral("00:00:00"));
        }
    }
}

void TfLiveButtonRecord::showBar(int32_t total, int32_t position) {
    // A negative total is taken as an empty show: the bar stays empty and the time at zero.
    const int32_t top = qMax<int32_t>(total, 0);
    barPosition_ = qBound<int32_t>(0, position, top);
    if (top > 0) {
        pb1->setRange(0, top);
        pb1->setValue(barPosition_);
    } else {
        pb1->setRange(0, 1); // an empty range would make the bar a busy indicator
        pb1->setValue(0);
    }
    pb1->show();
}

void TfLiveButtonRecord::hidePlayback() {
    pb1->hide();
    tmShowTime.stop();
    lbTime->hide();
}

// ---- Window -----------------------------------------------------------------------------------

void TfLiveButtonRecord::FormActivate() {
    lbTime->setText(QString());
    blinkPhase_ = 0;
    eraseArmed_ = 0;
    pb1->hide();
    lbTime->hide();
    Panel9->setColor(kGreen);
    RefreshView();

    QString error;
    if (!IdUDPServer1->open(wire::kLiveRecordPort, &error))
        ui::showMessage(this, error); // the window goes on; the next showing tries again

    setActionPanels(kSilver);
    setActionsEnabled(false);
    QueryAllShowInfo();
    SelectShow(0);

    // A Standard module has four show slots; any other module has eight.
    const auto rec = deviceRecord(); // read now: the message box and the queries ran datagram handlers
    const bool standard = rec && rec->ZentriVersion == kModuleStandard;
    for (int n = 5; n <= wire::kShowSlots; ++n) {
        showButton(n)->setEnabled(!standard);
        showLabel(n)->setEnabled(!standard);
    }
}

void TfLiveButtonRecord::FormClose() {
    tmBlinkButton.stop();
    StopRecording();
    IdUDPServer1->close();
    if (mainWindow_)
        mainWindow_->show();
}

// ---- Buttons ----------------------------------------------------------------------------------

void TfLiveButtonRecord::Button13MouseDown() {
    if (eraseArmed_ == 0) {
        Button13->setText(shown(kEraseConfirm));
        eraseArmed_ = 1;
    } else {
        const bool sent = sendToDevice(wire::eraseShowCommand(selectedShow_));
        eraseArmed_ = 0;
        Button13->setText(shown(kEraseCaption));
        if (sent) {
            QThread::msleep(kErasePauseMs); // give the device time to erase before asking again
            QueryAllShowInfo();
            SelectShow(0);
        }
    }
    recordArmed_ = synchroArmed_ = 0;
    RefreshView();
}

void TfLiveButtonRecord::Button12MouseDown() {
    if (recordArmed_ == 0) {
        Button12->setText(shown(kRecordConfirm));
        recordArmed_ = 1;
    } else {
        sendToDevice(wire::recordCommand());
        setStatus(tr("Waiting for Artnet packet..."));
    }
    eraseArmed_ = synchroArmed_ = 0;
    RefreshView();
}

void TfLiveButtonRecord::Button10MouseDown() {
    if (synchroArmed_ == 0) {
        Button10->setText(shown(kSynchroConfirm));
        synchroArmed_ = 1;
    } else {
        Button10->setText(shown(kRecordingCaption));
        sendToDevice(wire::synchroRecordCommand());
        setStatus(tr("Waiting for not empty Artnet packet..."));
    }
    eraseArmed_ = recordArmed_ = 0;
    RefreshView();
}

void TfLiveButtonRecord::Button11MouseDown() {
    lbTime->setText(QStringLiteral("00:00:00"));
    eraseArmed_ = recordArmed_ = synchroArmed_ = 0;
    Panel10->setColor(kRed);
    sendToDevice(wire::playCommand());
}

void TfLiveButtonRecord::Button8MouseDown() {
    if (tmBlinkButton.isActive())
        tmBlinkButton.stop();
    eraseArmed_ = recordArmed_ = synchroArmed_ = 0;
    if (StopRecording())
        QueryAllShowInfo(); // the replies bring the new lengths and, through RefreshView, the plain captions
}

void TfLiveButtonRecord::Button8MouseUp() {
    Panel9->setColor(kGreen);
}

// ---- Timers -----------------------------------------------------------------------------------

void TfLiveButtonRecord::tmBlinkButtonTimer() {
    const QColor c = blinkPhase_ == 0 ? kRed : kSilver;
    Panel13->setColor(c);
    Panel11->setColor(c);
    blinkPhase_ = blinkPhase_ == 0 ? 1 : 0;
}

void TfLiveButtonRecord::tmShowTimeTimer() {
    lbTime->setText(DurationText(barPosition_));
}

// ---- Device reports ---------------------------------------------------------------------------

void TfLiveButtonRecord::IdUDPServer1UDPRead(const QByteArray &data, const QHostAddress &) {
    const auto reply = wire::parseShowReply(data); // none for other words and for short datagrams
    if (!reply)
        return;
    switch (reply->kind) {
    case wire::ShowReply::PacketCount:
        setStatus(tr("Incoming packets: %1").arg(reply->packets));
        sb1->repaint();
        ActivityIndicator1->start();
        if (!tmBlinkButton.isActive())
            tmBlinkButton.start();
        break;
    case wire::ShowReply::SetShow:
        selectedShow_ = reply->show;
        setStatus(tr("Set show: %1").arg(reply->show));
        sb1->repaint();
        RefreshView();
        break;
    case wire::ShowReply::ShowPosition:
        showBar(reply->total, reply->position);
        lbTime->show();
        if (!tmShowTime.isActive())
            tmShowTime.start();
        break;
    case wire::ShowReply::PlayStop:
        hidePlayback();
        break;
    case wire::ShowReply::ShowInfo:
        showPresent_[reply->show & 0xFF] = reply->present;
        showLength_[reply->show & 0xFF] = reply->length;
        RefreshView();
        break;
    }
}

} // namespace zentri
