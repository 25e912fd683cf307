#include "f_cue.h"

#include "device/udp.h"
#include "shows/channeleditor.h"
#include "ui/messages.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleOptionGroupBox>
#include <QTableWidget>
#include <algorithm>

namespace zentri {

namespace {
// The channel editor table within the "DMX channels" group, at the default font: each editor 41 x 24
// pixels, one pixel between lines, the first at (10, 20). A larger font makes the editors as large as
// three digits need and the table as deep as the group's title needs.
constexpr int kEditorLeft = 10, kEditorTop = 20;
constexpr QSize kEditorSize(41, 24);
constexpr int kMargin = 8, kCueGroupH = 252, kStatusH = 22;
constexpr int kIdColumn = 0, kNameColumn = 1;
constexpr int kNameLength = 64;

// Where the group's style puts the first pixel below its title.
int belowTitle(const QGroupBox *group) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.textAlignment = group->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    return group->style()
        ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, group)
        .top();
}
} // namespace

TfCue::TfCue(DeviceLink *link) : ui::DeviceDialog(link, tr("CUE")) {
    setObjectName(QStringLiteral("fCue"));
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    // ---- "Cue" group: the cue list, its name editor, saving and the log ----
    GroupBox2 = new QGroupBox(tr("Cue"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));

    StringGrid1 = new QTableWidget(wire::kCueCount, 2, GroupBox2);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(tr("Cues"));
    StringGrid1->setGeometry(10, 22, 362, kCueGroupH - 32);
    StringGrid1->setHorizontalHeaderLabels({tr("ID"), tr("Cue name")});
    StringGrid1->horizontalHeader()->setSectionsClickable(false); // the header row cannot be selected
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->setColumnWidth(kIdColumn, 40);
    StringGrid1->setColumnWidth(kNameColumn, 300);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(21);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setTabKeyNavigation(false);
    for (int k = 1; k <= wire::kCueCount; ++k) {
        auto *id = new QTableWidgetItem(QString::number(k));
        id->setTextAlignment(Qt::AlignCenter);
        StringGrid1->setItem(k - 1, kIdColumn, id);
        auto *name = new QTableWidgetItem;
        name->setTextAlignment(Qt::AlignCenter);
        StringGrid1->setItem(k - 1, kNameColumn, name);
    }
    StringGrid1->setCurrentCell(0, kIdColumn);
    StringGrid1->installEventFilter(this);
    StringGrid1->viewport()->installEventFilter(this);
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row == previousRow || row < 0)
            return;
        rowHandledByMove_ = row;
        StringGrid1Click();
    });
    connect(StringGrid1, &QTableWidget::cellPressed, this, [this](int row, int) {
        if (row == rowHandledByMove_) {
            rowHandledByMove_ = -1; // this press made the row current: already handled
            return;
        }
        StringGrid1Click();
    });
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this] { StringGrid1DblClick(); });

    Edit1 = new QLineEdit(QStringLiteral("Edit1"), GroupBox2);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(tr("Cue name"));
    Edit1->setMaxLength(kNameLength);
    Edit1->setGeometry(52, 44, 300, 21);
    Edit1->hide();
    Edit1->installEventFilter(this);

    btSaveAllCues = new QPushButton(tr("Save CUE"), GroupBox2);
    btSaveAllCues->setObjectName(QStringLiteral("btSaveAllCues"));
    btSaveAllCues->setAutoDefault(false); // Enter in the grid or the name editor must not save
    // Wider for a longer translation, as far as the room before the log allows.
    btSaveAllCues->setGeometry(384, 22, std::clamp(btSaveAllCues->sizeHint().width(), 110, 130), 30);
    connect(btSaveAllCues, &QPushButton::clicked, this, &TfCue::btSaveAllCuesClick);

    Memo1 = new QPlainTextEdit(GroupBox2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(tr("Log"));
    Memo1->setReadOnly(true);
    Memo1->setMaximumBlockCount(100000);
    Memo1->setPlainText(QStringLiteral("Memo1"));
    Memo1->setGeometry(520, 22, 300, 200);
    Memo1->hide();

    // ---- "DMX channels" group: 16 lines of 32 channel editors ----
    GroupBox1 = new QGroupBox(tr("DMX channels"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    editors_.reserve(kLines * kColumns);
    editorLook_ = new ui::ChannelEditorLook(this); // made after the group: it outlives the editors

    // The editors' font, one point smaller than the group's, and the size that shows every value in it.
    editorFont_ = GroupBox1->font();
    editorFont_.setPointSizeF(qMax(7.0, editorFont_.pointSizeF() - 1));
    {
        ui::ChannelEditor measure(editorLook_, nullptr);
        measure.setRange(0, 255);
        measure.setFont(editorFont_);
        editorSize_ = measure.sizeShowingEveryValue(kEditorSize);
    }
    const int groupW = kEditorLeft + kColumns * editorSize_.width() + 10;
    GroupBox2->setGeometry(kMargin, kMargin, groupW, kCueGroupH);
    const int channelsTop = kMargin + kCueGroupH + 6;
    GroupBox1->setGeometry(kMargin, channelsTop, groupW, 1);
    editorTop_ = qMax(kEditorTop, belowTitle(GroupBox1));
    const int channelsH = editorTop_ + kLines * (editorSize_.height() + 1) + 10;
    GroupBox1->resize(groupW, channelsH);
    const int clientW = groupW + 2 * kMargin;
    const int clientH = channelsTop + channelsH + 6 + kStatusH;
    setFixedSize(clientW, clientH);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, clientH - kStatusH, clientW, kStatusH);
    auto *panel = new QLabel(StatusBar1);
    panel->setObjectName(QStringLiteral("StatusBar1Panel0"));
    panel->setFixedWidth(300);
    StatusBar1->addWidget(panel);

    IdUDPServer1 = new UdpListener(this);
    IdUDPServer1->setObjectName(QStringLiteral("IdUDPServer1"));
    IdUDPServer1->setHandler(
        [this](const QByteArray &data, const QHostAddress &sender) { IdUDPServer1UDPRead(data, sender); });
}

void TfCue::createChannelEditorLine() {
    const int r = int(editors_.size()) / kColumns;
    for (int c = 0; c < kColumns; ++c) {
        const int n = r * kColumns + c + 1;
        auto *e = new ui::ChannelEditor(editorLook_, GroupBox1);
        const QString number = QString::number(n);
        e->setObjectName(QStringLiteral("spEdit_") + number);
        e->setRange(0, 255);
        e->setFont(editorFont_);
        e->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue); // out of range: nearest limit
        e->setGeometry(
            QRect(QPoint(kEditorLeft + editorSize_.width() * c, editorTop_ + (editorSize_.height() + 1) * r),
                  editorSize_));
        e->setToolTip(number);
        e->setAccessibleName(tr("Channel %1").arg(number));
        e->setProperty("tag", n);
        // Every change of the text counts: the editor's own signal brings the changes made by its
        // arrows and by the program, its line's signal also text that is no number (an emptied editor).
        auto change = [this, e](const QString &text) { spEditChange(e, text); };
        connect(e, &QSpinBox::textChanged, this, change);
        QLineEdit *line = e->line();
        connect(line, &QLineEdit::textChanged, this, change);
        // So that the first showing finds it ready, and does not do this for 512 editors at once:
        // - polished;
        // - its text laid out: a hidden spin box leaves that to its first showing (its own signals
        //   stay quiet, as its value does not change);
        // - its line's accessibility interface made: a showing announces each widget to the
        //   accessibility layer, which makes the interface then (the editor's own came with its name).
        e->ensurePolished();
        {
            const QSignalBlocker quiet(line);
            line->setText(QString::number(e->value()));
        }
        QAccessible::queryAccessibleInterface(line);
        if (GroupBox1->isVisible())
            e->show();
        editors_.push_back(e);
    }
    if (channelEditorsBuilt() && !GroupBox1->isVisible()) {
        // Rendering any part of a hidden window first sends all its widgets the move and resize
        // events that they would otherwise get at the window's first showing (one pixel of the group's
        // corner: nothing is painted to speak of).
        QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
        GroupBox1->render(&pixel, QPoint(), QRegion(0, 0, 1, 1), QWidget::RenderFlags());
    }
}

