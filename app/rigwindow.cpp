#include "rigwindow.h"
#include "device/configfile.h"
#include "device/discovery.h"
#include "device/files.h"
#include "device/protocol.h"
#include "mainwindow.h"
#include "readdressdialog.h"
#include "rig/patch.h"
#include "ui/legibility.h"
#include "ui/messages.h"
#include "ui/placement.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace zentri {

namespace {
// A device that was just sent its configuration gets a moment to store it before it is asked again.
constexpr int kSettleMs = 300;
// Replies are shown together once they stop coming for this long.
constexpr int kRefreshMs = 50;

const QString kRigFilter = QStringLiteral("Zentri rig (*.json);;All files (*)");

QColor stateColour(rig::State state) {
    switch (state) {
    case rig::State::InSync:
        return QColor(198, 239, 206);
    case rig::State::Differs:
        return QColor(255, 229, 153);
    case rig::State::Missing:
        return QColor(255, 199, 206);
    case rig::State::NotInRig:
        return QColor(197, 217, 241);
    case rig::State::Duplicate:
        return QColor(228, 208, 245);
    }
    return {};
}

QString firstUpper(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}
} // namespace

// The table's rows: the rig's devices in the rig's order, then the devices not in the rig. Each
// cell's sort key is kept apart from its text (the state's order, the time last seen).
class RigTable : public QAbstractTableModel {
public:
    enum Column { State, Device, Mac, Ip, Firmware, Module, SdCard, LastSeen, Differences, ColumnCount };
    static constexpr int kSortRole = Qt::UserRole;

    struct Line {
        rig::State state = rig::State::Missing;
        QString texts[ColumnCount];
        QDateTime seen;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setLines(QVector<Line> lines) {
        beginResetModel();
        lines_ = std::move(lines);
        endResetModel();
    }

    const Line &line(int row) const { return lines_[row]; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : ColumnCount;
    }

    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid() || index.row() >= lines_.size())
            return {};
        const Line &l = lines_[index.row()];
        const int c = index.column();
        switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return l.texts[c];
        case Qt::AccessibleTextRole:
            // The state is read with every row, whatever column the reader is on.
            return c == State ? l.texts[c] : l.texts[c] + QStringLiteral(", ") + l.texts[State];
        case Qt::AccessibleDescriptionRole:
            return l.texts[Differences];
        case Qt::BackgroundRole:
            return c == State ? QVariant(QBrush(stateColour(l.state))) : QVariant();
        case Qt::ForegroundRole:
            return c == State ? QVariant(QBrush(Qt::black)) : QVariant();
        case kSortRole:
            if (c == State)
                return static_cast<int>(l.state);
            if (c == LastSeen)
                return l.seen.isValid() ? l.seen.toMSecsSinceEpoch() : qint64(0);
            return l.texts[c];
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const char *const titles[ColumnCount] = {
            QT_TRANSLATE_NOOP("zentri::RigWindow", "State"),
            QT_TRANSLATE_NOOP("zentri::RigWindow", "Device"),
            QT_TRANSLATE_NOOP("zentri::RigWindow", "MAC"),
            QT_TRANSLATE_NOOP("zentri::RigWindow", "IP"),
            QT_TRANSLATE_NOOP("zentri::RigWindow", "Firmware"),
            QT_TRANSLATE_NOOP("zentri::RigWindow", "Module version"),
            QT_TRANSLATE_NOOP("zentri::RigWindow", "SD card"),
            QT_TRANSLATE_NOOP("zentri::RigWindow", "Last seen"),
            QT_TRANSLATE_NOOP("zentri::RigWindow", "Differences")};
        return RigWindow::tr(titles[section]);
    }

private:
    QVector<Line> lines_;
};

