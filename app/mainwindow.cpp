#include "mainwindow.h"
#include "device/discovery.h"
#include "device/portholder.h"
#include "device/protocol.h"
#include "rigactions.h"
#include "rigwindow.h"
#include "ui/devicedialog.h"
#include "ui/legibility.h"
#include "ui/messages.h"
#include "ui/picture.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <algorithm>

namespace zentri {

namespace {
constexpr int kClientWidth = 721;
constexpr int kClientHeight = 653;
constexpr int kToolTipDuration = 10000;
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry) {
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

// A window of the main window's peers, shown modally (none before they are introduced).
void showModal(QDialog *window) {
    if (window)
        window->exec();
}
} // namespace

TMainForm::TMainForm(QWidget *parent)
    : QMainWindow(parent), CDS1(new DeviceTable(this)), UDPcl(new UdpClient(this)),
      UDPsvr(new UdpListener(this)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Orvane Zentri"));
    buildControls();
    buildMenus();
    UDPsvr->setHandler(
        [this](const QByteArray &data, const QHostAddress &sender) { UDPsvrUDPRead(data, sender); });
    UDPsvr->setBatchHooks([this] { inReplyBatch_ = true; },
                          [this] {
                              inReplyBatch_ = false;
                              listNewRows();
                          });
    qApp->installEventFilter(this);
    FormActivate();
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
}

void TMainForm::buildControls() {
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    noSDCard = new ui::Picture(QStringLiteral(":/art/front-panel.svg"), client);
    noSDCard->setObjectName(QStringLiteral("noSDCard"));
    noSDCard->setGeometry(10, 10, 560, 196);
    noSDCard->setAccessibleName(tr("Front panel of the device"));

    btLiveRecord = makeButton(client, "btLiveRecord", tr("Live record"), QRect(580, 10, 131, 196));
    btOutputsSetup = makeButton(client, "btOutputsSetup", tr("Outputs setup"), QRect(10, 214, 126, 32));
    btTriggersSetup = makeButton(client, "btTriggersSetup", tr("Triggers setup"), QRect(146, 214, 126, 32));
    btAudioSetup = makeButton(client, "btAudioSetup", tr("Audio setup"), QRect(282, 214, 126, 32));
    btDMXSetup = makeButton(client, "btDMXSetup", tr("DMX setup"), QRect(418, 214, 126, 32));

    imNoSdCard = new ui::Picture(QStringLiteral(":/art/sd-card-none.svg"), client);
    imNoSdCard->setObjectName(QStringLiteral("imNoSdCard"));
    imNoSdCard->setGeometry(556, 214, 24, 32);
    imNoSdCard->setAccessibleName(tr("No SD card"));
    imSDCardOK = new ui::Picture(QStringLiteral(":/art/sd-card.svg"), client);
    imSDCardOK->setObjectName(QStringLiteral("imSDCardOK"));
    imSDCardOK->setGeometry(556, 214, 24, 32);
    imSDCardOK->setAccessibleName(tr("SD card present"));
    lbNoSdCard = new QLabel(tr("NO SD CARD"), client);
    lbNoSdCard->setObjectName(QStringLiteral("lbNoSdCard"));
    lbNoSdCard->setGeometry(584, 214, 94, 32);
    QFont bold = lbNoSdCard->font();
    bold.setBold(true);
    lbNoSdCard->setFont(bold);
    lbNoSdCard->setAlignment(Qt::AlignCenter);

    btRestart = makeButton(client, "btRestart", QStringLiteral("R"), QRect(681, 214, 30, 32));
    btRestart->setToolTip(tr("System restart. Just like when you turn on the power."));
    btRestart->setToolTipDuration(kToolTipDuration);
    btRestart->setAccessibleName(tr("Restart device"));

    GroupBox1 = new QGroupBox(tr("Devices"), client);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(10, 256, 701, 330);
    Label1 = new QLabel(tr("No found devices"), GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(2, 20, 697, 308);

    DBGrid1 = new DeviceGrid(GroupBox1);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(tr("Devices found"));
    DBGrid1->setGeometry(6, 20, 689, 304);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setWordWrap(false);
    DBGrid1->setAlternatingRowColors(true);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab enters and leaves the table in one step; the arrow keys move the current row within it.
    DBGrid1->setTabKeyNavigation(false);
    DBGrid1->installEventFilter(this);
    DBGrid1->hide();
    connect(DBGrid1, &QTableView::clicked, this, &TMainForm::DBGrid1CellClick);
    connect(DBGrid1, &QTableView::customContextMenuRequested, this, &TMainForm::showDeviceMenu);

    PopupMenu11 = new QAction(tr("Restore default values"), this);
    PopupMenu11->setObjectName(QStringLiteral("PopupMenu11"));
    PopupMenu11->setToolTip(tr("Use this option with caution!!!"));
    PopupMenu11->setStatusTip(tr("Use this option with caution!!!"));
    connect(PopupMenu11, &QAction::triggered, this, &TMainForm::PopupMenu11Click);

    Button1 = makeButton(client, "Button1", tr("Find devices"), QRect(10, 596, 130, 30));
    // "Save & Close" of the main window has no action: it is kept but not offered.
    Button2 = makeButton(client, "Button2", tr("Save && Close"), QRect(581, 596, 130, 30));
    Button2->hide();

    // Controls that exist but are never shown.
    rbArtnet = new QRadioButton(tr("Artnet input"), client);
    rbArtnet->setObjectName(QStringLiteral("rbArtnet"));
    rbDMX = new QRadioButton(tr("DMX input"), client);
    rbDMX->setObjectName(QStringLiteral("rbDMX"));
    Button3 = makeButton(client, "Button3", tr("Editor"), QRect(150, 596, 100, 30));
    btCue = makeButton(client, "btCue", QStringLiteral("CUE"), QRect(260, 596, 100, 30));
    for (QWidget *w : std::initializer_list<QWidget *>{rbArtnet, rbDMX, Button3, btCue})
        w->hide();

    connect(Button1, &QPushButton::clicked, this, &TMainForm::findDevices);
    connect(btOutputsSetup, &QPushButton::clicked, this, [this] { openConfiguration(peers_.outputSetup); });
    connect(btTriggersSetup, &QPushButton::clicked, this, [this] { openConfiguration(peers_.triggerSetup); });
    connect(btAudioSetup, &QPushButton::clicked, this, [this] { openConfiguration(peers_.audioSetup); });
    connect(btDMXSetup, &QPushButton::clicked, this, [this] { openConfiguration(peers_.dmxSetup); });
    connect(btLiveRecord, &QPushButton::clicked, this, &TMainForm::btLiveRecordClick);
    connect(btRestart, &QPushButton::clicked, this,
            [this] { sendToDevice(selectedDevice(), wire::restartCommand()); });
    connect(Button3, &QPushButton::clicked, this, [this] { showModal(peers_.timeline); });
    connect(btCue, &QPushButton::clicked, this, [this] { showModal(peers_.cue); });

    auto *sb1 = new QStatusBar(this);
    sb1->setObjectName(QStringLiteral("sb1"));
    sb1->setSizeGripEnabled(false);
    statusPanel0 = new QLabel(sb1);
    statusPanel0->setObjectName(QStringLiteral("sb1Panel0"));
    statusPanel0->setAccessibleDescription(tr("Discovery state"));
    statusPanel1 = new QLabel(sb1);
    statusPanel1->setObjectName(QStringLiteral("sb1Panel1"));
    sb1->addWidget(statusPanel0);
    sb1->addWidget(statusPanel1);
    setStatusBar(sb1);

    // At a larger font everything grows with it, so that no caption or text is cut.
    const double scale = ui::fontScale(this);
    ui::scaleGeometry(client, scale);
    statusPanel0->setFixedWidth(int(400 * scale));
    statusPanel1->setFixedWidth(int(50 * scale));
    client->setFixedSize(int(kClientWidth * scale), int(kClientHeight * scale) - sb1->sizeHint().height());
    noSDCard->renderAhead(); // drawn on another thread while the other windows are built
}

void TMainForm::buildMenus() {
    // Alt and the underlined letter open a menu; F10 opens the first one.
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File1"));
    SaveConfiguration1 = file->addAction(tr("Save configuration..."));
    SaveConfiguration1->setObjectName(QStringLiteral("SaveConfiguration1"));
    connect(SaveConfiguration1, &QAction::triggered, this, &TMainForm::SaveConfiguration1Click);
    LoadConfiguration1 = file->addAction(tr("Load configuration..."));
    LoadConfiguration1->setObjectName(QStringLiteral("LoadConfiguration1"));
    connect(LoadConfiguration1, &QAction::triggered, this, &TMainForm::LoadConfiguration1Click);
    file->addSeparator();
    QAction *exit = file->addAction(tr("Exit"));
    exit->setObjectName(QStringLiteral("File2"));
    connect(exit, &QAction::triggered, this, &QWidget::close); // File2Click
    buildRigMenu();
    QAction *about = menuBar()->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("Help1"));
    connect(about, &QAction::triggered, this, [this] { showModal(peers_.about); }); // Help1Click
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    f10->setObjectName(QStringLiteral("menuShortcut"));
    connect(f10, &QShortcut::activated, this, [this, file] {
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(file->menuAction());
    });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TMainForm::buildRigMenu() {
    QMenu *rigMenu = menuBar()->addMenu(tr("&Rig"));
    rigMenu->setObjectName(QStringLiteral("Rig1"));
    // The rig's file is the document's; the rig window shows it and the patch.
    auto add = [&](const char *name, const QString &caption, auto act) {
        QAction *action = rigMenu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, act] {
            if (peers_.rigDocument)
                act(*peers_.rigDocument);
        });
    };
    add("NewRig1", tr("New rig from devices found"),
        [this](rig::Document &d) { rigactions::newFromDevices(this, d, aUrzadzenia); });
    add("OpenRig1", tr("Open rig..."), [this](rig::Document &d) { rigactions::openWithDialog(this, d); });
    rigMenu->addSeparator();
    add("SaveRig1", tr("Save rig"), [this](rig::Document &d) { rigactions::save(this, d); });
    add("SaveRigAs1", tr("Save rig as..."), [this](rig::Document &d) { rigactions::saveAs(this, d); });
    rigMenu->addSeparator();
    add("ShowRig1", tr("Show rig..."), [this](rig::Document &) { peers_.rig->exec(); });
    add("ShowPatch1", tr("Show patch..."),
        [this](rig::Document &d) { rigactions::showPatch(this, *peers_.rigEngine, d.rig()); });
}