void TfCue::buildChannelEditors() {
    while (!channelEditorsBuilt())
        createChannelEditorLine();
}

void TfCue::setVisible(bool visible) {
    if (visible)
        buildChannelEditors();
    ui::DeviceDialog::setVisible(visible);
}

void TfCue::buildChannelEditorsWhenIdle(QWidget *window) {
    if (channelEditorsBuilt() || !window)
        return;
    idleAfter_ = window;
    window->installEventFilter(this);
}

void TfCue::buildChannelEditorsLater() {
    if (!channelEditorsBuilt())
        buildNextLineLater();
}

namespace {
const QEvent::Type kBuildLine = static_cast<QEvent::Type>(QEvent::registerEventType());
}

void TfCue::buildNextLineLater() {
    // Posted with low priority: it comes after the events already waiting, and each line lets the
    // events that arrived meanwhile go first.
    QCoreApplication::postEvent(this, new QEvent(kBuildLine), Qt::LowEventPriority);
}

bool TfCue::event(QEvent *event) {
    if (event->type() != kBuildLine)
        return ui::DeviceDialog::event(event);
    if (!channelEditorsBuilt()) {
        createChannelEditorLine();
        buildNextLineLater();
    }
    return true;
}

void TfCue::log(const QString &line) {
    Memo1->appendPlainText(line);
}

int TfCue::currentCue() const {
    const int row = StringGrid1->currentRow();
    return row >= 0 ? row + 1 : 0;
}