RigWindow::RigWindow(TMainForm *main, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      main_(main), paced_(new PacedDiscovery(*main->listener(), this)), round_(new QTimer(this)),
      model_(new RigTable(this)), sorted_(new QSortFilterProxyModel(this)) {
    setObjectName(QStringLiteral("RigWindow"));
    setWindowTitle(QStringLiteral("Zentri rig"));
    setModal(true);
    setSizeGripEnabled(true);
    round_->setSingleShot(true);
    connect(round_, &QTimer::timeout, this, [this] {
        closeRound();
        // The next round starts in an event-loop pass of its own, so that other events (the GUI's
        // timers, painting) get a turn between closing one round and starting the next.
        if (cbWatch->isChecked() && isVisible())
            QTimer::singleShot(0, this, [this] {
                if (cbWatch->isChecked() && isVisible() && !roundOpen_)
                    startRound();
            });
    });
    buildControls();
    connect(main_, &TMainForm::devicesListed, this, &RigWindow::devicesListed);
    connect(main_, &TMainForm::sdCardReported, this, &RigWindow::sdCardReported);
    updateTitle();
    refresh();
}

void RigWindow::buildControls() {
    // A button that calls `act` when pressed; the buttons are made in their tab order.
    auto button = [this](const QString &caption, const char *name, void (RigWindow::*act)()) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, act);
        return b;
    };
    auto *layout = new QVBoxLayout(this);
    lbRig = new QLabel(this);
    lbRig->setObjectName(QStringLiteral("lbRig"));
    lbRig->setAccessibleDescription(tr("The rig and its file"));
    layout->addWidget(lbRig);

    sorted_->setSourceModel(model_);
    sorted_->setSortRole(RigTable::kSortRole);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setAccessibleName(tr("Devices of the rig and devices found"));
    grid_->setModel(sorted_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSortingEnabled(true);
    grid_->sortByColumn(-1, Qt::AscendingOrder); // the rig's order until the user sorts
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setWordWrap(false);
    // Column widths as the table defines them at the default font, grown with a larger one.
    const int widths[] = {90, 150, 130, 110, 70, 110, 70, 150};
    const double scale = ui::fontScale(this);
    for (int c = 0; c < RigTable::Differences; ++c)
        grid_->setColumnWidth(c, int(std::lround(widths[c] * scale)));
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &RigWindow::updateButtons);
    layout->addWidget(grid_, 3);

    auto *find = new QHBoxLayout;
    find->addWidget(button(tr("Find devices"), "btFindDevices", &RigWindow::findDevices));
    cbWatch = new QCheckBox(tr("Watch every"), this);
    cbWatch->setObjectName(QStringLiteral("cbWatch"));
    seInterval = new QSpinBox(this);
    seInterval->setObjectName(QStringLiteral("seInterval"));
    seInterval->setRange(rig::kMinInterval, rig::kMaxInterval);
    seInterval->setValue(rig::kDefaultInterval);
    seInterval->setSuffix(tr(" s"));
    seInterval->setAccessibleName(tr("Seconds between two discoveries while watching"));
    find->addSpacing(12);
    find->addWidget(cbWatch);
    find->addWidget(seInterval);
    find->addStretch(1);
    btSend = button(tr("Send rig configuration..."), "btSend", &RigWindow::sendRigConfiguration);
    btTake = button(tr("Take device configuration"), "btTake", &RigWindow::takeDeviceConfiguration);
    btReplace = button(tr("Replace with..."), "btReplace", &RigWindow::replaceWith);
    btCapture = button(tr("Capture"), "btCapture", &RigWindow::capture);
    for (QPushButton *b : {btSend, btTake, btReplace, btCapture})
        find->addWidget(b);
    layout->addLayout(find);

    auto *patch = new QHBoxLayout;
    patch->addWidget(button(tr("Show patch..."), "btShowPatch", &RigWindow::showPatch));
    btReaddress = button(tr("Readdress..."), "btReaddress", &RigWindow::readdress);
    btReaddress->setToolTip(tr("Give the selected devices' outputs or audio player consecutive channels"));
    patch->addWidget(btReaddress);
    patch->addWidget(button(tr("Export report..."), "btExportReport", &RigWindow::exportReport));
    patch->addStretch(1);
    layout->addLayout(patch);

    auto *eventsTitle = new QLabel(tr("Events"), this);
    layout->addWidget(eventsTitle);
    lbEvents = new QListWidget(this);
    lbEvents->setObjectName(QStringLiteral("lbEvents"));
    lbEvents->setAccessibleName(tr("Events"));
    eventsTitle->setBuddy(lbEvents);
    layout->addWidget(lbEvents, 1);

    auto *bottom = new QHBoxLayout;
    lbStatus = new QLabel(this);
    lbStatus->setObjectName(QStringLiteral("lbStatus"));
    lbStatus->setAccessibleDescription(tr("What the last discovery found"));
    lbStatus->setWordWrap(true);
    bottom->addWidget(lbStatus, 1);
    bottom->addWidget(button(tr("Save events..."), "btSaveEvents", &RigWindow::saveEvents));
    bottom->addWidget(button(tr("Close"), "btClose", &QDialog::reject));
    layout->addLayout(bottom);

    connect(cbWatch, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !roundOpen_ && isVisible())
            startRound();
    });
    resize(int(1100 * scale), int(620 * scale));
}

// ---- Showing and closing ----------------------------------------------------------------------

void RigWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ui::centerOnScreen(this);
    updateTitle();
    refresh();
    // What the devices hold now: a discovery at each showing.
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !roundOpen_)
            startRound();
    });
}

void RigWindow::done(int result) {
    // Replies still coming are listed by the main window, as after its own "Find devices".
    round_->stop();
    roundOpen_ = false;
    paced_->start({});
    if (confirming_ || !pending_.isEmpty())
        reportPending();
    QDialog::done(result);
}

// ---- Discoveries ------------------------------------------------------------------------------

void RigWindow::findDevices() {
    startRound();
}

