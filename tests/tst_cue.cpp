// The cue editor: its controls, the cue query and replies on the cue port, loading, editing,
// renaming and saving one cue.
#include "device/protocol.h"
#include "device/udp.h"
#include "fakelink.h"
#include "shows/channeleditor.h"
#include "shows/f_cue.h"
#include "testkit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QUdpSocket>
#include <QtTest>

using namespace zentri;

namespace {

QByteArray valuesFrom(int seed) {
    QByteArray v(512, 0);
    for (int i = 0; i < 512; ++i)
        v[i] = char((i * 7 + seed) & 0xFF);
    return v;
}

// A double click as the window system delivers it: press, release, press, double click, release.
void doubleClick(QWidget *widget, const QPoint &pos) {
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QMouseEvent twice(QEvent::MouseButtonDblClick, pos, widget->mapToGlobal(pos), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &twice);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

QString lastLogLine(const TfCue &w) {
    return w.Memo1->toPlainText().split('\n').last();
}

} // namespace

class TestCue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_FREE_PORTS({wire::kCuePort}); }
    void buildsFast();
    void channelEditorsAreBuiltOnceTheMainWindowIsUp_data();
    void channelEditorsAreBuiltOnceTheMainWindowIsUp();
    void channelEditors_data();
    void channelEditors();
    void channelEditorPaintsAsASpinBox_data();
    void channelEditorPaintsAsASpinBox();
    void channelEditorOnTheScreen();
    void cueList();
    void activation();
    void busyPort();
    void replies_data();
    void replies();
    void replyForTheShownCue();
    void editing();
    void typing();
    void renaming_data();
    void renaming();
    void renameTakesTopOfSelection();
    void saving_data();
    void saving();
    void keepsCuesBetweenShowings();
    void repliesThroughTheSocket();
};

// Each test builds its own window: a window's listener, once open, stays open while the window lives.
struct Window {
    FakeLink link{2};
    TfCue window{&link};
};

void TestCue::buildsFast() {
    // The window is built at program start with all the others, its channel editors right after: both
    // have to be quick.
    QElapsedTimer clock;
    clock.start();
    FakeLink l;
    TfCue other(&l);
    const qint64 ms = clock.elapsed();
    other.buildChannelEditors();
    const qint64 all = clock.elapsed();
    qInfo("cue editor built in %lld ms, with its channel editors %lld ms", ms, all);
    QVERIFY2(all < 400, qPrintable(QString::number(all)));
    QVERIFY(other.channelEditorsBuilt());
    QCOMPARE(other.findChildren<QSpinBox *>().size(), 512);
}

void TestCue::channelEditorsAreBuiltOnceTheMainWindowIsUp_data() {
    QTest::addColumn<bool>("showMainWindow");
    QTest::addColumn<bool>("showCueEditor");
    QTest::newRow("main window painted") << true << false;
    QTest::newRow("cue editor shown first") << false << true;
}

void TestCue::channelEditorsAreBuiltOnceTheMainWindowIsUp() {
    QFETCH(bool, showMainWindow);
    QFETCH(bool, showCueEditor);
    FakeLink l;
    QWidget main;
    main.resize(200, 100);
    TfCue w(&l);
    w.buildChannelEditorsWhenIdle(&main);
    QCoreApplication::processEvents();
    QVERIFY(!w.channelEditorsBuilt()); // nothing before the main window is shown
    QCOMPARE(w.findChildren<QSpinBox *>().size(), 0);
    if (showMainWindow) {
        main.show();
        QTRY_VERIFY_WITH_TIMEOUT(w.channelEditorsBuilt(), 10000);
    }
    if (showCueEditor) {
        w.show();
        QVERIFY(w.channelEditorsBuilt()); // at the latest when the window is shown
        for (QSpinBox *e : w.findChildren<QSpinBox *>())
            QVERIFY(e->isVisible());
        w.hide();
    }
    const QList<QSpinBox *> editors = w.findChildren<QSpinBox *>();
    QCOMPARE(editors.size(), 512);
    for (int n = 1; n <= 512; ++n) { // in channel order, each once
        QCOMPARE(editors[n - 1], w.channelEditor(n));
        QCOMPARE(w.channelEditor(n)->objectName(), QStringLiteral("spEdit_%1").arg(n));
        QCOMPARE(w.channelEditor(n)->value(), 0);
    }
}

