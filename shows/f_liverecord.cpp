#include "f_liverecord.h"
#include "ui/legibility.h"

#include "ui/picture.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zentri {

namespace timeline {

namespace {
const QColor kBorder(150, 150, 150);
} // namespace

// ---- Panel ------------------------------------------------------------------------------------

Panel::Panel(QWidget *parent) : QFrame(parent), color_(palette().color(QPalette::Window)) {}

void Panel::setCaption(const QString &caption) {
    caption_ = caption;
    update();
}

void Panel::setColor(const QColor &color) {
    if (color == color_)
        return;
    color_ = color;
    update();
}

void Panel::setBorder(bool border) {
    border_ = border;
    update();
}

void Panel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (color_.isValid() && color_.alpha() > 0)
        p.fillRect(rect(), color_);
    if (border_) {
        p.setPen(kBorder);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!caption_.isEmpty()) {
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        // A row highlighted in its fixed colour keeps its caption legible on a dark palette too.
        const QColor ink = palette().color(QPalette::WindowText);
        p.setPen(color_.isValid() && color_.alpha() == 255 ? ui::legibleInk(ink, color_) : ink);
        p.drawText(rect(), Qt::AlignCenter, caption_);
    }
}

void Panel::mousePressEvent(QMouseEvent *event) {
    event->accept();
    emit clicked(this);
}

// ---- MinuteScale ------------------------------------------------------------------------------

void MinuteScale::buildMarks(int minuteWidth) {
    marks_.clear();
    labels_.clear();
    const int t = height() / 5;
    for (int j = 1; j <= 60; ++j) {
        QRect mark(j * minuteWidth, height() - t - t / 2, 1, t);
        if (j % 5 == 0)
            mark.adjust(0, -10, 0, 0); // every fifth minute: 10 pixels taller
        marks_.append(mark);
        if (j % 15 == 0 && j != 60)
            labels_.append({QPoint(j * minuteWidth + 2, -2), QString::number(j)});
    }
    update();
}

void MinuteScale::paintEvent(QPaintEvent *event) {
    Panel::paintEvent(event);
    QPainter p(this);
    const QColor ink = palette().color(QPalette::WindowText);
    for (const QRect &m : marks_)
        p.fillRect(m, ink);
    QFont f = font();
    f.setPointSizeF(qMax(6.0, f.pointSizeF() - 2));
    p.setFont(f);
    p.setPen(ink);
    for (const Label &l : labels_)
        p.drawText(QRect(l.topLeft, QSize(40, 14)), Qt::AlignLeft | Qt::AlignTop, l.text);
}

// ---- EntryBlock -------------------------------------------------------------------------------

EntryBlock::EntryBlock(const QString &recordName, const QString &fromTime, const QString &toTime,
                       const QString &memoText, const QColor &canvasColor, const QColor &textColor,
                       QWidget *parent)
    : QFrame(parent), record_name(recordName), from_time(fromTime), to_time(toTime), memo(memoText),
      canvas_color(canvasColor), text_color(textColor) {
    setObjectName(QStringLiteral("entry"));
    setAccessibleName(record_name);
    // A CR in a note or a tool-tip starts a new line.
    QString shownMemo = memo;
    shownMemo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setToolTip(QCoreApplication::translate("zentri::TfLiveRecord", "%1\n\n%2\n\nFrom: %3\nTo: %4")
                   .arg(record_name, shownMemo, from_time, to_time));
    label_ = new QLabel(shownMemo, this);
    label_->setObjectName(QStringLiteral("memo"));
    label_->setAttribute(Qt::WA_TranslucentBackground);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont f = label_->font();
    f.setBold(true);
    label_->setFont(f);
    QPalette pal = label_->palette();
    pal.setColor(QPalette::WindowText, text_color);
    label_->setPalette(pal);
}

void EntryBlock::layOut() {
    label_->setGeometry(4, 2, qMax(0, width() - 10), qMax(0, height() - 4));
}

