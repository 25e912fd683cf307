#include "patchwindow.h"
#include "rig/report.h"
#include "ui/messages.h"
#include "ui/placement.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <functional>

namespace zentri {

namespace {
constexpr int kColumns = 32, kRows = 16, kChannels = kColumns * kRows;
constexpr int kSortRole = Qt::UserRole;
const QColor kConflictColour(200, 0, 0);

// A light colour of its own for each device, on which black text stays legible; the hues stay clear of
// the red of a conflict.
QColor deviceColour(int device) {
    return QColor::fromHsl(45 + (device * 97) % 250, 170, 205);
}

using rig::deviceText;
} // namespace

// One universe's 512 channels, 32 by 16 cells, each coloured by the devices that use it; a conflict
// is red with its number in bold. A cell names its uses on hover; a click picks its channel.
class UniversePicture : public QWidget {
public:
    struct Cell {
        QVector<QColor> colours; // one per device that uses the channel
        bool conflict = false;
        QString tip;
    };
    std::function<void(int)> clicked; // channel 1..512

    using QWidget::QWidget;

    void setCells(QVector<Cell> cells, int current) {
        cells_ = std::move(cells);
        current_ = current;
        update();
    }
    void setCurrent(int channel) {
        current_ = channel;
        update();
    }

    QSize cellSize() const {
        const QFontMetrics fm = fontMetrics();
        return {fm.horizontalAdvance(QStringLiteral("512")) + 10, fm.height() + 6};
    }
    QSize sizeHint() const override {
        const QSize c = cellSize();
        return {kColumns * c.width() + 1, kRows * c.height() + 1};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The channel under `point`, or 0.
    int channelAt(const QPoint &point) const {
        const QSize c = cellSize();
        const int column = point.x() / c.width(), row = point.y() / c.height();
        if (point.x() < 0 || point.y() < 0 || column >= kColumns || row >= kRows)
            return 0;
        return row * kColumns + column + 1;
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        const QSize c = cellSize();
        QFont bold = font();
        bold.setBold(true);
        for (int i = 0; i < kChannels; ++i) {
            const QRect r((i % kColumns) * c.width(), (i / kColumns) * c.height(), c.width(), c.height());
            const Cell cell = i < cells_.size() ? cells_[i] : Cell();
            if (cell.conflict) {
                p.fillRect(r, kConflictColour);
            } else if (cell.colours.isEmpty()) {
                p.fillRect(r, palette().base());
            } else {
                // Several devices on one channel: a stripe of each one's colour.
                const int n = static_cast<int>(std::min<qsizetype>(cell.colours.size(), 4));
                for (int k = 0; k < n; ++k)
                    p.fillRect(QRect(r.x() + r.width() * k / n, r.y(),
                                     r.width() * (k + 1) / n - r.width() * k / n, r.height()),
                               cell.colours[k]);
            }
            p.setPen(palette().color(QPalette::Mid));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            if (cell.conflict) {
                p.setPen(QPen(Qt::black, 2));
                p.drawRect(r.adjusted(1, 1, -2, -2));
            }
            p.setFont(cell.conflict ? bold : font());
            p.setPen(cell.conflict            ? QColor(Qt::white)
                     : cell.colours.isEmpty() ? palette().color(QPalette::Text)
                                              : QColor(Qt::black));
            p.drawText(r, Qt::AlignCenter, QString::number(i + 1));
            if (i + 1 == current_) {
                p.setPen(QPen(palette().color(QPalette::Highlight), 3));
                p.drawRect(r.adjusted(1, 1, -2, -2));
            }
        }
    }

    bool event(QEvent *e) override {
        if (e->type() == QEvent::ToolTip) {
            auto *help = static_cast<QHelpEvent *>(e);
            const int channel = channelAt(help->pos());
            if (channel == 0) {
                QToolTip::hideText();
                return true;
            }
            const QString tip = cells_.value(channel - 1).tip;
            QToolTip::showText(help->globalPos(),
                               tip.isEmpty() ? PatchWindow::tr("Channel %1: not in use").arg(channel) : tip,
                               this);
            return true;
        }
        return QWidget::event(e);
    }

    void mousePressEvent(QMouseEvent *e) override {
        const int channel = channelAt(e->position().toPoint());
        if (channel > 0 && clicked)
            clicked(channel);
    }

private:
    QVector<Cell> cells_;
    int current_ = 0;
};

// Every use of the patch, a row each; each column sorts by its own key (the channel column by NET,
// universe and channel).
class UsesModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void set(const QVector<recUrzadzenia> &devices, const rig::Patch &patch) {
        beginResetModel();
        devices_ = devices;
        uses_ = patch.uses;
        level_.fill(-1, uses_.size());
        for (const rig::Conflict &c : patch.conflicts)
            for (int u : c.uses)
                if (level_[u] < 0 || c.level < level_[u])
                    level_[u] = c.level;
        endResetModel();
    }
    const rig::Use &use(int row) const { return uses_[row]; }
    int conflictLevel(int row) const { return level_[row]; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(uses_.size());
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : PatchWindow::UsesColumnCount;
    }

    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid() || index.row() >= uses_.size())
            return {};
        const rig::Use &u = uses_[index.row()];
        const recUrzadzenia &d = devices_[u.device];
        if (role == kSortRole) {
            switch (index.column()) {
            case PatchWindow::UsesNet:
                return u.net;
            case PatchWindow::UsesUniverse:
                return u.universe;
            case PatchWindow::UsesChannel:
                return (qint64(u.net) << 40) | (qint64(u.universe) << 20) | qint64(u.channel & 0xFFFFF);
            case PatchWindow::UsesElement:
                return u.kind * 100 + u.element;
            default:
                return data(index, Qt::DisplayRole);
            }
        }
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        switch (index.column()) {
        case PatchWindow::UsesNet:
            return QString::number(u.net);
        case PatchWindow::UsesUniverse:
            return QString::number(u.universe);
        case PatchWindow::UsesChannel:
            return u.channelText();
        case PatchWindow::UsesDevice:
            return d.Nazwa;
        case PatchWindow::UsesMac:
            return d.MAC;
        case PatchWindow::UsesIp:
            return d.IP;
        case PatchWindow::UsesElement:
            return u.elementText();
        case PatchWindow::UsesInput:
            return rig::inputText(d);
        case PatchWindow::UsesConflict:
            return level_[index.row()] < 0
                       ? QString()
                       : rig::Conflict::levelText(static_cast<rig::Conflict::Level>(level_[index.row()]));
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const char *const titles[PatchWindow::UsesColumnCount] = {
            QT_TRANSLATE_NOOP("zentri::PatchWindow", "NET"),
            QT_TRANSLATE_NOOP("zentri::PatchWindow", "Universe"),
            QT_TRANSLATE_NOOP("zentri::PatchWindow", "Channel"),
            QT_TRANSLATE_NOOP("zentri::PatchWindow", "Device"),
            QT_TRANSLATE_NOOP("zentri::PatchWindow", "MAC"),
            QT_TRANSLATE_NOOP("zentri::PatchWindow", "IP"),
            QT_TRANSLATE_NOOP("zentri::PatchWindow", "Element"),
            QT_TRANSLATE_NOOP("zentri::PatchWindow", "Input followed"),
            QT_TRANSLATE_NOOP("zentri::PatchWindow", "Conflict")};
        return PatchWindow::tr(titles[section]);
    }

private:
    QVector<recUrzadzenia> devices_;
    QVector<rig::Use> uses_;
    QVector<int> level_; // the worst conflict of each use, or -1
};