void RigWindow::startRound() {
    if (roundOpen_)
        closeRound();
    roundOpen_ = true;
    sdAsked_.clear();
    sdAskedUpTo_ = 0;
    roundSdCards_.clear();
    round_->start(seInterval->value() * 1000);
    lbStatus->setText(tr("Searching..."));
    // The main window's own discovery: its table is refilled as by its "Find devices".
    main_->findDevices();
    QString error;
    QVector<QHostAddress> extra;
    for (const AddressRange &r : rig::addressRanges(rig_, &error))
        extra << r.addresses;
    QVector<BroadcastInterface> ways;
    if (main_->discoveryAddress() == QHostAddress(QHostAddress::Broadcast))
        ways = broadcastInterfaces(systemInterfaces());
    paced_->start(beyondBroadcast(extra, ways));
    refresh();
}

void RigWindow::closeRound() {
    if (!roundOpen_)
        return;
    roundOpen_ = false;
    round_->stop();
    lastRound_ = main_->devices();
    const QDateTime now = QDateTime::currentDateTime();
    addEvents(watch_.poll(now, lastRound_));
    for (auto it = roundSdCards_.cbegin(); it != roundSdCards_.cend(); ++it)
        addEvents(watch_.sdCard(now, it.key(), it.value()));
    if (confirming_)
        reportPending();
    refresh();
}

void RigWindow::devicesListed() {
    if (!isVisible() || !roundOpen_)
        return;
    askSdCards();
    if (confirming_)
        checkPending();
    if (!lbStatus->property("refreshing").toBool()) {
        lbStatus->setProperty("refreshing", true);
        QTimer::singleShot(kRefreshMs, this, [this] {
            lbStatus->setProperty("refreshing", false);
            refresh();
        });
    }
}

void RigWindow::askSdCards() {
    // Each device that answered is asked for its SD card, once a round, at most kSdPerPass in one
    // event-loop pass: a thousand answers at once do not hold the GUI thread for all their queries.
    constexpr int kSdPerPass = 100;
    const DeviceArray devices = main_->devices();
    int sent = 0;
    for (; sdAskedUpTo_ < devices.size() && sent < kSdPerPass; ++sdAskedUpTo_) {
        const QString &ip = devices[sdAskedUpTo_].IP;
        if (sdAsked_.contains(ip))
            continue;
        sdAsked_ << ip;
        ++sent;
        QString ignored; // the SD card column stays empty: the reply never comes
        main_->sendToAddress(QHostAddress(ip), wire::sdCardQuery(), &ignored);
    }
    if (sdAskedUpTo_ < devices.size())
        QTimer::singleShot(0, this, [this] {
            if (roundOpen_ && isVisible())
                askSdCards();
        });
}

void RigWindow::sdCardReported(const QHostAddress &sender, bool present) {
    if (!isVisible() || !roundOpen_)
        return;
    roundSdCards_.insert(QHostAddress(sender.toIPv4Address()).toString(), present);
    devicesListed();
}

QVector<recUrzadzenia> RigWindow::answersShown() const {
    QVector<recUrzadzenia> answers = main_->devices();
    if (!roundOpen_)
        return answers;
    // While a round is under way, a device that answered the last one stands as it did then until it
    // answers again or the round ends without it.
    QSet<QString> macs;
    for (const recUrzadzenia &a : answers)
        macs.insert(a.MAC);
    for (const recUrzadzenia &a : lastRound_)
        if (!macs.contains(a.MAC))
            answers.append(a);
    return answers;
}

// ---- The table --------------------------------------------------------------------------------

void RigWindow::refresh() {
    rows_ = rig::compare(rig_, answersShown());
    QHash<QString, const rig::Watch::Device *> watched;
    for (const rig::Watch::Device &d : watch_.devices())
        watched.insert(d.mac, &d);
    QVector<RigTable::Line> lines;
    lines.reserve(rows_.size());
    int counts[5] = {};
    for (const rig::Row &row : rows_) {
        RigTable::Line l;
        l.state = row.state;
        ++counts[static_cast<int>(row.state)];
        const recUrzadzenia *shown = row.device ? &*row.device : &rig_.devices[row.entry];
        l.texts[RigTable::State] = rig::stateText(row.state);
        l.texts[RigTable::Device] = row.name(rig_);
        l.texts[RigTable::Mac] = row.mac;
        l.texts[RigTable::Ip] = row.ips.join(QStringLiteral(", "));
        l.texts[RigTable::Firmware] = shown->FWVer;
        l.texts[RigTable::Module] = wire::moduleVersionName(shown->ZentriVersion);
        std::optional<bool> card;
        if (row.device && roundSdCards_.contains(row.device->IP))
            card = roundSdCards_.value(row.device->IP);
        if (const rig::Watch::Device *d = watched.value(row.mac)) {
            if (!card && row.device)
                card = d->sdCard;
            l.seen = d->lastSeen;
            l.texts[RigTable::LastSeen] =
                d->lastSeen.isValid()
                    ? QStringLiteral("%1, %2").arg(rig::presenceText(d->presence),
                                                   d->lastSeen.toString(QStringLiteral("HH:mm:ss")))
                    : rig::presenceText(d->presence);
        } else {
            l.texts[RigTable::LastSeen] = row.device ? tr("answering") : tr("never");
        }
        if (card)
            l.texts[RigTable::SdCard] = *card ? tr("present") : tr("none");
        l.texts[RigTable::Differences] = row.detail();
        lines.append(l);
    }
    const QStringList selected = selectedMacs();
    model_->setLines(lines);
    selectMacs(selected);

    QStringList parts;
    for (rig::State s : {rig::State::InSync, rig::State::Differs, rig::State::Missing, rig::State::NotInRig,
                         rig::State::Duplicate})
        if (counts[static_cast<int>(s)] > 0)
            parts << QStringLiteral("%1 %2").arg(counts[static_cast<int>(s)]).arg(rig::stateText(s));
    QString status =
        parts.isEmpty() ? tr("No device in the rig, none found") : parts.join(QStringLiteral(", "));
    if (roundOpen_)
        status = tr("Searching... %1").arg(status);
    if (confirming_)
        status = tr("Confirming what was sent... %1").arg(status);
    lbStatus->setText(status);
    updateButtons();
}