void EntryBlock::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), canvas_color);
}

void EntryBlock::mousePressEvent(QMouseEvent *event) {
    event->accept(); // a click on an entry highlights no row
}

std::optional<int> minutesOfDay(const QString &time) {
    const int colon = time.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    bool hourOk = false, minuteOk = false;
    const qint64 hour = time.left(colon).trimmed().toInt(&hourOk);
    const qint64 minute = time.mid(colon + 1).trimmed().toInt(&minuteOk);
    if (!hourOk || !minuteOk)
        return std::nullopt;
    // Any numbers count by the formula ("01:75" is 02:15); beyond what a row can be widened to
    // (ten days at the widest zoom) there is nothing to draw.
    const qint64 total = hour * 60 + minute;
    if (total < -kMinuteLimit || total > kMinuteLimit)
        return std::nullopt;
    return int(total);
}

} // namespace timeline

using timeline::EntryBlock;
using timeline::Panel;

namespace {
const QColor kHighlight(255, 255, 213);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
constexpr int kLeftWidth = 168;
constexpr int kRightWidth = 32;
constexpr int kPointerSize = 20;

int rowTop(int k, int unit) {
    return 2 * unit * k - 2 * k + 3;
}
} // namespace

TfLiveRecord::TfLiveRecord() {
    setObjectName(QStringLiteral("fLiveRecord"));
    setWindowTitle(tr("Zentri Live Record"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    resize(1000, 700); // the size it comes back to when un-maximised

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    pnl_top_bar = new QFrame(this);
    pnl_top_bar->setObjectName(QStringLiteral("pnl_top_bar"));
    pnl_top_bar->setFixedHeight(41);
    layout->addWidget(pnl_top_bar);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, tr("Time Line"));
    layout->addWidget(PageControl1, 1);
    auto *sheetLayout = new QVBoxLayout(TabSheet1);
    sheetLayout->setContentsMargins(0, 0, 0, 0);

    pnl_gantt = new QWidget(TabSheet1);
    pnl_gantt->setObjectName(QStringLiteral("pnl_gantt"));
    sheetLayout->addWidget(pnl_gantt);
    auto *gantt = new QHBoxLayout(pnl_gantt);
    gantt->setContentsMargins(0, 0, 0, 0);
    gantt->setSpacing(0);

    Splitter1 = new QSplitter(Qt::Horizontal, pnl_gantt);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setHandleWidth(3);
    gantt->addWidget(Splitter1, 1);

    auto makeColumn = [this](const char *name, const char *boxName, QScrollArea *&box) {
        auto *column = new QFrame(Splitter1);
        column->setObjectName(QLatin1String(name));
        auto *l = new QVBoxLayout(column);
        l->setContentsMargins(0, 0, 0, 0);
        box = new QScrollArea(column);
        box->setObjectName(QLatin1String(boxName));
        box->setFrameShape(QFrame::NoFrame);
        l->addWidget(box);
        return column;
    };
    pnl_left = makeColumn("pnl_left", "box_left", box_left);
    pnl_main = makeColumn("pnl_main", "box_main", box_main);
    pnl_left->setMinimumWidth(30);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({kLeftWidth, 1000});

    // The name column follows the time area's vertical position; it never scrolls sideways.
    leftContent_ = new QWidget;
    leftContent_->setObjectName(QStringLiteral("box_left_content"));
    box_left->setWidget(leftContent_);
    box_left->setWidgetResizable(true);
    box_left->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box_left->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    leftContent_->installEventFilter(this);

    mainContent_ = new QWidget;
    mainContent_->setObjectName(QStringLiteral("box_main_content"));
    box_main->setWidget(mainContent_);
    box_main->setWidgetResizable(false);
    box_main->horizontalScrollBar()->setSingleStep(8); // smooth sideways scrolling
    box_main->viewport()->installEventFilter(this);
    box_left->viewport()->installEventFilter(this);

    pnl_right = new QFrame(pnl_gantt);
    pnl_right->setObjectName(QStringLiteral("pnl_right"));
    pnl_right->setFixedWidth(kRightWidth);
    gantt->addWidget(pnl_right);
    auto *right = new QVBoxLayout(pnl_right);
    right->setContentsMargins(3, 3, 3, 3);
    right->setSpacing(3);
    btn_plus = new QPushButton(QStringLiteral("+"), pnl_right);
    btn_plus->setObjectName(QStringLiteral("btn_plus"));
    btn_plus->setAccessibleName(tr("Zoom in"));
    btn_plus->setAutoDefault(false);
    btn_minus = new QPushButton(QStringLiteral("-"), pnl_right);
    btn_minus->setObjectName(QStringLiteral("btn_minus"));
    btn_minus->setAccessibleName(tr("Zoom out"));
    btn_minus->setAutoDefault(false);
    for (QPushButton *b : {btn_plus, btn_minus}) {
        b->setFixedSize(kRightWidth - 6, kRightWidth - 6);
        right->addWidget(b);
    }
    right->addStretch(1);
    connect(btn_plus, &QPushButton::clicked, this, &TfLiveRecord::btn_plusClick);
    connect(btn_minus, &QPushButton::clicked, this, &TfLiveRecord::btn_minusClick);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    const int widths[4] = {10, 100, 200, 50};
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        if (i == 1 || i == 2)
            panel->setAlignment(Qt::AlignCenter);
        StatusBar1->addWidget(panel);
        statusPanels_[i] = panel;
    }
    statusPanels_[1]->setAccessibleDescription(tr("Mouse position"));
    statusPanels_[2]->setAccessibleDescription(tr("Time at the pointer"));
    layout->addWidget(StatusBar1);

    def_panel = new Panel(leftContent_);
    def_panel->setObjectName(QStringLiteral("def_panel"));
    def_panel->hide();

    unplaced_ = new QWidget(this);
    unplaced_->setObjectName(QStringLiteral("unplaced"));
    unplaced_->hide();

    // Creation.
    connect(box_main->verticalScrollBar(), &QScrollBar::valueChanged, this, &TfLiveRecord::SyncLeftToMain);
    connect(box_left->verticalScrollBar(), &QScrollBar::valueChanged, this, &TfLiveRecord::SyncMainToLeft);
    CreateTimeScale();
    CreateRows();
    ShowVisilbeRecords();
    CreateAllObjectsOnDate();

    MouseTimer.setInterval(10);
    connect(&MouseTimer, &QTimer::timeout, this, &TfLiveRecord::MouseTimerTimer);
    MouseTimer.start();
}

