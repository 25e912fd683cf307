// Real mouse and keyboard input on a virtual X display: the events a person's quick double press
// produces (press, release, double click, release), made by the X server itself through xdotool,
// not built by the test; and what the X server then shows. Run by tests/xvfb/run.sh, which starts
// the display.
#include "app/application.h"
#include "app/mainwindow.h"
#include "fakedevice.h"
#include "fakelink.h"
#include "shows/channeleditor.h"
#include "shows/f_cue.h"
#include "shows/f_livebuttonrecord.h"
#include "shows/showwidgets.h"
#include "testkit.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

using namespace zentri;

namespace {

// Counts the double-click events a widget receives, to show that the case under test really came.
class DoubleClickCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::MouseButtonDblClick)
            ++count;
        return false;
    }
};

// Runs xdotool with `arguments` and waits for it to end (the events then reach the program).
bool xdotool(const QStringList &arguments) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    if (!p.waitForStarted(10000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (p.state() != QProcess::NotRunning && clock.elapsed() < 20000)
        QTest::qWait(5); // the program keeps handling events while xdotool works
    return p.state() == QProcess::NotRunning && p.exitCode() == 0;
}

QStringList at(QWidget *w, const QPoint &local) {
    const QPoint p = w->mapToGlobal(local);
    return {"mousemove", QString::number(p.x()),
            QString::number(p.y())}; // (--sync waits forever when already there)
}

// Shows `window` and makes it the active window; false if either does not happen.
bool showActive(QWidget *window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    window->activateWindow();
    return QTest::qWaitFor([window] { return window->isActiveWindow(); });
}

// What the X server shows of `widget`, and what its window paints there now.
QImage shown(QWidget *widget) {
    const QPoint p = widget->mapToGlobal(QPoint());
    return widget->screen()
        ->grabWindow(0, p.x(), p.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
QImage painted(QWidget *widget) {
    QWidget *window = widget->window();
    return window->grab(QRect(widget->mapTo(window, QPoint()), widget->size()))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QStringList doubleClick(int delayMs) {
    return {"click", "--repeat", "2", "--delay", QString::number(delayMs), "1"};
}

} // namespace

class TestRealInput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void quickSecondPressActs_data();
    void quickSecondPressActs();
    void clickOnTheRowTheKeyboardChose();
    void typingIntoAChannelEditor();
    void keyboardSelectsADevice_data();
    void keyboardSelectsADevice();
    void menusFromTheKeyboard_data();
    void menusFromTheKeyboard();
};

void TestRealInput::initTestCase() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (tests/xvfb/run.sh)");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("needs xdotool");
    REQUIRE_FREE_PORTS({wire::kMainPort, wire::kLiveRecordPort, wire::kCuePort});
}

void TestRealInput::quickSecondPressActs_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("delayMs"); // between the two clicks, within the double-click interval
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("RECORD, then CONFIRM RECORD 150 ms later") << "Button12" << 150 << wire::recordCommand();
    QTest::newRow("RECORD, then CONFIRM RECORD 300 ms later") << "Button12" << 300 << wire::recordCommand();
    QTest::newRow("SYNCHRO RECORD twice") << "Button10" << 200 << wire::synchroRecordCommand();
    QTest::newRow("ERASE, then CONFIRM ERASE") << "Button13" << 200 << wire::eraseShowCommand(2);
}

void TestRealInput::quickSecondPressActs() {
    QFETCH(QString, button);
    QFETCH(int, delayMs);
    QFETCH(QByteArray, expected);
    FakeLink link;
    QWidget mainWindow;
    TfLiveButtonRecord w(&link, &mainWindow);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.SelectShow(2);
    link.sent.clear();

    auto *b = w.findChild<ui::PressButton *>(button);
    QVERIFY(b);
    DoubleClickCounter doubles;
    b->installEventFilter(&doubles);
    QVERIFY(xdotool(at(b, b->rect().center()) + doubleClick(delayMs)));
    QTRY_VERIFY_WITH_TIMEOUT(link.sentWith().contains(expected), 10000);
    QCOMPARE(doubles.count, 1); // the second press came as a double click, and acted
    w.close();
}

void TestRealInput::clickOnTheRowTheKeyboardChose() {
    FakeLink link;
    TfCue cue(&link);
    QVERIFY(showActive(&cue));
    QTableWidget *grid = cue.StringGrid1;
    grid->setFocus();
    QVERIFY(xdotool({"key", "--delay", "50", "Down", "Down", "F2"})); // cue 3, its name editor open
    QTRY_COMPARE(cue.currentCue(), 3);
    QTRY_VERIFY(cue.Edit1->isVisible());
    const QByteArray values(512, char(7));
    cue.IdUDPServer1UDPRead(wire::cueReply(3, "Three", values), QHostAddress::LocalHost);
    const QPoint cell = grid->visualItemRect(grid->item(2, 0)).center();
    QVERIFY(xdotool(at(grid->viewport(), cell) + QStringList{"click", "1"}));
    QTRY_VERIFY(!cue.Edit1->isVisible());           // the click closed the name editor
    QTRY_COMPARE(cue.channelEditor(1)->value(), 7); // and loaded the cue's values
    cue.close();
}