QStringList RigWindow::selectedMacs() const {
    QStringList macs; // in the table's order, as the user sees them
    const QItemSelectionModel *selection = grid_->selectionModel();
    for (int r = 0; r < sorted_->rowCount(); ++r)
        if (selection->isRowSelected(r, QModelIndex()))
            macs << sorted_->index(r, RigTable::Mac).data().toString();
    return macs;
}

void RigWindow::selectMacs(const QStringList &macs) {
    QItemSelection selection;
    for (int r = 0; r < sorted_->rowCount(); ++r)
        if (macs.contains(sorted_->index(r, RigTable::Mac).data().toString()))
            selection.select(sorted_->index(r, 0), sorted_->index(r, RigTable::ColumnCount - 1));
    grid_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

const rig::Row *RigWindow::rowOf(const QString &mac) const {
    for (const rig::Row &r : rows_)
        if (r.mac == mac)
            return &r;
    return nullptr;
}

void RigWindow::updateButtons() {
    const bool idle = !confirming_ && pending_.isEmpty();
    const auto chosen = selectedMacs().size();
    btSend->setEnabled(idle);
    btTake->setEnabled(idle && chosen > 0);
    btReplace->setEnabled(idle && chosen == 1);
    btCapture->setEnabled(idle);
    btReaddress->setEnabled(idle && chosen > 0);
}

void RigWindow::updateTitle() {
    QString text = tr("Rig \"%1\"").arg(rig_.name);
    text += path_.isEmpty() ? tr(", in no file") : QStringLiteral(": %1").arg(path_);
    if (modified_)
        text += tr(" (changed, not saved)");
    text += tr("; %n device(s)", nullptr, static_cast<int>(rig_.devices.size()));
    if (!rig_.addresses.isEmpty())
        text += tr("; also asks %1").arg(rig_.addresses.join(QStringLiteral(", ")));
    lbRig->setText(text);
}

// ---- Events -----------------------------------------------------------------------------------

void RigWindow::addEvents(const QVector<rig::Event> &events) {
    for (const rig::Event &e : events)
        addEvent(e.event, e.mac, e.name, e.ip, e.detail);
}

void RigWindow::addEvent(const QString &word, const QString &mac, const QString &name, const QString &ip,
                         const QString &detail) {
    const rig::Event e{QDateTime::currentDateTime(), word, mac, name, ip, detail};
    events_ << e.line();
    auto *item = new QListWidgetItem(
        QStringList{e.time.toString(QStringLiteral("HH:mm:ss")), word, mac, name, ip, detail}.join(
            QStringLiteral("  ")),
        lbEvents);
    item->setToolTip(e.line());
    lbEvents->scrollToBottom();
}

void RigWindow::saveEvents() {
    const QString path =
        chooseFile(this, tr("Save events"), "eventsFileDialog", tr("Text (*.txt);;All files (*)"),
                   QStringLiteral("txt"), QStringLiteral("rig-events.txt"));
    if (path.isEmpty())
        return;
    QString error;
    const QByteArray text = events_.isEmpty() ? QByteArray() : (events_.join('\n') + '\n').toUtf8();
    if (!files::writeAtomically(path, text, false, &error))
        ui::showMessage(this, firstUpper(error));
}

// ---- The rig and its file ---------------------------------------------------------------------

void RigWindow::setRig(const rig::Rig &rig, const QString &path, bool modified) {
    rig_ = rig;
    path_ = path;
    watch_ = rig::Watch();
    setModified(modified);
}

void RigWindow::setModified(bool modified) {
    modified_ = modified;
    watch_.expect(rig_.devices);
    updateTitle();
    refresh();
    emit rigChanged();
}

bool RigWindow::dropChanges() {
    if (!modified_)
        return true;
    return ui::ask(isVisible() ? this : parentWidget(), windowTitle(), "dropChangesBox",
                   tr("The rig \"%1\" has changes that are not saved. Drop them?").arg(rig_.name));
}

void RigWindow::newFromDevicesFound() {
    if (main_->devices().isEmpty()) {
        ui::showMessage(main_, tr("No device is listed: press \"Find devices\" first."));
        return;
    }
    if (!dropChanges())
        return;
    setRig(rig::capture(tr("New rig"), main_->devices()), QString(), true);
}

bool RigWindow::open(const QString &path, QString *error) {
    const auto text = files::readWhole(path, rig::kMaxFileSize, error);
    if (!text) {
        *error = firstUpper(*error);
        return false;
    }
    rig::Parsed parsed = rig::parse(*text);
    if (!parsed.rig) {
        *error = QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), parsed.error);
        return false;
    }
    setRig(*parsed.rig, path, false);
    return true;
}

