// The show timeline: the day axis and its minute marks, the eight output rows, zooming, entry
// blocks, the row highlight, the pointer that follows the mouse and the coupled scrolling.
#include "shows/f_liverecord.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QtTest>

using namespace zentri;
using timeline::EntryBlock;

namespace {
const QColor kLightYellow(255, 255, 213);

int visibleBlocks(const TfLiveRecord &w) {
    int n = 0;
    for (int i = 1; i <= 8; ++i)
        for (EntryBlock *b : w.entries(i))
            n += b->isVisibleTo(&w) ? 1 : 0;
    return n;
}
} // namespace

class TestLiveRecord : public QObject {
    Q_OBJECT
private slots:
    void controls();
    void rows();
    void timeScale();
    void minuteMarks_data();
    void minuteMarks();
    void zoom_data();
    void zoom();
    void zoomResetsScrollAndEntries();
    void insertObject_data();
    void insertObject();
    void sampleEntries();
    void rowHighlight();
    void pointer_data();
    void pointer();
    void scrollCoupling();
    void opensMaximised();
    void accessibleNames();
};

void TestLiveRecord::controls() {
    TfLiveRecord w;
    QCOMPARE(w.windowTitle(), QString("Zentri Live Record"));
    QCOMPARE(w.PageControl1->tabText(0), QString("Time Line"));
    QCOMPARE(w.pnl_right->width(), 32);
    QCOMPARE(w.MouseTimer.interval(), 10);
    QVERIFY(w.MouseTimer.isActive()); // from creation, also while hidden
    QCOMPARE(w.pnl_pointer->size(), QSize(20, 20));
    QCOMPARE(w.pnl_pointer->y(), 40);
    QCOMPARE(w.pointer_line->width(), 3);
    QCOMPARE(w.pointer_line->y(), 60);
    QCOMPARE(w.pointer_line->height(), 468);
    QCOMPARE(w.pointer_line->color(), QColor(255, 0, 0));
    for (auto [name, width] : {std::pair{"StatusBar1Panel0", 10},
                               {"StatusBar1Panel1", 100},
                               {"StatusBar1Panel2", 200},
                               {"StatusBar1Panel3", 50}})
        QCOMPARE(w.findChild<QLabel *>(name)->width(), width);
}

void TestLiveRecord::rows() {
    TfLiveRecord w;
    QCOMPARE(w.pnl_height(), 30);
    for (int i = 1; i <= 8; ++i) {
        const int top = 61 + 58 * (i - 1);
        QCOMPARE(w.tab_rec(i)->geometry(), QRect(2, top, 24 * 300, 60));
        QCOMPARE(w.tab_rec_name(i)->y(), top);
        QCOMPARE(w.tab_rec_name(i)->height(), 60);
        QCOMPARE(w.tab_rec_name(i)->caption(), QStringLiteral("Output %1").arg(i));
        QCOMPARE(w.tab_rec(i)->color(), w.defaultRowColor());
        QCOMPARE(w.tab_rec(i)->parentWidget(), w.box_main->widget());
        QCOMPARE(w.tab_rec_name(i)->parentWidget(), w.box_left->widget());
    }
    // Neighbours overlap by two pixels; the pointer line reaches the bottom of row 8.
    QCOMPARE(w.tab_rec(2)->y() - (w.tab_rec(1)->y() + w.tab_rec(1)->height()), -2);
    QCOMPARE(w.pointer_line->y() + w.pointer_line->height(), w.tab_rec(8)->y() + w.tab_rec(8)->height() + 1);
    QCOMPARE(w.pnl_pom->size(), QSize(1, 1));
}