void TMainForm::connectDeviceGrid() {
    if (DBGrid1->model() == CDS1)
        return;
    DBGrid1->setModel(CDS1);
    // A screen reader selects a row without making it current: that is its click on the row.
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TMainForm::gridSelectionChanged, Qt::QueuedConnection);
    // Column widths as the table defines them, widened where this font needs more for the longest text.
    const int widths[] = {200, 88, 100, 60, 100};
    const QFontMetrics header = DBGrid1->horizontalHeader()->fontMetrics();
    const QString longest[] = {QString(), QStringLiteral("255.255.255.255"),
                               QStringLiteral("DD:DD:DD:DD:DD:DD"), QStringLiteral("255.255"),
                               wire::moduleVersionName(-1)};
    for (int c = 0; c < DeviceTable::ColumnCount; ++c)
        DBGrid1->setColumnWidth(
            c, std::max({widths[c], DBGrid1->fontMetrics().horizontalAdvance(longest[c]) + 14,
                         header.horizontalAdvance(CDS1->headerData(c, Qt::Horizontal).toString()) + 20}));
}

// ---- Device link ------------------------------------------------------------------------------

int TMainForm::getRecID() const {
    const int row = DBGrid1->currentIndex().row();
    if (row < 0 || row >= CDS1->rowCount())
        return CDS1->rowCount() > 0 ? CDS1->row(0).fldrecID : -1;
    return CDS1->row(row).fldrecID;
}