void TestCue::channelEditors_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("channel");
    QTest::newRow("first") << 0 << 0 << 1;
    QTest::newRow("end of the first line") << 0 << 31 << 32;
    QTest::newRow("start of the second line") << 1 << 0 << 33;
    QTest::newRow("middle") << 7 << 12 << 237;
    QTest::newRow("last") << 15 << 31 << 512;
}

void TestCue::channelEditors() {
    Window f;
    TfCue *w = &f.window;
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(int, channel);
    w->buildChannelEditors();
    QSpinBox *e = w->findChild<QSpinBox *>(QStringLiteral("spEdit_%1").arg(channel));
    QVERIFY(e);
    QCOMPARE(w->editorAt(line, column), e);
    QCOMPARE(w->channelEditor(channel), e);
    QCOMPARE(e->parentWidget(), w->GroupBox1);
    QCOMPARE(e->geometry(), QRect(41 * column + 10, 25 * line + 20, 41, 24));
    QCOMPARE(e->minimum(), 0);
    QCOMPARE(e->maximum(), 255);
    QCOMPARE(e->property("tag").toInt(), channel);
    QCOMPARE(e->toolTip(), QString::number(channel));
    QCOMPARE(e->accessibleName(), QStringLiteral("Channel %1").arg(channel));
    QVERIFY(e->isEnabled() && !e->isHidden());
    QVERIFY(w->GroupBox1->rect().contains(e->geometry()));
}