PatchWindow::PatchWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      uses_(new UsesModel(this)), sortedUses_(new QSortFilterProxyModel(this)) {
    setObjectName(QStringLiteral("PatchWindow"));
    setWindowTitle(tr("Zentri patch"));
    setModal(true);
    setSizeGripEnabled(true);
    buildControls();
}

void PatchWindow::buildControls() {
    auto *layout = new QVBoxLayout(this);

    lbChanges = new QLabel(
        tr("Nothing is sent until you press \"Send\". The patch below is as it will be with these changes:"),
        this);
    lbChanges->setWordWrap(true);
    meChanges = new QPlainTextEdit(this);
    meChanges->setObjectName(QStringLiteral("meChanges"));
    meChanges->setReadOnly(true);
    meChanges->setAccessibleName(tr("Changes to send"));
    meChanges->setMaximumHeight(fontMetrics().height() * 6);
    lbChanges->setBuddy(meChanges);
    lbChanges->hide();
    meChanges->hide();
    layout->addWidget(lbChanges);
    layout->addWidget(meChanges);

    auto *top = new QHBoxLayout;
    lbSource = new QLabel(tr("&Patch of:"), this);
    cbSource = new QComboBox(this);
    cbSource->setObjectName(QStringLiteral("cbSource"));
    lbSource->setBuddy(cbSource);
    auto *universeTitle = new QLabel(tr("&Universe:"), this);
    cbUniverse = new QComboBox(this);
    cbUniverse->setObjectName(QStringLiteral("cbUniverse"));
    cbUniverse->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    universeTitle->setBuddy(cbUniverse);
    top->addWidget(lbSource);
    top->addWidget(cbSource);
    top->addSpacing(12);
    top->addWidget(universeTitle);
    top->addWidget(cbUniverse);
    top->addStretch(1);
    layout->addLayout(top);

    lbSummary = new QLabel(this);
    lbSummary->setObjectName(QStringLiteral("lbSummary"));
    lbSummary->setAccessibleDescription(tr("The patch in numbers"));
    lbSummary->setWordWrap(true);
    layout->addWidget(lbSummary);

    picture_ = new UniversePicture(this);
    picture_->setObjectName(QStringLiteral("universe"));
    picture_->setAccessibleDescription(
        tr("32 by 16 cells, one per channel, coloured by device, red where there is a conflict; the list "
           "of uses below reads the same"));
    picture_->clicked = [this](int channel) { channelClicked(channel); };
    // At large fonts the picture may not fit the screen: it scrolls, and the user shares the height
    // between it and the lists.
    auto *pictureArea = new QScrollArea(this);
    pictureArea->setObjectName(QStringLiteral("saUniverse"));
    pictureArea->setFrameShape(QFrame::NoFrame);
    pictureArea->setAlignment(Qt::AlignHCenter);
    pictureArea->setWidget(picture_);
    pictureArea->setFocusPolicy(Qt::NoFocus);
    pictureArea->setMinimumHeight(picture_->sizeHint().height() / 3);
    // Never taller than the picture with its scroll bar: the lists take the rest.
    pictureArea->setMaximumHeight(picture_->sizeHint().height() +
                                  style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
    auto *vertical = new QSplitter(Qt::Vertical, this);
    auto *picturePane = new QWidget(vertical);
    auto *pictureLayout = new QVBoxLayout(picturePane);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    pictureLayout->addWidget(pictureArea, 1);
    lbDmx = new QLabel(picturePane);
    lbDmx->setObjectName(QStringLiteral("lbDmx"));
    lbDmx->setWordWrap(true);
    pictureLayout->addWidget(lbDmx);
    vertical->addWidget(picturePane);

    auto *split = new QSplitter(Qt::Horizontal, vertical);
    auto *usesPane = new QWidget(split);
    auto *usesLayout = new QVBoxLayout(usesPane);
    usesLayout->setContentsMargins(0, 0, 0, 0);
    auto *usesTitle = new QLabel(tr("U&ses"), usesPane);
    sortedUses_->setSourceModel(uses_);
    sortedUses_->setSortRole(kSortRole);
    grUses = new QTableView(usesPane);
    grUses->setObjectName(QStringLiteral("grUses"));
    grUses->setAccessibleName(tr("Uses"));
    grUses->setModel(sortedUses_);
    grUses->setSelectionBehavior(QAbstractItemView::SelectRows);
    grUses->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grUses->setSortingEnabled(true);
    grUses->sortByColumn(UsesChannel, Qt::AscendingOrder);
    grUses->verticalHeader()->hide();
    grUses->horizontalHeader()->setStretchLastSection(true);
    grUses->setWordWrap(false);
    grUses->setTabKeyNavigation(false);
    grUses->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    {
        const QFontMetrics fm = fontMetrics();
        const char *widest[UsesColumnCount] = {"Universe",
                                               "Universe",
                                               "Channel",
                                               "Stage left box",
                                               "DD:DD:DD:DD:DD:DD",
                                               "255.255.255.255",
                                               "Audio player treble",
                                               "Input followed",
                                               "warning"};
        for (int c = 0; c < UsesColumnCount; ++c)
            grUses->setColumnWidth(c, fm.horizontalAdvance(QLatin1String(widest[c])) + 24);
    }
    usesTitle->setBuddy(grUses);
    usesLayout->addWidget(usesTitle);
    usesLayout->addWidget(grUses);
    auto *conflictsPane = new QWidget(split);
    auto *conflictsLayout = new QVBoxLayout(conflictsPane);
    conflictsLayout->setContentsMargins(0, 0, 0, 0);
    auto *conflictsTitle = new QLabel(tr("C&onflicts"), conflictsPane);
    lvConflicts = new QListWidget(conflictsPane);
    lvConflicts->setObjectName(QStringLiteral("lvConflicts"));
    lvConflicts->setAccessibleName(tr("Conflicts"));
    lvConflicts->setWordWrap(true);
    lvConflicts->setResizeMode(QListView::Adjust);
    lvConflicts->setSpacing(2);
    conflictsTitle->setBuddy(lvConflicts);
    conflictsLayout->addWidget(conflictsTitle);
    conflictsLayout->addWidget(lvConflicts);
    split->addWidget(usesPane);
    split->addWidget(conflictsPane);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    vertical->addWidget(split);
    vertical->setStretchFactor(0, 0);
    vertical->setStretchFactor(1, 1);
    vertical->setChildrenCollapsible(false);
    layout->addWidget(vertical, 1);

    auto *bottom = new QHBoxLayout;
    btExportReport = new QPushButton(tr("Export report..."), this);
    btExportReport->setObjectName(QStringLiteral("btExportReport"));
    btSend = new QPushButton(tr("Send"), this);
    btSend->setObjectName(QStringLiteral("btSend"));
    btSend->hide();
    btClose = new QPushButton(tr("Close"), this);
    btClose->setObjectName(QStringLiteral("btClose"));
    bottom->addWidget(btExportReport);
    bottom->addStretch(1);
    bottom->addWidget(btSend);
    bottom->addWidget(btClose);
    layout->addLayout(bottom);

    connect(cbSource, qOverload<int>(&QComboBox::activated), this, &PatchWindow::showSource);
    connect(cbUniverse, qOverload<int>(&QComboBox::currentIndexChanged), this, &PatchWindow::drawUniverse);
    connect(grUses->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &PatchWindow::useChosen);
    connect(lvConflicts, &QListWidget::currentItemChanged, this, &PatchWindow::conflictChosen);
    connect(btExportReport, &QPushButton::clicked, this, &PatchWindow::exportReport);
    connect(btSend, &QPushButton::clicked, this, &QDialog::accept);
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
    // The whole picture in view where the screen allows.
    resize(std::max(1000, picture_->sizeHint().width() + 40),
           std::max(820, picture_->sizeHint().height() + 460));
}

void PatchWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ui::centerOnScreen(this);
}