void TfLiveRecord::setVisible(bool visible) {
    if (visible && !isVisible())
        setWindowState(windowState() | Qt::WindowMaximized); // the timeline always opens maximised
    QDialog::setVisible(visible);
}

// ---- Building ---------------------------------------------------------------------------------

void TfLiveRecord::CreateTimeScale() {
    for (int i = 0; i < 2; ++i) {
        auto *header = new Panel(leftContent_);
        header->setObjectName(QStringLiteral("header%1").arg(i));
        header->setGeometry(0, 1 + i * (pnl_height_ - 1), kLeftWidth, pnl_height_);
        headers_[i] = header;
    }
    headers_[0]->setCaption(tr("Nazwa", "the header of the outputs' names"));
    headers_[0]->setAccessibleName(headers_[0]->caption());

    for (int h = 0; h < 24; ++h) {
        auto *hour = new Panel(mainContent_);
        hour->setObjectName(QStringLiteral("tab_hours_%1").arg(h));
        hour->setGeometry(pnl_width_ * h + 2, 1, pnl_width_, pnl_height_);
        const QString hh = QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0'));
        hour->setCaption(hh);
        hour->setAccessibleName(tr("Hour %1").arg(hh));
        tab_hours_[h] = hour;

        auto *minutes = new timeline::MinuteScale(mainContent_);
        minutes->setObjectName(QStringLiteral("tab_minuts_%1").arg(h));
        minutes->setAccessibleName(tr("Minutes of hour %1").arg(hh));
        minutes->setGeometry(pnl_width_ * h + 2, hour->y() + pnl_height_ - 1, pnl_width_, pnl_height_);
        minutes->buildMarks(minute_width());
        tab_minuts_[h] = minutes;
    }

    pnl_pointer = new Panel(mainContent_);
    pnl_pointer->setObjectName(QStringLiteral("pnl_pointer"));
    pnl_pointer->setBorder(false);
    pnl_pointer->setColor(Qt::transparent);
    pnl_pointer->setAttribute(Qt::WA_TransparentForMouseEvents);
    pnl_pointer->setGeometry(0, 2 * pnl_height_ - kPointerSize, kPointerSize, kPointerSize);
    pointer = new ui::Picture(QStringLiteral(":/art/pointer.svg"), pnl_pointer);
    pointer->setObjectName(QStringLiteral("pointer"));
    pointer->setAccessibleName(tr("Pointer mark"));
    pointer->setGeometry(1, 1, 16, 16);
}