void TestLiveRecord::timeScale() {
    TfLiveRecord w;
    QCOMPARE(w.pnl_width(), 300);
    QCOMPARE(w.minute_width(), 5);
    for (int h : {0, 1, 12, 23}) {
        QCOMPARE(w.tab_hours(h)->geometry(), QRect(300 * h + 2, 1, 300, 30));
        QCOMPARE(w.tab_hours(h)->caption(), QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0')));
        QCOMPARE(w.tab_minuts(h)->geometry(), QRect(300 * h + 2, 30, 300, 30));
    }
    // The rows and the scale agree: minute M of the day lies M x minute_width into a row.
    QCOMPARE(w.tab_rec(1)->x(), w.tab_hours(0)->x());
    QCOMPARE(w.box_main->widget()->width(), 24 * 300 + 4);
}

void TestLiveRecord::minuteMarks_data() {
    QTest::addColumn<int>("hourWidth");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QRect>("mark");
    QTest::addColumn<QString>("label"); // empty: no label at this minute
    // Panel height 30: short marks 6 high at top 21, every fifth 16 high at top 11.
    QTest::newRow("300: minute 1") << 300 << 1 << QRect(5, 21, 1, 6) << "";
    QTest::newRow("300: minute 5") << 300 << 5 << QRect(25, 11, 1, 16) << "";
    QTest::newRow("300: minute 15") << 300 << 15 << QRect(75, 11, 1, 16) << "15";
    QTest::newRow("300: minute 30") << 300 << 30 << QRect(150, 11, 1, 16) << "30";
    QTest::newRow("300: minute 45") << 300 << 45 << QRect(225, 11, 1, 16) << "45";
    QTest::newRow("300: minute 59") << 300 << 59 << QRect(295, 21, 1, 6) << "";
    QTest::newRow("300: minute 60") << 300 << 60 << QRect(300, 11, 1, 16) << "";
    QTest::newRow("60: minute 15") << 60 << 15 << QRect(15, 11, 1, 16) << "15";
    QTest::newRow("600: minute 45") << 600 << 45 << QRect(450, 11, 1, 16) << "45";
}

void TestLiveRecord::minuteMarks() {
    QFETCH(int, hourWidth);
    QFETCH(int, minute);
    QFETCH(QRect, mark);
    QFETCH(QString, label);
    TfLiveRecord w;
    while (w.pnl_width() < hourWidth)
        w.btn_plusClick();
    while (w.pnl_width() > hourWidth)
        w.btn_minusClick();
    for (int h : {0, 23}) {
        const timeline::MinuteScale *scale = w.tab_minuts(h);
        QCOMPARE(scale->marks().size(), 60);
        QCOMPARE(scale->marks()[minute - 1], mark);
        QCOMPARE(scale->labels().size(), 3);
        QString found;
        for (const auto &l : scale->labels())
            if (l.topLeft == QPoint(mark.x() + 2, -2))
                found = l.text;
        QCOMPARE(found, label);
    }
}

void TestLiveRecord::zoom_data() {
    QTest::addColumn<QString>("presses");
    QTest::addColumn<QList<int>>("widths"); // after each press
    QTest::newRow("minus down to the limit") << "-----" << QList<int>{240, 180, 120, 60, 60};
    QTest::newRow("plus up to the limit") << "++++++" << QList<int>{360, 420, 480, 540, 600, 600};
    QTest::newRow("back and forth") << "+-+--" << QList<int>{360, 300, 360, 300, 240};
}

void TestLiveRecord::zoom() {
    QFETCH(QString, presses);
    QFETCH(QList<int>, widths);
    TfLiveRecord w;
    for (int i = 0; i < presses.size(); ++i) {
        QTest::mouseClick(presses[i] == '+' ? w.btn_plus : w.btn_minus, Qt::LeftButton);
        const int width = widths[i];
        QCOMPARE(w.pnl_width(), width);
        QCOMPARE(w.minute_width(), width / 60);
        QCOMPARE(w.tab_hours(5)->geometry(), QRect(width * 5 + 2, 1, width, 30));
        QCOMPARE(w.tab_minuts(5)->geometry(), QRect(width * 5 + 2, 30, width, 30));
        QCOMPARE(w.tab_minuts(5)->marks()[14].x(), 15 * (width / 60));
        QCOMPARE(w.tab_rec(3)->width(), 24 * width);
        QCOMPARE(w.tab_rec(3)->y(), 61 + 2 * 58); // rows do not move
        QCOMPARE(w.box_main->widget()->width(), 24 * width + 4);
    }
}

void TestLiveRecord::zoomResetsScrollAndEntries() {
    TfLiveRecord w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QScrollBar *h = w.box_main->horizontalScrollBar();
    QVERIFY(h->maximum() > 0);
    EntryBlock *mine = w.InsertObject("Output 3", "10:00", "11:00", "Not a sample", Qt::green, Qt::black);
    QPointer<EntryBlock> guard(mine);
    QCOMPARE(w.entries(3).size(), 1);
    for (QPushButton *b : {w.btn_plus, w.btn_minus}) {
        h->setValue(h->maximum() / 2);
        QVERIFY(h->value() > 0);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(h->value(), 0); // back to 00:00
        QVERIFY(guard.isNull()); // every entry goes; only the samples come back
        for (int i = 1; i <= 8; ++i)
            QVERIFY(w.entries(i).isEmpty());
    }
    // At a limit nothing happens, not even the scrolling.
    while (w.pnl_width() > 60)
        w.btn_minusClick();
    w.InsertObject("Output 1", "00:00", "01:00", "stays", Qt::green, Qt::black);
    h->setValue(10);
    w.btn_minusClick();
    QCOMPARE(h->value(), 10);
    QCOMPARE(w.entries(1).size(), 1);
}

void TestLiveRecord::insertObject_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("row"); // 0: in no row
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::newRow("Output 2, 1:30 to 2:00") << "Output 2"
                                            << "1:30"
                                            << "2:00" << 2 << true << 450 << 150;
    QTest::newRow("whole day") << "Output 8"
                               << "00:00"
                               << "24:00" << 8 << true << 0 << 7200;
    QTest::newRow("spaces around the numbers") << "Output 1"
                                               << " 01 : 15 "
                                               << "03:25" << 1 << true << 375 << 650;
    QTest::newRow("empty block") << "Output 4"
                                 << "05:00"
                                 << "05:00" << 4 << true << 1500 << 0;
    QTest::newRow("name must match exactly") << "output 2"
                                             << "01:00"
                                             << "02:00" << 0 << false << 0 << 0;
    QTest::newRow("sample name") << "Waiting"
                                 << "01:10"
                                 << "01:45" << 0 << false << 0 << 0;
    QTest::newRow("end before start") << "Output 5"
                                      << "04:45"
                                      << "02:10" << 5 << false << 0 << 0;
    QTest::newRow("no colon") << "Output 5"
                              << "0130"
                              << "02:00" << 5 << false << 0 << 0;
    QTest::newRow("not a number") << "Output 5"
                                  << "ab:cd"
                                  << "02:00" << 5 << false << 0 << 0;
    // Numbers outside a clock's ranges count by hour x 60 + minute all the same.
    QTest::newRow("minute 60") << "Output 5"
                               << "01:60"
                               << "02:00" << 5 << true << 600 << 0;
    QTest::newRow("minute 75") << "Output 5"
                               << "01:75"
                               << "03:00" << 5 << true << 675 << 225;
    QTest::newRow("after midnight") << "Output 5"
                                    << "23:00"
                                    << "24:30" << 5 << true << 6900 << 450;
    QTest::newRow("negative hour") << "Output 5"
                                   << "-1:00"
                                   << "02:00" << 5 << true << -300 << 900;
    QTest::newRow("beyond any row") << "Output 5"
                                    << "00:00"
                                    << "999999:00" << 5 << false << 0 << 0;
    QTest::newRow("hour too large for a number") << "Output 5"
                                                 << "99999999999:00"
                                                 << "02:00" << 5 << false << 0 << 0;
}