DeviceRef TMainForm::selectedDevice() const {
    const int index = getRecID();
    return index >= 0 ? DeviceRef{index, discovery_} : DeviceRef{};
}

bool TMainForm::isListed(DeviceRef device) const {
    return device.discovery == discovery_ && device.index >= 0 && device.index < aUrzadzenia.size();
}

std::optional<recUrzadzenia> TMainForm::record(DeviceRef device) const {
    if (!isListed(device))
        return std::nullopt;
    return aUrzadzenia[device.index];
}

bool TMainForm::storeRecord(DeviceRef device, const recUrzadzenia &rec) {
    if (!isListed(device))
        return false;
    aUrzadzenia[device.index] = rec;
    return true;
}

bool TMainForm::sendToDevice(DeviceRef device, const QByteArray &datagram) {
    if (!isListed(device))
        return false;
    const QHostAddress to(aUrzadzenia[device.index].IP);
    QString error;
    if (UDPcl->send(datagram, to, wire::kDevicePort, &error))
        return true;
    reportSocketError(error); // a message box: nothing of the array is held across it
    return false;
}

bool TMainForm::sendToAddress(const QHostAddress &to, const QByteArray &datagram, QString *error) {
    return UDPcl->send(datagram, to, wire::kDevicePort, error);
}

void TMainForm::reportSocketError(const QString &text) {
    // A failure inside a reply handler is dropped; one during a user's action is shown.
    if (!UdpListener::isHandlingDatagram())
        ui::showMessage(this, text);
}