void PatchWindow::setSources(const QVector<PatchSource> &sources, const QVector<InterfaceInfo> &interfaces) {
    sources_ = sources;
    interfaces_ = interfaces;
    if (sources_.isEmpty())
        sources_ << PatchSource{tr("Devices found"), {}, {}, {}};
    cbSource->clear();
    for (const PatchSource &s : sources_)
        cbSource->addItem(s.title);
    const bool choice = sources_.size() > 1;
    cbSource->setVisible(choice);
    lbSource->setVisible(choice);
    showSource(0);
}

void PatchWindow::setPreview(const QStringList &changes) {
    meChanges->setPlainText(changes.join('\n'));
    lbChanges->show();
    meChanges->show();
    btSend->show();
    btClose->setText(tr("Cancel"));
    btSend->setDefault(true);
    btExportReport->hide(); // a report tells what the devices hold, not what they might
}

const PatchSource &PatchWindow::source() const {
    return sources_[current_];
}

void PatchWindow::showSource(int index) {
    current_ = std::clamp(index, 0, static_cast<int>(sources_.size()) - 1);
    cbSource->setCurrentIndex(current_);
    const PatchSource &s = source();
    patch_ = rig::patchOf(s.devices, interfaces_);
    uses_->set(s.devices, patch_);

    int errors = 0;
    lvConflicts->clear();
    for (int k = 0; k < patch_.conflicts.size(); ++k) {
        const rig::Conflict &c = patch_.conflicts[k];
        errors += c.level == rig::Conflict::Error;
        QStringList names;
        for (int d : c.devices)
            names << deviceText(s.devices[d]);
        auto *item = new QListWidgetItem(
            tr("%1: %2\n%3")
                .arg(c.levelText(), c.reason,
                     names.isEmpty() ? tr("The whole rig")
                                     : tr("Devices: %1").arg(names.join(QStringLiteral(", ")))),
            lvConflicts);
        item->setData(Qt::UserRole, k);
        item->setIcon(style()->standardIcon(c.level == rig::Conflict::Error ? QStyle::SP_MessageBoxCritical
                                                                            : QStyle::SP_MessageBoxWarning));
    }

    fillUniverses();
    const int warnings = static_cast<int>(patch_.conflicts.size()) - errors;
    lbSummary->setText(tr("%1: %n device(s), ", nullptr, static_cast<int>(s.devices.size())).arg(s.title) +
                       tr("%n use(s) ", nullptr, static_cast<int>(patch_.uses.size())) +
                       tr("in %n universe(s); ", nullptr, static_cast<int>(universes_.size())) +
                       tr("%n error(s), ", nullptr, errors) + tr("%n warning(s).", nullptr, warnings));
}