void RigWindow::openWithDialog() {
    if (!dropChanges())
        return;
    const QString path = chooseFile(main_, tr("Open rig"), "rigFileDialog", kRigFilter);
    if (path.isEmpty())
        return;
    QString error;
    if (!open(path, &error))
        ui::showMessage(main_, error);
}

bool RigWindow::writeTo(const QString &path) {
    QString error;
    if (!files::writeAtomically(path, rig::write(rig_), false, &error)) {
        ui::showMessage(isVisible() ? static_cast<QWidget *>(this) : main_, firstUpper(error));
        return false;
    }
    path_ = path;
    modified_ = false;
    updateTitle();
    emit rigChanged();
    return true;
}

bool RigWindow::save() {
    return path_.isEmpty() ? saveAs() : writeTo(path_);
}

bool RigWindow::saveAs() {
    const QString path =
        chooseFile(isVisible() ? static_cast<QWidget *>(this) : main_, tr("Save rig"), "rigFileDialog",
                   kRigFilter, QStringLiteral("json"), path_.isEmpty() ? QStringLiteral("rig.json") : path_);
    return !path.isEmpty() && writeTo(path);
}

// ---- Acting on the rig ------------------------------------------------------------------------

namespace {
QString changesText(const recUrzadzenia &device, const recUrzadzenia &entry) {
    const QVector<configfile::Difference> changes = configfile::differencesForPeople(device, entry);
    QString text = QObject::tr("%n setting(s) change", nullptr, static_cast<int>(changes.size()));
    if (!changes.isEmpty())
        text += QStringLiteral(": ") + configfile::labelledList(changes, QStringLiteral("%1 %2 -> %3"));
    const int notOffered = static_cast<int>(configfile::changesNotOffered(device, entry).size());
    if (notOffered > 0)
        text +=
            QObject::tr(" (%1 of them not offered by the windows for its Standard module)").arg(notOffered);
    return text;
}
} // namespace

void RigWindow::sendRigConfiguration() {
    const QStringList chosen = selectedMacs();
    QVector<Pending> sends;
    QStringList lines, skipped;
    for (const rig::Row &row : rows_) {
        if (chosen.isEmpty() ? row.state != rig::State::Differs : !chosen.contains(row.mac))
            continue;
        const QString name = row.name(rig_);
        if (row.entry < 0) {
            skipped << tr("%1 (%2): not in the rig").arg(name, row.mac);
            continue;
        }
        if (row.state == rig::State::Missing) {
            skipped << tr("%1 (%2): missing").arg(name, row.mac);
            continue;
        }
        if (row.state == rig::State::Duplicate) {
            skipped << tr("%1 (%2): %3").arg(name, row.mac, row.detail());
            continue;
        }
        if (!wire::firmwareSupported(row.device->FWVer)) {
            skipped << tr("%1 (%2): firmware %3: %4")
                           .arg(name, row.mac, row.device->FWVer, QLatin1String(wire::kFirmwareTooOld));
            continue;
        }
        Pending p{row.mac, name, row.device->IP, *row.device}; // the device's own module version stays
        configfile::applyConfiguration(rig_.devices[row.entry], p.expected);
        lines << QStringLiteral("%1 (%2, %3): %4")
                     .arg(name, row.mac, p.ip, changesText(*row.device, p.expected));
        sends << p;
    }
    const QString notSent =
        skipped.isEmpty() ? QString() : tr("\n\nNothing is sent to:\n") + skipped.join('\n');
    if (sends.isEmpty()) {
        ui::showMessage(this, (chosen.isEmpty() ? tr("No device differs from the rig: nothing to send.")
                                                : tr("Nothing to send to the devices chosen.")) +
                                  notSent);
        return;
    }
    const QString question =
        tr("Send the rig's configuration to %n device(s)?", nullptr, static_cast<int>(sends.size())) +
        QStringLiteral("\n\n") + lines.join('\n') + notSent;
    if (!ui::ask(this, windowTitle(), "sendRigBox", question))
        return;
    sendAndConfirm(sends);
}