// What the window's backing store holds of `widget`: what the screen shows.
QImage onScreen(QWidget *widget) {
    QWidget *window = widget->window();
    const QPoint at = widget->mapTo(window, QPoint());
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// `widget` painted afresh: alone, or in its window as the window would paint it now.
QImage painted(QWidget *widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
QImage paintedInItsWindow(QWidget *widget) {
    QWidget *window = widget->window();
    return window->grab(QRect(widget->mapTo(window, QPoint()), widget->size()))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

void TestCue::channelEditorPaintsAsASpinBox_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("0, only the up arrow") << 0 << true << false;
    QTest::newRow("7") << 7 << true << false;
    QTest::newRow("128") << 128 << true << false;
    QTest::newRow("255, only the down arrow") << 255 << true << false;
    QTest::newRow("disabled") << 128 << false << false;
    QTest::newRow("right to left") << 42 << true << true;
}

void TestCue::channelEditorPaintsAsASpinBox() {
    // An editor drawn from its picture looks exactly like a spin box that paints itself.
    QFETCH(int, value);
    QFETCH(bool, enabled);
    QFETCH(bool, rightToLeft);
    Window f;
    auto *e = qobject_cast<ui::ChannelEditor *>(f.window.channelEditor(100));
    QVERIFY(e);
    QSpinBox plain;
    plain.setStyle(e->style());
    plain.setFont(e->font());
    plain.setRange(0, 255);
    plain.resize(e->size());
    for (QSpinBox *box : {static_cast<QSpinBox *>(e), &plain}) {
        box->setValue(value);
        box->setEnabled(enabled);
        box->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    }
    QVERIFY(e->showsPicture());
    QCOMPARE(painted(e), painted(&plain));
    QCOMPARE(e->text(), QString::number(value));
}

void TestCue::channelEditorOnTheScreen() {
    Window f;
    TfCue *w = &f.window;
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto *e = qobject_cast<ui::ChannelEditor *>(w->channelEditor(70));
    QVERIFY(e);
    QVERIFY(e->showsPicture());
    QCOMPARE(onScreen(e), paintedInItsWindow(e));

    // Every editor showing the same text in the same state shares one picture; a whole cue of
    // different values needs one for each value.
    w->IdUDPServer1UDPRead(wire::cueReply(2, "Two", valuesFrom(2)), QHostAddress::LocalHost);
    w->StringGrid1->setCurrentCell(1, 0);
    QTRY_COMPARE(onScreen(e), paintedInItsWindow(e)); // repainted with its new value
    QCOMPARE(e->value(), int(quint8(valuesFrom(2)[69])));
    const int pictures = w->findChild<ui::ChannelEditorLook *>()->pictureCount();
    QVERIFY2(pictures <= 256 + 3, qPrintable(QString::number(pictures)));

    // While it has the focus the line edit paints itself, with what is typed, and hands over when
    // the focus leaves.
    e->setFocus();
    QVERIFY(!e->showsPicture());
    e->selectAll();
    QTest::keyClicks(e, "31");
    QCOMPARE(e->line()->text(), QString("31"));
    QTRY_COMPARE(onScreen(e), paintedInItsWindow(e));
    w->channelEditor(71)->setFocus();
    QVERIFY(e->showsPicture());
    QCOMPARE(e->value(), 31);
    QTRY_COMPARE(onScreen(e), paintedInItsWindow(e));

    // A selection shows without the focus too.
    e->line()->selectAll();
    QVERIFY(!e->showsPicture());
    QTRY_COMPARE(onScreen(e), paintedInItsWindow(e));
    e->line()->deselect();
    QVERIFY(e->showsPicture());
    QTRY_COMPARE(onScreen(e), paintedInItsWindow(e));
    w->close();
}

void TestCue::cueList() {
    Window f;
    TfCue *w = &f.window;
    QTableWidget *g = w->StringGrid1;
    QCOMPARE(w->windowTitle(), QString("CUE"));
    QCOMPARE(g->rowCount(), 100);
    QCOMPARE(g->columnCount(), 2);
    QCOMPARE(g->horizontalHeaderItem(0)->text(), QString("ID"));
    QCOMPARE(g->horizontalHeaderItem(1)->text(), QString("Cue name"));
    QCOMPARE(g->columnWidth(0), 40);
    QCOMPARE(g->columnWidth(1), 300);
    for (int k : {1, 2, 57, 100}) {
        QCOMPARE(g->item(k - 1, 0)->text(), QString::number(k));
        QCOMPARE(g->item(k - 1, 0)->textAlignment(), int(Qt::AlignCenter));
    }
    QCOMPARE(w->Edit1->maxLength(), 64);
    QVERIFY(w->Edit1->isHidden());
    QVERIFY(w->Memo1->isHidden());
    QCOMPARE(w->Memo1->toPlainText().split('\n').first(), QString("Memo1"));
    QCOMPARE(w->btSaveAllCues->text(), QString("Save CUE"));
    QCOMPARE(w->currentCue(), 1);
    for (const recCue &c : w->aCue())
        for (int v : c.DMX)
            QCOMPARE(v, 0);
}

void TestCue::activation() {
    Window f;
    TfCue *w = &f.window;
    FakeLink *link = &f.link;
    QCOMPARE(w->findChild<UdpListener *>("IdUDPServer1"), w->listener());
    w->show();
    QVERIFY(w->listener()->isOpen());
    QCOMPARE(w->listener()->port(), wire::kCuePort);
    QCOMPARE(link->sentWith(), QVector<QByteArray>{QByteArray("QCUERD\0", 7)});
    QCOMPARE(link->sent.first().device, 0);
    QVERIFY(w->Edit1->isHidden());
    w->close();
    QVERIFY(w->listener()->isOpen()); // stays open until the program ends

    link->selectedIndex = 1;
    link->sent.clear();
    w->show();
    QCOMPARE(link->sent.size(), 1);
    QCOMPARE(link->sent.first().device, 1);
}

void TestCue::busyPort() {
    auto *other = new QUdpSocket;
    QVERIFY(other->bind(QHostAddress::AnyIPv4, wire::kCuePort));
    Window f;
    QString message;
    ModalScript box({{QString(), answer(QMessageBox::Ok, &message)}});
    f.window.show();
    QVERIFY(!message.isEmpty());
    QVERIFY(f.window.isVisible()); // the window goes on
    QVERIFY(!f.window.listener()->isOpen());
    QVERIFY(f.link.sent.isEmpty()); // without a listener the query is not sent
    f.window.close();
    delete other;

    f.window.show();
    QVERIFY(f.window.listener()->isOpen());
    QCOMPARE(f.link.sentWith("QCUERD").size(), 1);
    f.window.close();
}

void TestCue::replies_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("cue"); // 0: nothing may change
    QTest::addColumn<QString>("name");
    QTest::newRow("cue 5") << wire::cueReply(5, "  Opening look ", valuesFrom(5)) << 5 << "Opening look";
    QTest::newRow("cue 100") << wire::cueReply(100, "Finale", valuesFrom(100)) << 100 << "Finale";
    QTest::newRow("name of 64 characters")
        << wire::cueReply(6, QByteArray(64, 'n'), valuesFrom(6)) << 6 << QString(64, 'n');
    QTest::newRow("all-zero name") << wire::cueReply(7, QByteArray(), valuesFrom(7)) << 7 << "";
    QTest::newRow("character codes above 127")
        << wire::cueReply(8, "Sc\xE8ne", valuesFrom(8)) << 8 << QString::fromLatin1("Sc\xE8ne");
    QTest::newRow("longer than its layout")
        << wire::cueReply(9, "Long", valuesFrom(9)) + "tail" << 9 << "Long";
    QTest::newRow("cue 0") << wire::cueReply(0, "Nope", valuesFrom(1)) << 0 << "";
    QTest::newRow("cue 101") << wire::cueReply(101, "Nope", valuesFrom(1)) << 0 << "";
    QTest::newRow("cue 255") << wire::cueReply(255, "Nope", valuesFrom(1)) << 0 << "";
    QTest::newRow("639 bytes") << wire::cueReply(10, "Nope", valuesFrom(1)).left(639) << 0 << "";
    QTest::newRow("the query itself") << wire::cueQuery() << 0 << "";
    QTest::newRow("another word") << QByteArray("ACUERX") + wire::cueReply(11, "Nope", valuesFrom(1)).mid(6)
                                  << 0 << "";
}

void TestCue::replies() {
    QFETCH(QByteArray, datagram);
    QFETCH(int, cue);
    QFETCH(QString, name);
    FakeLink l;
    TfCue fresh(&l);
    fresh.IdUDPServer1UDPRead(datagram, QHostAddress::LocalHost);
    for (int k = 1; k <= 100; ++k) {
        const bool touched = k == cue;
        QCOMPARE(fresh.cueName(k), touched ? name : QString());
        const QByteArray expected = valuesFrom(k);
        for (int i = 0; i < 512; ++i)
            QVERIFY(fresh.aCue()[k - 1].DMX[i] == (touched ? quint8(expected[i]) : 0));
    }
    // Replies do not reach the editors.
    for (int n = 1; n <= 512; ++n)
        QVERIFY(fresh.channelEditor(n)->value() == 0);
}

void TestCue::replyForTheShownCue() {
    FakeLink l;
    TfCue fresh(&l);
    fresh.StringGrid1->setCurrentCell(2, 0); // cue 3 shown
    fresh.IdUDPServer1UDPRead(wire::cueReply(3, "Three", valuesFrom(3)), QHostAddress::LocalHost);
    QCOMPARE(fresh.cueName(3), QString("Three"));
    QCOMPARE(fresh.aCue()[2].DMX[0], 3);
    QCOMPARE(fresh.channelEditor(1)->value(), 0); // until the row is selected again
    fresh.StringGrid1Click();
    QCOMPARE(fresh.channelEditor(1)->value(), 3);
    QCOMPARE(fresh.channelEditor(512)->value(), quint8(valuesFrom(3)[511]));
    fresh.show(); // loaded while hidden: every editor shows its own value, none the text it was built with
    for (int n = 1; n <= 512; ++n)
        QCOMPARE(fresh.channelEditor(n)->text(), QString::number(fresh.channelEditor(n)->value()));
}

void TestCue::editing() {
    FakeLink l;
    TfCue fresh(&l);
    fresh.show();
    QTableWidget *g = fresh.StringGrid1;
    fresh.IdUDPServer1UDPRead(wire::cueReply(2, "Two", valuesFrom(2)), QHostAddress::LocalHost);

    // Selecting a row with the mouse loads its values without writing anything back.
    const QRect cell = g->visualItemRect(g->item(1, 1));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(fresh.currentCue(), 2);
    QCOMPARE(lastLogLine(fresh), QString("click: 2 row: 2"));
    QCOMPARE(fresh.Memo1->toPlainText().count("click:"), 1); // one load per selection
    for (int n = 1; n <= 512; ++n)
        QVERIFY(fresh.channelEditor(n)->value() == quint8(valuesFrom(2)[n - 1]));
    QVERIFY(!fresh.loading());

    // Editing channel 5 of cue 2.
    fresh.channelEditor(5)->setValue(128);
    QCOMPARE(fresh.aCue()[1].DMX[4], 128);
    QCOMPARE(lastLogLine(fresh), QString("Cue[1].DMX[4] := 128"));

    // Moving with the keyboard loads the next cue; the edit stays in cue 2.
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(fresh.currentCue(), 3);
    QCOMPARE(lastLogLine(fresh), QString("click: 3 row: 3"));
    QCOMPARE(fresh.channelEditor(5)->value(), 0);
    QCOMPARE(fresh.aCue()[2].DMX[4], 0);
    QTest::keyClick(g, Qt::Key_Up);
    QCOMPARE(fresh.channelEditor(5)->value(), 128);

    // A click on the row the keyboard made current is a click all the same: it loads that cue again
    // (with what arrived meanwhile) and closes the name editor.
    QTest::keyClick(g, Qt::Key_Down);
    QTest::keyClick(g, Qt::Key_F2);
    QVERIFY(fresh.Edit1->isVisible());
    fresh.IdUDPServer1UDPRead(wire::cueReply(3, "Three", valuesFrom(3)), QHostAddress::LocalHost);
    const int clicks = fresh.Memo1->toPlainText().count("click: 3 row: 3");
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(2, 0)).center());
    QCOMPARE(fresh.Memo1->toPlainText().count("click: 3 row: 3"), clicks + 1);
    QVERIFY(!fresh.Edit1->isVisible());
    QCOMPARE(fresh.channelEditor(5)->value(), int(quint8(valuesFrom(3)[4])));
    QTest::keyClick(g, Qt::Key_Up);

    // The first cue's edit as the log writes it.
    g->setCurrentCell(0, 0);
    fresh.channelEditor(5)->setValue(128);
    QCOMPARE(lastLogLine(fresh), QString("Cue[0].DMX[4] := 128"));
    fresh.close();
}