QString TfCue::cueName(int cue) const {
    const QTableWidgetItem *item = StringGrid1->item(cue - 1, kNameColumn);
    return item ? item->text() : QString();
}

// ---- Window -----------------------------------------------------------------------------------

void TfCue::FormActivate() {
    Edit1->hide();
    StringGrid1->setFocus();
    QString error;
    if (!IdUDPServer1->open(wire::kCuePort, &error)) {
        ui::showMessage(this, error); // no listener, no query; the next showing tries again
        return;
    }
    sendToDevice(wire::cueQuery());
}

// ---- Cue list ---------------------------------------------------------------------------------

void TfCue::StringGrid1Click() {
    const int row = StringGrid1->currentRow();
    if (row < 0)
        return;
    Edit1->hide();
    buildChannelEditors();
    const recCue &cue = aCue_[row];
    // The whole group is marked for repainting before each changed editor marks itself: the window
    // then collects one rectangle to repaint rather than a region grown from 512 small ones.
    GroupBox1->update();
    loading_ = true;
    for (int n = 0; n < wire::kCueChannels; ++n)
        editors_[n]->setValue(cue.DMX[n]);
    loading_ = false;
    log(tr("click: %1 row: %2").arg(StringGrid1->item(row, kIdColumn)->text()).arg(row + 1));
}

int TfCue::nameEditTarget() const {
    // The top row of the selection; the current row when nothing is selected.
    int top = -1;
    for (const QTableWidgetSelectionRange &range : StringGrid1->selectedRanges())
        if (top < 0 || range.topRow() < top)
            top = range.topRow();
    return top >= 0 ? top : StringGrid1->currentRow();
}

void TfCue::StringGrid1DblClick() {
    const int row = nameEditTarget();
    if (row < 0)
        return;
    editRow_ = row;
    QTableWidgetItem *item = StringGrid1->item(row, kNameColumn);
    StringGrid1->scrollToItem(item);
    const QRect cell = StringGrid1->visualItemRect(item);
    Edit1->setGeometry(QRect(StringGrid1->viewport()->mapTo(GroupBox2, cell.topLeft()), cell.size()));
    Edit1->setText(item->text()); // the editor starts with the cue's current name
    Edit1->selectAll();
    Edit1->raise();
    Edit1->show();
    Edit1->setFocus();
}

void TfCue::StringGrid1KeyDown(int key) {
    if (key == Qt::Key_F2)
        StringGrid1DblClick();
}

void TfCue::Edit1KeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (QTableWidgetItem *item = StringGrid1->item(editRow_, kNameColumn))
            item->setText(Edit1->text());
    } else if (key != Qt::Key_Escape) {
        return;
    }
    Edit1->hide();
    StringGrid1->setFocus();
}

bool TfCue::eventFilter(QObject *watched, QEvent *event) {
    if (watched == StringGrid1->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        // Only a row change that this very press makes is handled already; one made before (by the
        // keyboard, say) leaves the press on that row to act as a click of its own.
        rowHandledByMove_ = -1;
    }
    if (watched == idleAfter_ && event->type() == QEvent::Paint) {
        idleAfter_->removeEventFilter(this);
        idleAfter_ = nullptr;
        buildNextLineLater();
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == Edit1 && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
            Edit1KeyDown(key);
            return true; // neither the dialog's default button nor its Escape sees these
        }
        if (watched == StringGrid1 && key == Qt::Key_F2) {
            StringGrid1KeyDown(key);
            return true;
        }
    }
    return ui::DeviceDialog::eventFilter(watched, event);
}

// ---- Channel values ---------------------------------------------------------------------------

void TfCue::spEditChange(QSpinBox *editor, const QString &text) {
    if (loading_)
        return;
    const int row = StringGrid1->currentRow();
    if (row < 0)
        return;
    const int tag = editor->property("tag").toInt();
    bool number = false;
    int value = text.trimmed().toInt(&number);
    if (!number)
        value = 0;
    int32_t &stored = aCue_[row].DMX[tag - 1];
    if (stored == value)
        return; // typed text comes through both signals: store and log it once
    stored = value;
    log(QStringLiteral("Cue[%1].DMX[%2] := %3").arg(row).arg(tag - 1).arg(value));
}

void TfCue::btSaveAllCuesClick() {
    const int k = currentCue();
    if (k < 1)
        return;
    sendToDevice(wire::cueWriteCommand(k, cueName(k), aCue_[k - 1].DMX));
}

// ---- Device replies ---------------------------------------------------------------------------

void TfCue::IdUDPServer1UDPRead(const QByteArray &data, const QHostAddress &) {
    // Other words, short datagrams and cue numbers outside 1..100 are dropped without a word.
    const auto reply = wire::parseCueReply(data);
    if (!reply)
        return;
    StringGrid1->item(reply->number - 1, kNameColumn)->setText(reply->name);
    aCue_[reply->number - 1].DMX = reply->dmx;
}

} // namespace zentri