void RigWindow::takeDeviceConfiguration() {
    const QStringList chosen = selectedMacs();
    QStringList skipped;
    bool changed = false;
    for (const QString &mac : chosen) {
        const rig::Row *row = rowOf(mac);
        if (!row)
            continue;
        const QString name = row->name(rig_);
        if (row->state == rig::State::Missing || row->state == rig::State::Duplicate || !row->device) {
            skipped << tr("%1 (%2): %3").arg(name, mac, rig::stateText(row->state));
            continue;
        }
        const recUrzadzenia device = *row->device;
        if (row->entry < 0) {
            rig_.devices.append(device);
            addEvent(tr("taken"), mac, name, device.IP, tr("added to the rig"));
        } else {
            recUrzadzenia &entry = rig_.devices[row->entry];
            const QString detail = changesText(entry, device);
            configfile::applyConfiguration(device, entry);
            entry.IP = device.IP;
            entry.FWVer = device.FWVer;
            addEvent(tr("taken"), mac, name, device.IP, detail);
        }
        changed = true;
    }
    if (changed)
        setModified();
    if (!skipped.isEmpty())
        ui::showMessage(this, tr("Nothing taken from:\n") + skipped.join('\n'));
}

void RigWindow::replaceWith() {
    const QStringList chosen = selectedMacs();
    const rig::Row *picked = chosen.size() == 1 ? rowOf(chosen.first()) : nullptr;
    if (!picked || (picked->state != rig::State::Missing && picked->state != rig::State::NotInRig)) {
        ui::showMessage(this, tr("Select one device that is \"missing\", or one that is \"not in rig\"."));
        return;
    }
    const bool fromMissing = picked->state == rig::State::Missing;
    const rig::State other = fromMissing ? rig::State::NotInRig : rig::State::Missing;
    QStringList items, macs;
    for (const rig::Row &r : rows_)
        if (r.state == other) {
            items << QStringLiteral("%1 (%2%3)")
                         .arg(r.name(rig_), r.mac,
                              r.device ? QStringLiteral(", ") + r.device->IP : QString());
            macs << r.mac;
        }
    if (items.isEmpty()) {
        ui::showMessage(this, fromMissing ? tr("No device that is \"not in rig\" answered.")
                                          : tr("No device of the rig is \"missing\"."));
        return;
    }
    const QString pickedMac = picked->mac; // rows_ may change while the list is open
    QInputDialog choose(this);
    choose.setObjectName(QStringLiteral("replaceWithDialog"));
    choose.setWindowTitle(tr("Replace with..."));
    choose.setLabelText(fromMissing ? tr("The device that takes the place of %1:").arg(pickedMac)
                                    : tr("The rig entry that %1 takes over:").arg(pickedMac));
    choose.setComboBoxItems(items);
    choose.setComboBoxEditable(false);
    if (choose.exec() != QDialog::Accepted)
        return;
    const QString otherMac = macs.value(items.indexOf(choose.textValue()));
    const QString oldMac = fromMissing ? pickedMac : otherMac;
    const QString newMac = fromMissing ? otherMac : pickedMac;
    const rig::Row *oldRow = rowOf(oldMac);
    const rig::Row *newRow = rowOf(newMac);
    if (!oldRow || !newRow || oldRow->state != rig::State::Missing || newRow->state != rig::State::NotInRig) {
        ui::showMessage(this, tr("The devices changed while the list was open; nothing was sent."));
        return;
    }
    const recUrzadzenia device = *newRow->device;
    if (!wire::firmwareSupported(device.FWVer)) {
        ui::showMessage(this, QString::fromLatin1(wire::kFirmwareTooOld));
        return;
    }
    const recUrzadzenia entry = rig_.devices[oldRow->entry];
    Pending p{newMac, entry.Nazwa, device.IP, device, oldRow->entry, oldMac};
    configfile::applyConfiguration(entry, p.expected);
    const QString question =
        tr("Give the rig entry \"%1\" (%2) to the device %3 at %4?\n\n"
           "It is sent the entry's configuration: %5.\n\n"
           "Once it reports that configuration, the entry's MAC becomes %3 "
           "and its name stays.")
            .arg(entry.Nazwa, oldMac, newMac, device.IP, changesText(device, p.expected));
    if (!ui::ask(this, windowTitle(), "replaceBox", question))
        return;
    sendAndConfirm({p});
}

void RigWindow::capture() {
    if (answersShown().isEmpty()) {
        ui::showMessage(this, tr("No device answered: press \"Find devices\" first."));
        return;
    }
    if (!dropChanges())
        return;
    rig::Rig captured = rig::capture(rig_.name.isEmpty() ? tr("New rig") : rig_.name, answersShown());
    captured.addresses = rig_.addresses; // the devices behind a router answered through them
    setRig(captured, QString(), true);
}

// ---- Sending and confirming -------------------------------------------------------------------