void TfLiveRecord::CreateRows() {
    for (int i = 1; i <= kRows; ++i) {
        const int top = rowTop(i, pnl_height_);
        auto *row = new Panel(mainContent_);
        row->setObjectName(QStringLiteral("tab_rec_%1").arg(i));
        row->setGeometry(2, top, 24 * pnl_width_, 2 * pnl_height_);
        row->setColor(def_panel->color());
        row->setAccessibleName(tr("Output %1 time line").arg(i));
        row->lower();
        connect(row, &Panel::clicked, this, [this](Panel *p) { def_panelClick(p); });
        tab_rec_[i] = row;

        auto *name = new Panel(leftContent_);
        name->setObjectName(QStringLiteral("tab_rec_name_%1").arg(i));
        name->setGeometry(0, top, kLeftWidth, 2 * pnl_height_);
        name->setCaption(tr("Output %1").arg(i));
        name->setColor(def_panel->color());
        name->setAccessibleName(tr("Output %1 row").arg(i));
        connect(name, &Panel::clicked, this, [this](Panel *p) { def_panel_nameClick(p); });
        tab_rec_name_[i] = name;

        row->show();
        name->show();
    }

    pnl_pom = new Panel(leftContent_);
    pnl_pom->setObjectName(QStringLiteral("pnl_pom"));
    pnl_pom->setBorder(false);
    const Panel *last = tab_rec_name_[kRows];
    pnl_pom->setGeometry(2, last->y() + last->height(), 24 * pnl_width_, 23);

    pointer_line = new Panel(mainContent_);
    pointer_line->setObjectName(QStringLiteral("pointer_line"));
    pointer_line->setBorder(false);
    pointer_line->setColor(kRed);
    pointer_line->setAccessibleName(tr("Pointer line"));
    pointer_line->setAttribute(Qt::WA_TransparentForMouseEvents);
    pointer_line->setGeometry(0, pnl_pointer->y() + pnl_pointer->height(), 3, box_main->height());
}

void TfLiveRecord::ShowVisilbeRecords() {
    int k = 0;
    for (int i = 1; i <= kRows; ++i) {
        if (tab_rec_[i]->isHidden())
            continue;
        ++k;
        const int top = rowTop(k, pnl_height_);
        tab_rec_[i]->move(tab_rec_[i]->x(), top);
        tab_rec_name_[i]->move(tab_rec_name_[i]->x(), top);
        pnl_pom->setGeometry(tab_rec_name_[i]->x() + tab_rec_name_[i]->width() + 2, 1, 1, 1);
    }
    pointer_line->resize(pointer_line->width(), 2 * pnl_height_ * k - 2 * k + 4);
    fitContent();
}