void PatchWindow::fillUniverses() {
    const QPair<int, int> before = universe();
    universes_.clear();
    QVector<int> counts, conflicts, dmxOutputs;
    QVector<bool> channelSeen;
    for (int row = 0; row < patch_.uses.size(); ++row) {
        const rig::Use &u = patch_.uses[row];
        const QPair<int, int> key(u.net, u.universe);
        if (universes_.isEmpty() || universes_.last() != key) {
            universes_ << key;
            counts << 0;
            conflicts << 0;
            dmxOutputs << 0;
            channelSeen.fill(false, kChannels + 1);
        }
        if (u.channel >= 1 && u.channel <= kChannels && !channelSeen[u.channel]) {
            channelSeen[u.channel] = true;
            ++counts.last();
        }
        conflicts.last() += uses_->conflictLevel(row) >= 0;
        dmxOutputs.last() += u.kind == rig::Use::DmxOutput;
    }
    const QSignalBlocker quiet(cbUniverse);
    cbUniverse->clear();
    int keep = 0;
    for (int k = 0; k < universes_.size(); ++k) {
        QString text = tr("NET %1, universe %2: ").arg(universes_[k].first).arg(universes_[k].second);
        if (counts[k] > 0 || dmxOutputs[k] == 0)
            text += tr("%n channel(s) in use", nullptr, counts[k]);
        if (dmxOutputs[k] > 0)
            text +=
                (counts[k] > 0 ? tr(", ") : QString()) + tr("%n DMX output(s) fed", nullptr, dmxOutputs[k]);
        if (conflicts[k] > 0)
            text += tr(", conflicts");
        cbUniverse->addItem(text);
        if (universes_[k] == before)
            keep = k;
    }
    cbUniverse->setEnabled(!universes_.isEmpty());
    cbUniverse->setCurrentIndex(universes_.isEmpty() ? -1 : keep);
    drawUniverse();
}