void TestCue::typing() {
    FakeLink l;
    TfCue fresh(&l);
    fresh.show();
    QVERIFY(QTest::qWaitForWindowActive(&fresh));
    QSpinBox *e = fresh.channelEditor(40);
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, "2");
    QCOMPARE(fresh.aCue()[0].DMX[39], 2); // every change of the text counts
    QTest::keyClicks(e, "00");
    QCOMPARE(fresh.aCue()[0].DMX[39], 200);
    QTest::keyClicks(e, "9"); // 2009 is no channel value: refused as typed
    QCOMPARE(fresh.aCue()[0].DMX[39], 200);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QCOMPARE(fresh.aCue()[0].DMX[39], 0); // no number counts as 0
    QTest::keyClick(e, Qt::Key_Up);       // an arrow on an empty editor first settles it at 0
    QCOMPARE(e->text(), QString("0"));
    QTest::keyClick(e, Qt::Key_Up);
    QCOMPARE(fresh.aCue()[0].DMX[39], 1);
    QTest::keyClick(e, Qt::Key_PageUp);
    QCOMPARE(fresh.aCue()[0].DMX[39], 11);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    fresh.channelEditor(41)->setFocus(); // leaving an empty editor settles it at 0
    QCOMPARE(e->value(), 0);
    QCOMPARE(e->text(), QString("0"));
    QCOMPARE(fresh.aCue()[0].DMX[39], 0);
    fresh.close();
}