void TfLiveRecord::fitContent() {
    // The time area is as wide as the day; both columns scroll over the same height.
    int bottom = pointer_line->y() + pointer_line->height();
    for (int i = 1; i <= kRows; ++i)
        bottom = qMax(bottom, tab_rec_[i]->y() + tab_rec_[i]->height());
    mainContent_->resize(24 * pnl_width_ + 4, bottom + 2);
    const int extra = qMax(0, box_left->viewport()->height() - box_main->viewport()->height());
    leftContent_->setMinimumHeight(bottom + 2 + extra);
}

// ---- Entries ----------------------------------------------------------------------------------

EntryBlock *TfLiveRecord::InsertObject(const QString &record_name, const QString &from_time,
                                       const QString &to_time, const QString &memo,
                                       const QColor &canvas_color, const QColor &text_color) {
    QWidget *row = unplaced_;
    for (int i = 1; i <= kRows; ++i)
        if (tab_rec_name_[i]->caption() == record_name)
            row = tab_rec_[i];
    auto *block = new EntryBlock(record_name, from_time, to_time, memo, canvas_color, text_color, row);
    const auto start = timeline::minutesOfDay(from_time);
    const auto end = timeline::minutesOfDay(to_time);
    // A text that is no "hour:minute", or an end before the start, leaves the entry undrawn.
    const bool drawable = start && end && *end >= *start;
    if (drawable)
        block->setGeometry(*start * minute_width(), 0, (*end - *start) * minute_width(), 2 * pnl_height_ - 4);
    else
        block->setGeometry(0, 0, 0, 2 * pnl_height_ - 4);
    block->layOut();
    block->setVisible(drawable);
    return block;
}

void TfLiveRecord::CreateAllObjectsOnDate() {
    const QColor white(Qt::white), black(Qt::black);
    InsertObject(
        QStringLiteral("Company project"), QStringLiteral("01:15"), QStringLiteral("03:25"),
        QStringLiteral("Lighting design of the main stage\rAnalysis of the 4th phase of the project"), kBlue,
        white);
    InsertObject(QStringLiteral("Home project"), QStringLiteral("03:15"), QStringLiteral("03:35"),
                 QStringLiteral("Houseworks\rLiving room"), kRed, black);
    InsertObject(QStringLiteral("Task 1"), QStringLiteral("03:40"), QStringLiteral("05:25"),
                 QStringLiteral("Data analysis\rNotes for the next project meeting"), kBlue, white);
    InsertObject(QStringLiteral("Waiting"), QStringLiteral("02:10"), QStringLiteral("04:45"),
                 QStringLiteral("Review of other tasks"), kBlue, white);
    InsertObject(QStringLiteral("Waiting"), QStringLiteral("01:10"), QStringLiteral("01:45"),
                 QStringLiteral("Pwm :)"), kBlue, white);
}

void TfLiveRecord::ClearAllObjects() {
    for (int i = 1; i <= kRows; ++i)
        qDeleteAll(entries(i));
    // Entries that found no row go as well, so that zooming does not pile them up.
    qDeleteAll(unplaced_->findChildren<EntryBlock *>(QString(), Qt::FindDirectChildrenOnly));
}

QList<EntryBlock *> TfLiveRecord::entries(int row) const {
    return tab_rec_[row]->findChildren<EntryBlock *>(QString(), Qt::FindDirectChildrenOnly);
}

// ---- Zoom -------------------------------------------------------------------------------------

void TfLiveRecord::ChangeHourWidth() {
    for (int h = 0; h < 24; ++h) {
        for (Panel *p : {tab_hours_[h], static_cast<Panel *>(tab_minuts_[h])})
            p->setGeometry(pnl_width_ * h + 2, p->y(), pnl_width_, p->height());
        tab_minuts_[h]->buildMarks(minute_width());
    }
    for (int i = 1; i <= kRows; ++i)
        tab_rec_[i]->resize(24 * pnl_width_, tab_rec_[i]->height());
    fitContent();
}

void TfLiveRecord::btn_plusClick() {
    if (pnl_width_ < kMaxHourWidth)
        zoom(1);
}