void RigWindow::sendAndConfirm(const QVector<Pending> &sends) {
    // The round under way holds answers from before the send: it ends here, and a new one confirms.
    closeRound();
    pending_.clear();
    QStringList failed;
    for (const Pending &p : sends) {
        QString error;
        if (main_->sendToAddress(QHostAddress(p.ip), wire::configurationPacket(p.expected), &error)) {
            pending_ << p;
            addEvent(tr("sent"), p.mac, p.name, p.ip, QString());
        } else {
            failed << QStringLiteral("%1 (%2): %3").arg(p.name, p.mac, error);
            addEvent(tr("not sent"), p.mac, p.name, p.ip, error);
        }
    }
    updateButtons();
    if (!failed.isEmpty())
        ui::showMessage(this, tr("Not sent:\n") + failed.join('\n'));
    if (pending_.isEmpty())
        return;
    QTimer::singleShot(kSettleMs, this, [this] {
        if (!isVisible() || pending_.isEmpty())
            return;
        startRound();
        confirming_ = true;
        refresh();
    });
}

void RigWindow::checkPending() {
    const DeviceArray answers = main_->devices();
    for (Pending &p : pending_) {
        if (p.answered && p.reported.isEmpty())
            continue; // confirmed
        for (const recUrzadzenia &a : answers) {
            if (a.MAC != p.mac)
                continue;
            p.answered = true;
            p.reported = configfile::labelledList(configfile::differencesForPeople(p.expected, a),
                                                  tr("%1 sent %2, reported %3"));
            if (p.reported.isEmpty())
                break;
        }
    }
    if (std::all_of(pending_.cbegin(), pending_.cend(),
                    [](const Pending &p) { return p.answered && p.reported.isEmpty(); }))
        reportPending();
}

void RigWindow::reportPending() {
    confirming_ = false;
    const QVector<Pending> done = pending_;
    pending_.clear();
    QStringList confirmed, unconfirmed, replaced, readdressed;
    bool rigChanged = false;
    for (const Pending &p : done) {
        const QString who = QStringLiteral("%1 (%2, %3)").arg(p.name, p.mac, p.ip);
        if (p.answered && p.reported.isEmpty()) {
            confirmed << who;
            addEvent(tr("confirmed"), p.mac, p.name, p.ip, QString());
            const int own = rig_.indexOf(p.mac);
            if (p.newEntry && own >= 0) {
                rig_.devices[own] = *p.newEntry;
                rigChanged = true;
                readdressed << p.name;
            }
            if (!p.replacedMac.isEmpty()) {
                const int entry = rig_.indexOf(p.replacedMac);
                if (entry >= 0 && rig_.indexOf(p.mac) < 0) {
                    rig_.devices[entry].MAC = p.mac;
                    rig_.devices[entry].IP = p.ip;
                    rigChanged = true;
                    replaced
                        << tr("The rig entry \"%1\" is now the device %2 (was %3); save the rig to keep it.")
                               .arg(p.name, p.mac, p.replacedMac);
                    addEvent(tr("replaced"), p.mac, p.name, p.ip, tr("for %1").arg(p.replacedMac));
                }
            }
        } else {
            const QString why =
                p.answered ? tr("it reports other settings: %1").arg(p.reported) : tr("it did not answer");
            unconfirmed << QStringLiteral("%1: %2").arg(who, why);
            addEvent(tr("not confirmed"), p.mac, p.name, p.ip, why);
            if (!p.replacedMac.isEmpty() || p.newEntry)
                replaced << tr("The rig entry of %1 was not changed.").arg(p.name);
        }
    }
    if (rigChanged)
        setModified();
    else
        refresh();
    QStringList paragraphs;
    if (!confirmed.isEmpty())
        paragraphs << tr("Confirmed by the device:\n") + confirmed.join('\n');
    if (!unconfirmed.isEmpty())
        paragraphs << tr("Not confirmed:\n") + unconfirmed.join('\n');
    if (!replaced.isEmpty())
        paragraphs << replaced.join('\n');
    if (!readdressed.isEmpty())
        paragraphs << tr("The rig's entries took the new addresses (%1); save the rig to keep them.")
                          .arg(readdressed.join(QStringLiteral(", ")));
    // Shown once the handler or timer that ended the confirmation is over.
    QTimer::singleShot(0, main_,
                       [parent = isVisible() ? static_cast<QWidget *>(this) : main_,
                        text = paragraphs.join(QStringLiteral("\n\n"))] { ui::showMessage(parent, text); });
}

// ---- The patch, readdressing and the report ---------------------------------------------------

QVector<PatchSource> RigWindow::patchSources() const {
    PatchSource inRig{tr("Rig \"%1\"").arg(rig_.name), {}, {}, {}};
    PatchSource found{tr("Devices found"), {}, {}, {}};
    for (int i = 0; i < rows_.size() && i < model_->rowCount(); ++i) {
        const rig::Row &row = rows_[i];
        QString card = model_->line(i).texts[RigTable::SdCard];
        if (card.isEmpty())
            card = tr("not asked");
        if (row.entry >= 0) {
            inRig.devices << rig_.devices[row.entry];
            inRig.states << rig::stateText(row.state);
            inRig.sdCards << (row.device ? card : tr("not asked"));
        }
        if (row.device) {
            found.devices << *row.device;
            found.states << rig::stateText(row.state);
            found.sdCards << card;
        }
    }
    QVector<PatchSource> sources;
    if (!rig_.devices.isEmpty())
        sources << inRig;
    if (!found.devices.isEmpty() || sources.isEmpty())
        sources << found;
    return sources;
}