void TestRealInput::typingIntoAChannelEditor() {
    // A channel editor not being edited is drawn from a picture; a click hands the drawing to its line
    // edit, and leaving it hands it back, with what was typed.
    FakeLink link;
    TfCue cue(&link);
    QVERIFY(showActive(&cue));
    auto *e = qobject_cast<ui::ChannelEditor *>(cue.channelEditor(5));
    auto *next = cue.channelEditor(6);
    QVERIFY(e && e->showsPicture());
    QTRY_COMPARE(shown(e), painted(e));
    const QPoint text = e->line()->geometry().center();
    QVERIFY(xdotool(at(e, text) + QStringList{"click", "1"}));
    QTRY_VERIFY(e->hasFocus());
    QVERIFY(!e->showsPicture());
    QVERIFY(xdotool({"key", "--delay", "30", "End", "BackSpace", "BackSpace", "BackSpace", "4", "2"}));
    QTRY_COMPARE(e->line()->text(), QString("42"));
    QVERIFY(xdotool(at(next, next->rect().center() - QPoint(8, 0)) + QStringList{"click", "1"}));
    QTRY_VERIFY(next->hasFocus());
    QVERIFY(e->showsPicture());
    QCOMPARE(e->value(), 42);
    QCOMPARE(cue.aCue()[0].DMX[4], 42);
    QTRY_COMPARE(shown(e), painted(e));
    cue.close();
}

void TestRealInput::keyboardSelectsADevice_data() {
    QTest::addColumn<QStringList>("keys"); // typed once the table has the focus
    QTest::addColumn<int>("row");          // the row then selected, -1 for none
    QTest::newRow("arrow keys only move") << QStringList{"Down", "Down", "Up"} << -1;
    QTest::newRow("Return on the first row") << QStringList{"Return"} << 0;
    QTest::newRow("Return on the second row") << QStringList{"Down", "Return"} << 1;
    QTest::newRow("Space on the third row") << QStringList{"Down", "Down", "space"} << 2;
    QTest::newRow("keypad Enter on the second row") << QStringList{"Down", "KP_Enter"} << 1;
}

// Tab reaches the device table in one step from "Find devices"; the arrow keys move the current row
// without selecting, and Return or Space select the current row as a click does; Tab leaves again
// in one step.
void TestRealInput::keyboardSelectsADevice() {
    QFETCH(QStringList, keys);
    QFETCH(int, row);
    Windows windows;
    TMainForm &main = *windows.MainForm;
    main.setDiscoveryAddress(QHostAddress(QStringLiteral("127.0.0.1")));
    std::vector<std::unique_ptr<FakeDevice>> fakes;
    for (int i = 1; i <= 3; ++i)
        fakes.push_back(std::make_unique<FakeDevice>(QStringLiteral("127.0.0.%1").arg(i)));
    QVERIFY(showActive(&main));
    auto *find = main.findChild<QPushButton *>(QStringLiteral("Button1"));
    auto *grid = main.findChild<QTableView *>(QStringLiteral("DBGrid1"));
    auto *outputs = main.findChild<QPushButton *>(QStringLiteral("btOutputsSetup"));
    find->setFocus();
    QTRY_VERIFY(find->hasFocus());
    QVERIFY(xdotool({"key", "space"})); // "Find devices"
    QVERIFY(!fakes[0]->waitFor("QGETI").isEmpty());
    for (auto &fake : fakes) {
        recUrzadzenia rec;
        rec.Nazwa = QStringLiteral("Stage ") + fake->ip();
        fake->replyInfo(rec);
    }
    QTRY_COMPARE_WITH_TIMEOUT(main.table()->rowCount(), 3, 10000);

    QVERIFY(xdotool({"key", "Tab"}));
    QTRY_VERIFY(grid->hasFocus());
    for (auto &fake : fakes)
        fake->take();
    QVERIFY(xdotool(QStringList{"key", "--delay", "50"} + keys));
    QTest::qWait(100);
    QTRY_COMPARE(outputs->isEnabled(), row >= 0);
    if (row >= 0) {
        QCOMPARE(grid->currentIndex().row(), row);
        const QString ip = main.table()->row(row).fldIP;
        FakeDevice *chosen = nullptr;
        for (auto &fake : fakes)
            if (fake->ip() == ip)
                chosen = fake.get();
        QVERIFY(chosen);
        QVERIFY(!chosen->waitFor("qchkSD").isEmpty());
        for (auto &fake : fakes)
            QVERIFY(fake->take().isEmpty()); // no other device was asked
        QCOMPARE(main.getRecID(), main.table()->row(row).fldrecID);
    } else {
        QCOMPARE(grid->currentIndex().row(), 1);
    }
    QVERIFY(xdotool({"key", "Tab"}));
    QTRY_VERIFY(!grid->hasFocus());
    QVERIFY(xdotool({"key", "shift+Tab"}));
    QTRY_VERIFY(grid->hasFocus());
    main.close();
}

void TestRealInput::menusFromTheKeyboard_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("opened"); // object name of the menu or window that opens
    QTest::newRow("Alt+F") << "alt+f"
                           << "File1";
    QTest::newRow("F10") << "F10"
                         << "File1";
    QTest::newRow("Alt+A") << "alt+a"
                           << "fAbout";
}

void TestRealInput::menusFromTheKeyboard() {
    QFETCH(QString, keys);
    QFETCH(QString, opened);
    Windows windows;
    TMainForm &main = *windows.MainForm;
    QVERIFY(showActive(&main));
    main.findChild<QPushButton *>(QStringLiteral("Button1"))->setFocus();
    QString seen;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        QWidget *w = QApplication::activePopupWidget();
        if (!w)
            w = QApplication::activeModalWidget();
        if (!w || !seen.isEmpty())
            return;
        seen = w->objectName();
        w->close();
    });
    poll.start(10);
    QVERIFY(xdotool({"key", keys}));
    QTRY_COMPARE_WITH_TIMEOUT(seen, opened, 10000);
    main.close();
}

QTEST_MAIN(TestRealInput)
#include "tst_realinput.moc"