void TestLiveRecord::insertObject() {
    QFETCH(QString, name);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, row);
    QFETCH(bool, shown);
    QFETCH(int, left);
    QFETCH(int, width);
    TfLiveRecord w;
    EntryBlock *b = w.InsertObject(name, from, to, "First line\rSecond line", QColor(0, 0, 255), Qt::white);
    QVERIFY(b);
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(w.entries(i).contains(b), i == row);
    QCOMPARE(b->isVisibleTo(&w), shown);
    if (shown) {
        QCOMPARE(b->geometry(), QRect(left, 0, width, 56));
        QCOMPARE(b->memoLabel()->text(), QString("First line\nSecond line"));
        if (width >= 10)
            QCOMPARE(b->memoLabel()->geometry(), QRect(4, 2, width - 10, 52));
        QCOMPARE(b->memoLabel()->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(b->memoLabel()->font().bold());
    }
    QCOMPARE(b->toolTip(), name + "\n\nFirst line\nSecond line\n\nFrom: " + from + "\nTo: " + to);
    QCOMPARE(b->canvas_color, QColor(0, 0, 255));
}

void TestLiveRecord::sampleEntries() {
    TfLiveRecord w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(visibleBlocks(w), 0); // no sample name is a row caption
    for (int i = 1; i <= 8; ++i)
        QVERIFY(w.entries(i).isEmpty());
    // Zooming many times does not pile the unplaced samples up.
    const int before = w.findChildren<EntryBlock *>().size();
    QCOMPARE(before, 5);
    for (int i = 0; i < 10; ++i)
        w.btn_plusClick(), w.btn_minusClick();
    QCOMPARE(w.findChildren<EntryBlock *>().size(), before);
}