QPair<int, int> PatchWindow::universe() const {
    const int k = cbUniverse->currentIndex();
    return k >= 0 && k < universes_.size() ? universes_[k] : QPair<int, int>(-1, -1);
}

void PatchWindow::showUniverse(int net, int universe) {
    const int k = static_cast<int>(universes_.indexOf(QPair<int, int>(net, universe)));
    if (k >= 0)
        cbUniverse->setCurrentIndex(k);
}

void PatchWindow::drawUniverse() {
    const QPair<int, int> shown = universe();
    const PatchSource &s = source();
    QVector<UniversePicture::Cell> cells(kChannels);
    QStringList dmx;
    for (int row = 0; row < patch_.uses.size(); ++row) {
        const rig::Use &u = patch_.uses[row];
        if (QPair<int, int>(u.net, u.universe) != shown)
            continue;
        if (u.kind == rig::Use::DmxOutput) {
            dmx << deviceText(s.devices[u.device]);
            continue;
        }
        if (u.channel < 1 || u.channel > kChannels)
            continue;
        UniversePicture::Cell &cell = cells[u.channel - 1];
        const QColor colour = deviceColour(u.device);
        if (!cell.colours.contains(colour))
            cell.colours << colour;
        cell.conflict = cell.conflict || uses_->conflictLevel(row) >= 0;
        if (cell.tip.isEmpty())
            cell.tip = tr("Channel %1:").arg(u.channel);
        cell.tip += QStringLiteral("\n%1: %2").arg(deviceText(s.devices[u.device]), u.elementText());
        if (uses_->conflictLevel(row) >= 0)
            cell.tip += QStringLiteral(" (%1)").arg(
                rig::Conflict::levelText(static_cast<rig::Conflict::Level>(uses_->conflictLevel(row))));
    }
    picture_->setCells(cells, 0);
    picture_->setAccessibleName(
        shown.first < 0 ? tr("Channels: no universe in use")
                        : tr("Channels of NET %1, universe %2").arg(shown.first).arg(shown.second));
    lbDmx->setText(
        dmx.isEmpty()
            ? QString()
            : tr("This whole universe feeds the DMX output of %1.").arg(dmx.join(QStringLiteral(", "))));
    lbDmx->setVisible(!dmx.isEmpty());
}