void TMainForm::sendConfiguration(DeviceRef device) {
    if (const auto rec = record(device))
        sendToDevice(device, wire::configurationPacket(*rec));
}

// ---- Discovery --------------------------------------------------------------------------------

void TMainForm::findDevices() {
    hideSdIndicator();
    setDeviceButtonsEnabled(false);
    setStatus(tr("Searching..."));
    statusPanel0->repaint();
    clearDeviceTable();
    DBGrid1->hide();
    Label1->show();
    QString error;
    if (!UDPsvr->open(wire::kMainPort, &error)) {
        // The watch service holds the reply port on a machine where it runs: say so, and how to stop it.
        const QString held = watchServiceHoldsPort(wire::kMainPort);
        reportSocketError(
            held.isEmpty() ? error
                           : tr("Cannot receive replies on UDP port %1: %2").arg(wire::kMainPort).arg(held));
        return;
    }
    // Out of every network interface that can broadcast; one that fails does not stop the others.
    const DiscoveryReport sent = sendDiscovery(*UDPsvr, discoveryAddress_);
    if (sent.failures.isEmpty())
        return;
    setStatus(tr("Searching... (not sent on %1)").arg(sent.failures.join(QStringLiteral("; "))));
    if (!sent.anySent())
        reportSocketError(sent.failures.join('\n'));
}

void TMainForm::clearDeviceTable() {
    DBGrid1->setUpdatesEnabled(false);
    aUrzadzenia.clear();
    ++discovery_; // handles to the records dropped here name no device any more
    newRows_.clear();
    CDS1->clear();
    DBGrid1->setUpdatesEnabled(true);
}

void TMainForm::UDPsvrUDPRead(const QByteArray &data, const QHostAddress &sender) {
    if (wire::isInfoReply(data)) {
        const QHostAddress v4(sender.toIPv4Address());
        auto rec = wire::parseInfoReply(data, v4.toString());
        if (rec) {
            const int index = aUrzadzenia.size();
            aUrzadzenia.append(*rec);
            newRows_.push_back(DeviceRow{index, rec->Nazwa, rec->IP, rec->MAC, rec->FWVer,
                                         wire::moduleVersionName(rec->ZentriVersion)});
            emit infoReplied(*rec);
            if (!inReplyBatch_)
                listNewRows();
        }
    }
    if (wire::isSdCardReply(data)) {
        if (auto present = wire::parseSdCardReply(data)) {
            showSdCard(*present);
            emit sdCardReported(sender, *present);
        }
    }
}

void TMainForm::listNewRows() {
    if (newRows_.empty())
        return;
    connectDeviceGrid();
    std::vector<DeviceRow> rows;
    rows.swap(newRows_);
    // Each reply's row goes before the current row, and then the first row becomes current: so the
    // batch's first row goes before the row that was current, and the others on top, newest first.
    const QModelIndex current = DBGrid1->currentIndex();
    if (current.isValid() && current.row() != 0) {
        CDS1->insertBefore(current.row(), {rows.front()});
        rows.erase(rows.begin());
    }
    std::reverse(rows.begin(), rows.end());
    CDS1->insertBefore(0, rows);
    DBGrid1->setCurrentIndex(CDS1->index(0, 0));
    DBGrid1->show();
    Label1->hide();
    setStatus(tr("Select device"));
    emit devicesListed();
}

// ---- Selection and device controls ------------------------------------------------------------

void TMainForm::DBGrid1CellClick(const QModelIndex &index) {
    if (!index.isValid())
        return;
    const DeviceRef device = selectedDevice();
    const auto found = record(device);
    if (!found)
        return;
    const recUrzadzenia rec = *found; // a copy: the message boxes below run datagram handlers
    if (!wire::firmwareSupported(rec.FWVer)) {
        ui::showMessage(this, QString::fromLatin1(wire::kFirmwareTooOld));
        return;
    }
    setDeviceButtonsEnabled(true);
    setStatus(QString());
    sendToDevice(device, wire::sdCardQuery());
    updateDeviceControls(rec);
}