void TestLiveRecord::rowHighlight() {
    TfLiveRecord w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QColor normal = w.defaultRowColor();
    auto check = [&](int highlighted) {
        for (int i = 1; i <= 8; ++i) {
            const QColor c = i == highlighted ? kLightYellow : normal;
            if (w.tab_rec(i)->color() != c || w.tab_rec_name(i)->color() != c)
                return false;
        }
        return true;
    };
    QVERIFY(check(0));
    QTest::mouseClick(w.tab_rec_name(3), Qt::LeftButton);
    QVERIFY(check(3));
    QTest::mouseClick(w.tab_rec(5), Qt::LeftButton, {}, QPoint(40, 30));
    QVERIFY(check(5));
    // A click on an entry highlights nothing.
    EntryBlock *b = w.InsertObject("Output 1", "00:00", "00:30", "Block", Qt::blue, Qt::white);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(b->memoLabel(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(check(5));
    QTest::mouseClick(w.tab_rec(1), Qt::LeftButton, {}, QPoint(400, 30));
    QVERIFY(check(1));
}

void TestLiveRecord::pointer_data() {
    QTest::addColumn<int>("dx"); // from the left edge of the time area
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("moves");
    QTest::newRow("first position that counts") << 15 << 120 << true;
    QTest::newRow("well inside") << 400 << 300 << true;
    QTest::newRow("too close to the splitter") << 14 << 120 << false;
    QTest::newRow("over the name column") << -50 << 120 << false;
    QTest::newRow("top edge") << 400 << 0 << false;
    QTest::newRow("first line") << 400 << 1 << true;
}

void TestLiveRecord::pointer() {
    QFETCH(int, dx);
    QFETCH(int, y);
    QFETCH(bool, moves);
    TfLiveRecord w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.MouseTimer.stop(); // the real mouse must not interfere
    const int left = w.timeAreaLeft();
    QCOMPARE(left, w.box_main->mapTo(&w, QPoint(0, 0)).x()); // the name column and the splitter
    w.trackPointer(QPoint(left + 100, 200));
    const QPoint pointerBefore = w.pnl_pointer->pos(), lineBefore = w.pointer_line->pos();
    const QString statusBefore = w.statusPanel(1);
    QCOMPARE(statusBefore, QStringLiteral("%1:200").arg(left + 100));

    const int x = left + dx;
    w.trackPointer(QPoint(x, y));
    if (moves) {
        QCOMPARE(w.statusPanel(1), QStringLiteral("%1:%2").arg(x).arg(y));
        QCOMPARE(w.pnl_pointer->pos(), QPoint(x - left - 10, 40));
        QCOMPARE(w.pointer_line->pos(), QPoint(x - left + 2, 60));
        QCOMPARE(w.pointer_line->parentWidget()->children().last(), w.pointer_line); // in front
    } else {
        QCOMPARE(w.statusPanel(1), statusBefore);
        QCOMPARE(w.pnl_pointer->pos(), pointerBefore);
        QCOMPARE(w.pointer_line->pos(), lineBefore);
    }

    // The right and bottom limits.
    const QString status = w.statusPanel(1);
    w.trackPointer(QPoint(w.width() - 30 - 32 + 1, 100));
    w.trackPointer(QPoint(left + 100, w.height() - 99));
    QCOMPARE(w.statusPanel(1), status);
    w.trackPointer(QPoint(w.width() - 30 - 32, w.height() - 100));
    QCOMPARE(w.statusPanel(1), QStringLiteral("%1:%2").arg(w.width() - 62).arg(w.height() - 100));
}

void TestLiveRecord::scrollCoupling() {
    TfLiveRecord w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setWindowState(Qt::WindowNoState);
    w.resize(700, 400);
    QTRY_VERIFY(w.box_main->verticalScrollBar()->maximum() > 0);
    QScrollBar *main = w.box_main->verticalScrollBar(), *left = w.box_left->verticalScrollBar();
    QCOMPARE(left->maximum(), main->maximum()); // the two columns scroll over the same height
    main->setValue(main->maximum());
    QCOMPARE(left->value(), main->value());
    left->setValue(10);
    QCOMPARE(main->value(), 10);
    // The rows stay level with their names.
    QCOMPARE(w.tab_rec(4)->mapTo(&w, QPoint(0, 0)).y(), w.tab_rec_name(4)->mapTo(&w, QPoint(0, 0)).y());
    // Scrolling sideways moves only the time area, and the pointer follows the scrolled axis.
    w.box_main->horizontalScrollBar()->setValue(600);
    QCOMPARE(left->value(), 10);
    w.MouseTimer.stop();
    const int x = w.timeAreaLeft() + 100;
    w.trackPointer(QPoint(x, 100));
    QCOMPARE(w.pointer_line->mapTo(&w, QPoint(0, 0)).x(), x + 2);
    QCOMPARE(w.statusPanel(2), QString("02:20")); // (600 + 101) pixels at 5 per minute
}

void TestLiveRecord::opensMaximised() {
    TfLiveRecord w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.windowState() & Qt::WindowMaximized);
    w.hide();
    w.setWindowState(Qt::WindowNoState);
    w.show();
    QVERIFY(w.windowState() & Qt::WindowMaximized);
    QCOMPARE(w.pnl_left->width(), 168);
    QVERIFY(w.btn_plus->y() < w.btn_minus->y()); // "+" above "-"
    QCOMPARE(w.btn_plus->parentWidget(), w.pnl_right);
}

void TestLiveRecord::accessibleNames() {
    // The panels draw their captions themselves, so each one says in words what it is.
    TfLiveRecord w;
    QCOMPARE(w.tab_hours(0)->accessibleName(), QString("Hour 00"));
    QCOMPARE(w.tab_hours(23)->accessibleName(), QString("Hour 23"));
    QCOMPARE(w.tab_minuts(7)->accessibleName(), QString("Minutes of hour 07"));
    for (int i = 1; i <= 8; ++i) {
        QCOMPARE(w.tab_rec(i)->accessibleName(), QStringLiteral("Output %1 time line").arg(i));
        QVERIFY(!w.tab_rec_name(i)->accessibleName().isEmpty());
    }
    QCOMPARE(w.pointer->accessibleName(), QString("Pointer mark"));
    QCOMPARE(w.pointer_line->accessibleName(), QString("Pointer line"));
    QCOMPARE(w.findChild<timeline::Panel *>("header0")->accessibleName(), QString("Nazwa"));
    EntryBlock *block = w.InsertObject("Output 4", "01:00", "02:00", "Note", Qt::blue, Qt::white);
    QCOMPARE(block->accessibleName(), QString("Output 4"));
    for (QPushButton *b : {w.btn_plus, w.btn_minus})
        QVERIFY(!b->accessibleName().isEmpty());
}

QTEST_MAIN(TestLiveRecord)
#include "tst_liverecord.moc"