void TfLiveRecord::btn_minusClick() {
    if (pnl_width_ > kMinHourWidth)
        zoom(-1);
}

void TfLiveRecord::zoom(int steps) {
    box_main->horizontalScrollBar()->setValue(0);
    pnl_width_ = (pnl_width_ / kHourWidthStep + steps) * kHourWidthStep;
    ChangeHourWidth();
    ClearAllObjects();
    CreateAllObjectsOnDate();
}

// ---- Rows -------------------------------------------------------------------------------------

void TfLiveRecord::highlightRow(int row) {
    for (int i = 1; i <= kRows; ++i) {
        const QColor c = i == row ? kHighlight : defaultRowColor();
        tab_rec_[i]->setColor(c);
        tab_rec_name_[i]->setColor(c);
    }
}

void TfLiveRecord::def_panelClick(QObject *sender) {
    int row = 0;
    for (int i = 1; i <= kRows; ++i)
        if (tab_rec_[i] == sender)
            row = i;
    highlightRow(row);
}

void TfLiveRecord::def_panel_nameClick(QObject *sender) {
    int row = 0;
    for (int i = 1; i <= kRows; ++i)
        if (tab_rec_name_[i] == sender)
            row = i;
    highlightRow(row);
}

// ---- Pointer ----------------------------------------------------------------------------------

int TfLiveRecord::timeAreaLeft() const {
    return pnl_left->mapTo(this, QPoint(0, 0)).x() + pnl_left->width() + Splitter1->handleWidth();
}

QString TfLiveRecord::statusPanel(int index) const {
    return statusPanels_[index]->text();
}

void TfLiveRecord::MouseTimerTimer() {
    trackPointer(mapFromGlobal(QCursor::pos()));
}

void TfLiveRecord::trackPointer(const QPoint &windowPos) {
    const int x = windowPos.x(), y = windowPos.y();
    const int left = timeAreaLeft();
    const int half = pnl_pointer->width() / 2;
    if (x < left + half + 5 || x > width() - 30 - pnl_right->width() || y <= 0 || y > height() - 100)
        return;
    statusPanels_[1]->setText(QStringLiteral("%1:%2").arg(x).arg(y));
    // The time area's children sit in content coordinates: follow the horizontal scroll position.
    const int scroll = box_main->horizontalScrollBar()->value();
    pnl_pointer->move(x - left - half + scroll, pnl_pointer->y());
    pointer_line->move(x - left + 2 + scroll, pointer_line->y());
    pointer_line->raise();
    // The time of day under the line's middle pixel (rows start 2 pixels into the time area).
    const int minute = qBound(0, (x - left + 1 + scroll) * 1440 / (24 * pnl_width_), 24 * 60 - 1);
    statusPanels_[2]->setText(QStringLiteral("%1:%2")
                                  .arg(minute / 60, 2, 10, QLatin1Char('0'))
                                  .arg(minute % 60, 2, 10, QLatin1Char('0')));
}

// ---- Scroll coupling --------------------------------------------------------------------------

void TfLiveRecord::SyncLeftToMain() {
    if (syncing_)
        return;
    const QScopedValueRollback<bool> guard(syncing_, true);
    box_left->verticalScrollBar()->setValue(box_main->verticalScrollBar()->value());
}

void TfLiveRecord::SyncMainToLeft() {
    if (syncing_)
        return;
    const QScopedValueRollback<bool> guard(syncing_, true);
    box_main->verticalScrollBar()->setValue(box_left->verticalScrollBar()->value());
}

bool TfLiveRecord::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Resize) {
        if (watched == leftContent_) {
            // The name column's panels reach across the whole column.
            const int w = leftContent_->width();
            for (Panel *p : headers_)
                p->resize(w, p->height());
            for (int i = 1; i <= kRows; ++i)
                tab_rec_name_[i]->resize(w, tab_rec_name_[i]->height());
        } else if (watched == box_main->viewport() || watched == box_left->viewport()) {
            fitContent();
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zentri