void TMainForm::gridSelectionChanged() {
    // Queued: a click or a key has made its row current by now, and selected that row alone. Any
    // other selection comes from the accessibility actions on a row, a screen reader's click: one
    // that selects another row as well chooses that row, one that clears the current row's selection
    // chooses the current row.
    if (!DBGrid1->isVisible() || CDS1->rowCount() == 0)
        return;
    const QModelIndexList rows = DBGrid1->selectionModel()->selectedRows();
    const QModelIndex current = DBGrid1->currentIndex();
    int chosen = rows.isEmpty() ? std::max(current.row(), 0) : -1;
    for (const QModelIndex &r : rows)
        if (r.row() != current.row())
            chosen = r.row();
    if (chosen < 0)
        return;
    const QModelIndex index = CDS1->index(chosen, 0);
    DBGrid1->setCurrentIndex(index); // selects that row alone, which brings no further change here
    DBGrid1CellClick(index);
}

void TMainForm::setDeviceButtonsEnabled(bool enabled) {
    for (QWidget *w : std::initializer_list<QWidget *>{btOutputsSetup, btAudioSetup, btTriggersSetup,
                                                       btRestart, rbDMX, rbArtnet, btDMXSetup, btLiveRecord})
        w->setEnabled(enabled);
    for (QAction *a : {SaveConfiguration1, LoadConfiguration1})
        if (a)
            a->setEnabled(enabled);
}

void TMainForm::updateDeviceControls(const recUrzadzenia &rec) {
    if (rec.InputSelect == 0)
        rbArtnet->setChecked(true);
    else if (rec.InputSelect == 1)
        rbDMX->setChecked(true);
    const bool standard = rec.ZentriVersion == kModuleStandard;
    if (standard)
        btDMXSetup->setEnabled(false);
    // A disabled button says why.
    btDMXSetup->setToolTip(
        standard ? tr("A Standard module has no DMX output: DMX setup needs a Premium module.") : QString());
}

void TMainForm::FormActivate() {
    setDeviceButtonsEnabled(false);
    hideSdIndicator();
    btCue->setEnabled(false);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event) {
    // Return or Space on the current row selects it as a click on it does.
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool activate =
            key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
        if (activate && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            const QModelIndex current = DBGrid1->currentIndex();
            if (current.isValid()) {
                DBGrid1->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows);
                DBGrid1CellClick(current);
            }
            return true;
        }
    }
    // Another window, dialog or message box of the program closed: the main window is active again.
    if (event->type() == QEvent::Hide && !event->spontaneous() && watched != this &&
        watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        const Qt::WindowType type = w->windowType();
        if (w->isWindow() && (type == Qt::Dialog || type == Qt::Window))
            FormActivate();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::hideSdIndicator() {
    lbNoSdCard->hide();
    imNoSdCard->hide();
    imSDCardOK->hide();
}

void TMainForm::showSdCard(bool present) {
    lbNoSdCard->show();
    imNoSdCard->setVisible(!present);
    imSDCardOK->setVisible(present);
    // The fixed colour on a background of its own, legible on a light and on a dark palette.
    ui::setLegibleColors(lbNoSdCard, present ? kGreen : kRed);
    lbNoSdCard->setText(present ? tr("SD CARD OK") : tr("NO SD CARD"));
    btCue->setEnabled(present);
}

void TMainForm::setStatus(const QString &text) {
    statusPanel0->setText(text);
}

// ---- Commands and windows ---------------------------------------------------------------------

void TMainForm::showDeviceMenu(const QPoint &pos) {
    if (CDS1->rowCount() == 0)
        return;
    QMenu menu(this);
    menu.setToolTipsVisible(true);
    menu.addAction(PopupMenu11);
    // The menu acts on the device it was opened for, whatever rows replies add while it is open.
    menuDevice_ = selectedDevice();
    menu.exec(DBGrid1->viewport()->mapToGlobal(pos));
    menuDevice_ = DeviceRef();
}

void TMainForm::PopupMenu11Click() {
    if (CDS1->rowCount() > 0)
        sendToDevice(menuDevice_.isNull() ? selectedDevice() : menuDevice_, wire::restoreDefaultsCommand());
}

void TMainForm::openConfiguration(QDialog *window) {
    if (!window || CDS1->rowCount() == 0)
        return;
    // The configuration goes to the device the window was shown for and saved into, even when a
    // reply has meanwhile added a row and made it current.
    DeviceRef device = selectedDevice();
    const int result = window->exec();
    if (auto *dialog = qobject_cast<ui::DeviceDialog *>(window))
        device = dialog->device();
    if (result == ResultOk)
        sendConfiguration(device);
}

void TMainForm::btLiveRecordClick() {
    if (!peers_.liveRecord || CDS1->rowCount() == 0)
        return;
    hide();
    peers_.liveRecord->exec(); // the live recording window shows the main window again when it closes
    if (!isVisible())
        show();
}

} // namespace zentri