void TestCue::renaming_data() {
    QTest::addColumn<int>("openKey"); // 0: double click
    QTest::addColumn<int>("closeKey");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::newRow("F2, Enter") << int(Qt::Key_F2) << int(Qt::Key_Return) << "Blue wash"
                               << "Blue wash";
    QTest::newRow("double click, keypad Enter") << 0 << int(Qt::Key_Enter) << "Strobe"
                                                << "Strobe";
    QTest::newRow("F2, Escape") << int(Qt::Key_F2) << int(Qt::Key_Escape) << "Dropped"
                                << "Old name";
    QTest::newRow("at most 64 characters")
        << int(Qt::Key_F2) << int(Qt::Key_Return) << QString(70, 'x') << QString(64, 'x');
}

void TestCue::renaming() {
    QFETCH(int, openKey);
    QFETCH(int, closeKey);
    QFETCH(QString, typed);
    QFETCH(QString, name);
    FakeLink l;
    TfCue fresh(&l);
    fresh.show();
    QVERIFY(QTest::qWaitForWindowActive(&fresh));
    fresh.IdUDPServer1UDPRead(wire::cueReply(4, "Old name", valuesFrom(4)), QHostAddress::LocalHost);
    QTableWidget *g = fresh.StringGrid1;
    g->setCurrentCell(3, 0);
    g->setFocus();
    if (openKey)
        QTest::keyClick(g, Qt::Key(openKey));
    else
        doubleClick(g->viewport(), g->visualItemRect(g->item(3, 1)).center());
    QVERIFY(fresh.Edit1->isVisible());
    QVERIFY(fresh.Edit1->hasFocus());
    QCOMPARE(fresh.Edit1->text(), QString("Old name")); // starts with the cue's name
    // It lies over the name cell of the row.
    const QRect cell = g->visualItemRect(g->item(3, 1));
    QCOMPARE(fresh.Edit1->geometry(),
             QRect(g->viewport()->mapTo(fresh.GroupBox2, cell.topLeft()), cell.size()));

    fresh.Edit1->selectAll();
    QTest::keyClicks(fresh.Edit1, typed);
    QTest::keyClick(fresh.Edit1, Qt::Key(closeKey));
    QVERIFY(fresh.Edit1->isHidden());
    QVERIFY(g->hasFocus());
    QCOMPARE(fresh.cueName(4), name);
    QVERIFY(fresh.isVisible());              // neither key closes the window
    QVERIFY(l.sentWith("!CUEWR").isEmpty()); // nor saves
    fresh.close();
}