void RigWindow::showPatch() {
    refresh(); // the devices found may have changed since the window was last shown
    PatchWindow window(this);
    window.setSources(patchSources(), systemInterfaces());
    window.exec();
}

void RigWindow::exportReport() {
    refresh();
    PatchWindow window(this);
    window.setSources(patchSources(), systemInterfaces());
    window.exportReport();
}

void RigWindow::readdress() {
    const QStringList chosen = selectedMacs();
    QVector<recUrzadzenia> devices, entries;
    QStringList lines, skipped;
    for (const QString &mac : chosen) {
        const rig::Row *row = rowOf(mac);
        if (!row)
            continue;
        const QString name = row->name(rig_);
        if (!row->device || row->state == rig::State::Duplicate) {
            skipped << tr("%1 (%2): %3").arg(name, mac, rig::stateText(row->state));
            continue;
        }
        if (!wire::firmwareSupported(row->device->FWVer)) {
            skipped << tr("%1 (%2): firmware %3: %4")
                           .arg(name, mac, row->device->FWVer, QLatin1String(wire::kFirmwareTooOld));
            continue;
        }
        devices << *row->device;
        // The rig's entry takes only the new addresses; a device not in the rig stands for itself.
        entries << (row->entry >= 0 ? rig_.devices[row->entry] : *row->device);
        lines << QStringLiteral("%1 (%2, %3)").arg(name, mac, row->device->IP);
    }
    const QString notReaddressed =
        skipped.isEmpty() ? QString() : tr("Not readdressed:\n") + skipped.join('\n');
    if (devices.isEmpty()) {
        ui::showMessage(this, tr("Select devices that answered the last discovery.") +
                                  (skipped.isEmpty() ? QString() : QStringLiteral("\n\n") + notReaddressed));
        return;
    }
    ReaddressDialog dialog(lines, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const rig::Readdressing how = dialog.readdressing();
    QString error;
    const auto moved = rig::readdress(devices, how, &error);
    if (!moved) {
        ui::showMessage(this, error);
        return;
    }
    // The rig's entries take the same new addresses, and only those, once the devices confirm them.
    const auto movedEntries = rig::readdress(entries, how, &error);
    if (!movedEntries) {
        ui::showMessage(this, tr("The rig's entries cannot take these addresses: %1").arg(error));
        return;
    }

    // The patch as it will be: the rig's entries and the devices found, with the new addresses.
    QVector<PatchSource> sources = patchSources();
    QStringList changes, unchanged;
    int sending = 0;
    for (int k = 0; k < devices.size(); ++k) {
        const QVector<configfile::Difference> diff =
            configfile::differencesForPeople(devices[k], (*moved)[k]);
        if (diff.isEmpty())
            unchanged << lines[k];
        else
            changes << QStringLiteral("%1: %2").arg(
                lines[k], configfile::labelledList(diff, QStringLiteral("%1 %2 -> %3")));
        sending += !diff.isEmpty();
        for (int s = 0; s < sources.size(); ++s)
            for (recUrzadzenia &d : sources[s].devices)
                if (d.MAC == devices[k].MAC)
                    configfile::applyConfiguration(
                        s == 0 && !rig_.devices.isEmpty() ? (*movedEntries)[k] : (*moved)[k], d);
    }
    if (sending == 0) {
        ui::showMessage(this, tr("The devices chosen already have these addresses: nothing to send."));
        return;
    }
    if (!unchanged.isEmpty())
        changes << QString() << tr("Already at these addresses, nothing sent:\n") + unchanged.join('\n');
    if (!skipped.isEmpty())
        changes << QString() << notReaddressed;
    PatchWindow preview(this);
    preview.setSources(sources, systemInterfaces());
    preview.setPreview(changes);
    if (preview.exec() != QDialog::Accepted)
        return;

    // Replies handled while the patch was shown may have changed the devices: send only to what was shown.
    QVector<Pending> sends;
    for (int k = 0; k < devices.size(); ++k) {
        const rig::Row *row = rowOf(devices[k].MAC);
        if (!row || !row->device || *row->device != devices[k]) {
            ui::showMessage(this,
                            tr("%1 changed while the new patch was shown; nothing was sent.").arg(lines[k]));
            return;
        }
        if ((*moved)[k] == devices[k])
            continue;
        Pending p{devices[k].MAC, row->name(rig_), devices[k].IP, (*moved)[k]};
        if (row->entry >= 0)
            p.newEntry = (*movedEntries)[k];
        sends << p;
    }
    sendAndConfirm(sends);
}

} // namespace zentri