void PatchWindow::channelClicked(int channel) {
    const QPair<int, int> shown = universe();
    picture_->setCurrent(channel);
    QItemSelection selection;
    QModelIndex first;
    for (int r = 0; r < sortedUses_->rowCount(); ++r) {
        const rig::Use &u = uses_->use(sortedUses_->mapToSource(sortedUses_->index(r, 0)).row());
        if (u.net == shown.first && u.universe == shown.second && u.channel == channel) {
            selection.select(sortedUses_->index(r, 0), sortedUses_->index(r, UsesColumnCount - 1));
            if (!first.isValid())
                first = sortedUses_->index(r, 0);
        }
    }
    grUses->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (first.isValid())
        grUses->scrollTo(first);
}

void PatchWindow::useChosen() {
    const QModelIndex current = grUses->currentIndex();
    if (!current.isValid())
        return;
    const rig::Use &u = uses_->use(sortedUses_->mapToSource(current).row());
    showUniverse(u.net, u.universe);
    picture_->setCurrent(u.kind == rig::Use::DmxOutput ? 0 : u.channel);
}

void PatchWindow::conflictChosen() {
    const QListWidgetItem *item = lvConflicts->currentItem();
    if (!item)
        return;
    const rig::Conflict &c = patch_.conflicts.value(item->data(Qt::UserRole).toInt());
    QItemSelection selection;
    for (int r = 0; r < sortedUses_->rowCount(); ++r)
        if (c.uses.contains(sortedUses_->mapToSource(sortedUses_->index(r, 0)).row()))
            selection.select(sortedUses_->index(r, 0), sortedUses_->index(r, UsesColumnCount - 1));
    grUses->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!c.uses.isEmpty()) {
        const rig::Use &u = patch_.uses[c.uses.first()];
        showUniverse(u.net, u.universe);
        picture_->setCurrent(u.channel);
        grUses->scrollTo(sortedUses_->mapFromSource(uses_->index(c.uses.first(), 0)));
    }
}

QStringList PatchWindow::useLines() const {
    QStringList lines;
    for (int r = 0; r < sortedUses_->rowCount(); ++r) {
        QStringList cells;
        for (int c : {UsesChannel, UsesDevice, UsesElement})
            cells << sortedUses_->index(r, c).data().toString();
        lines << cells.join('\t');
    }
    return lines;
}

void PatchWindow::exportReport() {
    const QString suggested =
        QDir::home().filePath(tr("Zentri report %1.pdf").arg(QDate::currentDate().toString(Qt::ISODate)));
    QString path = QFileDialog::getSaveFileName(this, tr("Export report"), suggested,
                                                tr("Report (*.pdf);;All files (*)"));
    if (path.isEmpty())
        return;
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path.chop(4);
    // The file dialog asked about the PDF only; the page and the CSV beside it are asked about here.
    QStringList existing;
    for (const char *suffix : {".html", ".csv"})
        if (QFileInfo::exists(path + QLatin1String(suffix)))
            existing << QFileInfo(path + QLatin1String(suffix)).fileName();
    if (!existing.isEmpty() &&
        !ui::ask(this, tr("Zentri patch"), "replaceReportBox",
                 tr("%1 already exist(s) beside the report. Replace?").arg(existing.join(tr(" and ")))))
        return;
    QStringList written;
    QString error;
    if (exportReportTo(path, &written, &error))
        ui::showMessage(this, tr("The report was written:\n") + written.join('\n'));
    else
        ui::showMessage(this, error);
}

bool PatchWindow::exportReportTo(const QString &base, QStringList *written, QString *error) {
    const PatchSource &s = source();
    rig::ReportInput in;
    in.title = s.title;
    in.when = QDateTime::currentDateTime();
    in.interfaces = interfaces_;
    for (int d = 0; d < s.devices.size(); ++d)
        in.devices << rig::ReportDevice{s.devices[d], s.sdCards.value(d), s.states.value(d)};
    return rig::writeReport(in, base, written, error);
}

} // namespace zentri