void TestCue::renameTakesTopOfSelection() {
    FakeLink l;
    TfCue fresh(&l);
    fresh.show();
    QTableWidget *g = fresh.StringGrid1;
    g->setCurrentCell(5, 0);
    g->setRangeSelected(QTableWidgetSelectionRange(2, 0, 5, 1), true);
    fresh.StringGrid1KeyDown(Qt::Key_F2);
    QCOMPARE(fresh.nameEditRow(), 2);
    fresh.Edit1->setText("Top");
    fresh.Edit1KeyDown(Qt::Key_Return);
    QCOMPARE(fresh.cueName(3), QString("Top"));
    QCOMPARE(fresh.cueName(6), QString());
    fresh.close();
}

void TestCue::saving_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("nameBytes"); // bytes 17..63
    QTest::newRow("plain") << "Intro" << QByteArray("Intro").leftJustified(47, '\0');
    QTest::newRow("trimmed") << "  Intro \t" << QByteArray("Intro").leftJustified(47, '\0');
    QTest::newRow("47 characters") << QString(47, 'a') << QByteArray(47, 'a');
    QTest::newRow("longer than 47") << QString(47, 'b') + "CDEFG" << QByteArray(47, 'b');
    QTest::newRow("character above 255")
        << QString(QChar(0x141)) + "odz" << QByteArray("\x41odz").leftJustified(47, '\0');
    QTest::newRow("empty") << "" << QByteArray(47, '\0');
}

void TestCue::saving() {
    QFETCH(QString, name);
    QFETCH(QByteArray, nameBytes);
    FakeLink l;
    TfCue fresh(&l);
    fresh.show(); // the editor writes to the device it was shown for
    fresh.IdUDPServer1UDPRead(wire::cueReply(42, "x", valuesFrom(42)), QHostAddress::LocalHost);
    fresh.IdUDPServer1UDPRead(wire::cueReply(43, "y", valuesFrom(43)), QHostAddress::LocalHost);
    fresh.StringGrid1->setCurrentCell(41, 0);
    fresh.channelEditor(1)->setValue(255);
    fresh.StringGrid1->item(41, 1)->setText(name);
    QTest::mouseClick(fresh.btSaveAllCues, Qt::LeftButton);
    const auto sent = l.sentWith("!CUEWR");
    QCOMPARE(sent.size(), 1); // the current cue only
    const QByteArray d = sent.first();
    QCOMPARE(d.size(), 640);
    QCOMPARE(d.left(6), QByteArray("!CUEWR"));
    QCOMPARE(int(d[6]), 42);
    QCOMPARE(d.mid(7, 10), QByteArray(10, '\0'));
    QCOMPARE(d.mid(17, 47), nameBytes);
    QCOMPARE(d.mid(64, 64), QByteArray(64, '\0'));
    QByteArray values = valuesFrom(42);
    values[0] = char(255);
    QCOMPARE(d.mid(128), values);
}

void TestCue::keepsCuesBetweenShowings() {
    Window f;
    TfCue *w = &f.window;
    FakeLink *link = &f.link;
    // Names and values of cues the next device does not answer for stay as they were.
    w->IdUDPServer1UDPRead(wire::cueReply(12, "First device", valuesFrom(12)), QHostAddress::LocalHost);
    w->show();
    w->close();
    link->selectedIndex = 1;
    w->show();
    w->IdUDPServer1UDPRead(wire::cueReply(13, "Second device", valuesFrom(13)), QHostAddress::LocalHost);
    QCOMPARE(w->cueName(12), QString("First device"));
    QCOMPARE(w->cueName(13), QString("Second device"));
    QCOMPARE(w->aCue()[11].DMX[1], quint8(valuesFrom(12)[1]));
}

void TestCue::repliesThroughTheSocket() {
    Window f;
    TfCue *w = &f.window;
    w->show();
    QVERIFY(w->listener()->isOpen());
    QUdpSocket device;
    device.writeDatagram(wire::cueReply(20, "Over the wire", valuesFrom(20)), QHostAddress::LocalHost,
                         wire::kCuePort);
    device.writeDatagram(wire::cueReply(20, "Second reply wins", valuesFrom(21)), QHostAddress::LocalHost,
                         wire::kCuePort);
    QTRY_COMPARE_WITH_TIMEOUT(w->cueName(20), QString("Second reply wins"), 3000);
    QCOMPARE(w->aCue()[19].DMX[0], quint8(valuesFrom(21)[0]));
    w->close();
}

QTEST_MAIN(TestCue)
#include "tst_cue.moc"
