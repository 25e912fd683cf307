// The live show recording window: what it sends, how it follows the device's reports, the two-press
// confirmations, the indicator lights and the listener on the live recording port.
#include "device/duration.h"
#include "device/protocol.h"
#include "device/udp.h"
#include "fakelink.h"
#include "shows/f_livebuttonrecord.h"
#include "shows/showwidgets.h"
#include "testkit.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QUdpSocket>
#include <QtTest>

using namespace zentri;

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 128, 0), kSilver(192, 192, 192);

QByteArray hex(const char *text) {
    return QByteArray::fromHex(text);
}

// Answers the next message box that opens (within `ms`) and hands back its text.

QStringList words(const QVector<QByteArray> &sent) {
    // Leading letters of each datagram, with the show byte where the command carries one.
    QStringList out;
    for (const QByteArray &d : sent) {
        if (d.startsWith("SSHOW") || d.startsWith("QShowInfo") || d.startsWith("ERASESHOW"))
            out << QString::fromLatin1(d.left(d.size() - 1)) + QString::number(quint8(d.back()));
        else
            out << QString::fromLatin1(d);
    }
    return out;
}

const QStringList kAllQueries{"QShowInfo1", "QShowInfo2", "QShowInfo3", "QShowInfo4",
                              "QShowInfo5", "QShowInfo6", "QShowInfo7", "QShowInfo8"};

struct Window {
    explicit Window(int version = 254) {
        link.records[0].ZentriVersion = version;
        link.records[1].ZentriVersion = 0;
        mainWindow.setObjectName("mainWindow");
    }
    ~Window() {
        if (w.isVisible())
            w.close();
    }
    void open() {
        mainWindow.hide();
        w.show();
    }
    void reply(const QByteArray &datagram) { w.IdUDPServer1UDPRead(datagram, QHostAddress::LocalHost); }
    void shows(std::initializer_list<std::pair<int, int32_t>> present) {
        for (auto [n, length] : present)
            reply(wire::showInfoReply(n, true, length));
    }
    ui::ColorPanel *panel(int n) const {
        return w.findChild<ui::ColorPanel *>(QStringLiteral("Panel%1").arg(n));
    }

    FakeLink link{2};
    QWidget mainWindow;
    TfLiveButtonRecord w{&link, &mainWindow};
};

} // namespace

class TestLiveButtonRecord : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_FREE_PORTS({wire::kLiveRecordPort}); }
    void durationText_data();
    void durationText();
    void controls();
    void activation();
    void pacing();
    void refreshView_data();
    void refreshView();
    void confirmations_data();
    void confirmations();
    void buttonsActOnPress();
    void pressActionActsAsTheMouse_data();
    void pressActionActsAsTheMouse();
    void disabledActionsSendNothing();
    void replies_data();
    void replies();
    void shortOrForeignDatagrams_data();
    void shortOrForeignDatagrams();
    void playbackBar_data();
    void playbackBar();
    void blinking();
    void closing();
    void standardThenPremium();
    void busyPort();
    void repliesThroughTheSocket();
};

void TestLiveButtonRecord::durationText_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "00:00:00";
    QTest::newRow("just under a second") << 20479 << "00:00:00";
    QTest::newRow("one second") << 20480 << "00:00:01";
    QTest::newRow("61 seconds") << 61 * 20480 << "00:01:01";
    QTest::newRow("one hour") << 73728000 << "01:00:00";
    QTest::newRow("23:59:59") << (24 * 3600 - 1) * 20480 << "23:59:59";
    QTest::newRow("24 hours") << 1769472000 << "24:00:00";
    QTest::newRow("largest count") << INT32_MAX << "29:07:37";
    QTest::newRow("minus one") << -1 << "00:00:00";
    QTest::newRow("most negative") << INT32_MIN << "00:00:00";
}

void TestLiveButtonRecord::durationText() {
    QFETCH(int, units);
    QFETCH(QString, text);
    QCOMPARE(DurationText(units), text);
}

void TestLiveButtonRecord::controls() {
    Window f;
    TfLiveButtonRecord &w = f.w;
    QCOMPARE(w.windowTitle(), QString("Zentri Live Button Record"));
    const QStringList showButtons{"Button9", "Button1", "Button2", "Button3",
                                  "Button4", "Button5", "Button6", "Button7"};
    for (int n = 1; n <= 8; ++n) {
        auto *b = w.findChild<QPushButton *>(showButtons[n - 1]);
        QVERIFY(b);
        QCOMPARE(b->text(), QStringLiteral("SHOW %1").arg(n));
        QCOMPARE(b->parentWidget(), f.panel(n));
        QCOMPARE(b->geometry(), f.panel(n)->rect().adjusted(4, 4, -4, -4));
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
        auto *label = w.findChild<QLabel *>(QStringLiteral("lbShow%1").arg(n, 2, 10, QLatin1Char('0')));
        QVERIFY(label);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->accessibleDescription(), QStringLiteral("Show %1 length").arg(n));
        QVERIFY(label->accessibleName().isEmpty()); // a screen reader reads its text
    }
    const QList<std::tuple<const char *, const char *, const char *>> actions{
        {"Panel12", "Button13", "ERASE"},
        {"Panel11", "Button12", "RECORD"},
        {"Panel13", "Button10", "SYNCHRO RECORD"},
        {"Panel10", "Button11", "PLAY"},
        {"Panel9", "Button8", "STOP"}};
    int previousLeft = -1;
    for (auto [panelName, buttonName, caption] : actions) {
        auto *panel = w.findChild<ui::ColorPanel *>(panelName);
        auto *button = w.findChild<QPushButton *>(buttonName);
        QVERIFY(panel && button);
        QCOMPARE(button->text(), QString(caption));
        QCOMPARE(button->parentWidget(), panel);
        QCOMPARE(button->geometry(), panel->rect().adjusted(4, 4, -4, -4));
        QVERIFY2(panel->x() > previousLeft, panelName); // left to right in this order
        QVERIFY(panel->y() > f.panel(1)->y() + f.panel(1)->height());
        previousLeft = panel->x();
    }
    auto *indicator = w.findChild<ui::ActivityIndicator *>("ActivityIndicator1");
    QVERIFY(indicator);
    QCOMPARE(indicator->frameDelay(), 100);
    QVERIFY(!w.tmBlinkButton.isActive() && !w.tmShowTime.isActive());
    QCOMPARE(w.tmBlinkButton.objectName(), QString("tmBlinkButton"));
    QCOMPARE(w.tmBlinkButton.interval(), 250);
    QCOMPARE(w.tmShowTime.objectName(), QString("tmShowTime"));
    QCOMPARE(w.tmShowTime.interval(), 100);
    QCOMPARE(w.findChild<UdpListener *>("IdUDPServer1"), w.listener());
    QCOMPARE(w.SelectedShow(), 0);
    QCOMPARE(w.minimumSize(), w.maximumSize()); // fixed size
}

void TestLiveButtonRecord::activation() {
    // A device with shows 1 and 3.
    Window f;
    f.open();
    TfLiveButtonRecord &w = f.w;
    QVERIFY(w.isListening());
    QCOMPARE(words(f.link.sentWith()), (kAllQueries + QStringList{"SSHOW0"}));
    f.shows({{1, 20480 * 75}, {3, 73728000}});
    for (int n = 1; n <= 8; ++n) {
        const bool present = n == 1 || n == 3;
        QCOMPARE(f.panel(n)->color(), present ? kBlue : kSilver);
        QCOMPARE(w.showLabel(n)->text(), n == 1 ? "00:01:15" : n == 3 ? "01:00:00" : "00:00:00");
        QVERIFY(w.showButton(n)->isEnabled());
    }
    for (QPushButton *b : {w.Button11, w.Button12, w.Button13, w.Button10})
        QVERIFY(!b->isEnabled());
    QVERIFY(w.Button8->isEnabled());
    for (int n : {10, 11, 12, 13})
        QCOMPARE(f.panel(n)->color(), kSilver);
    QCOMPARE(f.panel(9)->color(), kGreen);
    QVERIFY(w.lbTime->isHidden() && w.pb1->isHidden());
    QCOMPARE(w.ActiveDeviceIndex(), 0);
    // Every datagram goes to the selected device.
    for (const SentDatagram &s : f.link.sent)
        QCOMPARE(s.device, 0);
}

void TestLiveButtonRecord::pacing() {
    Window f;
    f.open(); // the window sends to the device it was shown for
    f.link.sent.clear();
    QElapsedTimer clock;
    clock.start();
    f.w.QueryAllShowInfo();
    QVERIFY2(clock.elapsed() >= 8 * 10, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(words(f.link.sentWith()), kAllQueries);

    f.link.sent.clear();
    f.w.SelectShow(2);
    f.w.Button13MouseDown();
    clock.restart();
    f.w.Button13MouseDown();
    QVERIFY(clock.elapsed() >= 250 + 8 * 10);
    QCOMPARE(words(f.link.sentWith()),
             (QStringList{"SSHOW2", "ERASESHOW2"} + kAllQueries + QStringList{"SSHOW0"}));

    // A refused send ends the queries at once: the rest would be refused too.
    f.link.sent.clear();
    f.link.refuseSends = true;
    f.w.QueryAllShowInfo();
    QCOMPARE(f.link.sent.size(), 1);
    // So does a refused stop or erase: nothing else is tried after them.
    f.link.sent.clear();
    f.w.Button8MouseDown();
    QCOMPARE(words(f.link.sentWith()), QStringList{"RECDIS"});
    f.w.SelectShow(2);
    f.link.sent.clear();
    f.w.Button13MouseDown();
    f.w.Button13MouseDown();
    QCOMPARE(words(f.link.sentWith()), QStringList{"ERASESHOW2"});
    QCOMPARE(f.w.EraseArmed(), 0);
    QCOMPARE(f.w.Button13->text(), TfLiveButtonRecord::kEraseCaption);
}

void TestLiveButtonRecord::refreshView_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<QString>("showColors"); // one letter per show panel: r(ed) b(lue) s(ilver)
    QTest::addColumn<bool>("actions");
    QTest::newRow("none selected, all present")
        << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << "bbbbbbbb" << false;
    QTest::newRow("none selected, none present") << 0 << QList<int>{} << "ssssssss" << false;
    QTest::newRow("show 3 of 1 and 3") << 3 << QList<int>{1, 3} << "bsrsssss" << true;
    QTest::newRow("empty slot selected stays silver") << 2 << QList<int>{1, 3} << "bsbsssss" << true;
    QTest::newRow("show 8") << 8 << QList<int>{8} << "sssssssr" << true;
    QTest::newRow("show 12: panels keep their colours") << 12 << QList<int>{1, 2} << "bbssssss" << true;
    QTest::newRow("show 255") << 255 << QList<int>{5} << "ssssbsss" << true;
}

void TestLiveButtonRecord::refreshView() {
    QFETCH(int, selected);
    QFETCH(QList<int>, present);
    QFETCH(QString, showColors);
    QFETCH(bool, actions);
    Window f;
    f.open();
    for (int n : present)
        f.reply(wire::showInfoReply(n, true, 20480));
    f.reply(wire::setShowReply(selected));
    TfLiveButtonRecord &w = f.w;
    QCOMPARE(w.SelectedShow(), selected);
    QCOMPARE(w.statusText(), QStringLiteral("Set show: %1").arg(selected));
    for (int n = 1; n <= 8; ++n) {
        const QColor expected = showColors[n - 1] == 'r' ? kRed : showColors[n - 1] == 'b' ? kBlue : kSilver;
        QVERIFY2(f.panel(n)->color() == expected, qPrintable(QStringLiteral("show %1").arg(n)));
        QCOMPARE(w.showLabel(n)->text(), present.contains(n) ? "00:00:01" : "00:00:00");
    }
    for (int n : {10, 11, 12, 13})
        QCOMPARE(f.panel(n)->color(), actions ? kGreen : kSilver);
    for (QPushButton *b : {w.Button11, w.Button12, w.Button13, w.Button10})
        QCOMPARE(b->isEnabled(), actions);
    QVERIFY(w.Button8->isEnabled());
    // Nothing is sent back for a device's own selection.
    QVERIFY(f.link.sentWith("SSHOW").size() == 1);
}

void TestLiveButtonRecord::confirmations_data() {
    // Presses: E(rase) R(ecord) S(ynchro) P(lay) T (stop) 1..8 (show). Starting with show 3 selected.
    QTest::addColumn<QString>("presses");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QString>("flags");        // EraseArmed RecordArmed SynchroArmed
    QTest::addColumn<QStringList>("captions"); // ERASE, RECORD, SYNCHRO RECORD
    QTest::addColumn<QString>("status");
    const QString E = TfLiveButtonRecord::kEraseCaption, EC = TfLiveButtonRecord::kEraseConfirm;
    const QString R = TfLiveButtonRecord::kRecordCaption, RC = TfLiveButtonRecord::kRecordConfirm;
    const QString S = TfLiveButtonRecord::kSynchroCaption, SC = TfLiveButtonRecord::kSynchroConfirm;
    const QString SR = TfLiveButtonRecord::kRecordingCaption;
    const QString waitAny = "Waiting for Artnet packet...",
                  waitFull = "Waiting for not empty Artnet packet...";
    QTest::newRow("record once") << "R" << QStringList{} << "010" << QStringList{E, RC, S} << "";
    QTest::newRow("record twice") << "RR" << QStringList{"RECENA"} << "010" << QStringList{E, RC, S}
                                  << waitAny;
    QTest::newRow("record thrice") << "RRR" << QStringList{"RECENA", "RECENA"} << "010"
                                   << QStringList{E, RC, S} << waitAny;
    QTest::newRow("record then synchro") << "RS" << QStringList{} << "001" << QStringList{E, R, SC} << "";
    QTest::newRow("synchro once") << "S" << QStringList{} << "001" << QStringList{E, R, SC} << "";
    QTest::newRow("synchro twice") << "SS" << QStringList{"RECENS"} << "001" << QStringList{E, R, SR}
                                   << waitFull;
    QTest::newRow("synchro then record") << "SR" << QStringList{} << "010" << QStringList{E, RC, S} << "";
    QTest::newRow("erase once") << "E" << QStringList{} << "100" << QStringList{EC, R, S} << "";
    QTest::newRow("erase twice") << "EE" << QStringList{"ERASESHOW3"} + kAllQueries + QStringList{"SSHOW0"}
                                 << "000" << QStringList{E, R, S} << "";
    QTest::newRow("erase then record") << "ER" << QStringList{} << "010" << QStringList{E, RC, S} << "";
    QTest::newRow("record then erase") << "RE" << QStringList{} << "100" << QStringList{EC, R, S} << "";
    QTest::newRow("record, erase, erase")
        << "REE" << QStringList{"ERASESHOW3"} + kAllQueries + QStringList{"SSHOW0"} << "000"
        << QStringList{E, R, S} << "";
    // PLAY and STOP disarm without repainting: the confirmation caption stays until the next refresh.
    QTest::newRow("record then play")
        << "RP" << QStringList{"PLAYSH"} << "000" << QStringList{E, RC, S} << "";
    QTest::newRow("play then record")
        << "PR" << QStringList{"PLAYSH"} << "010" << QStringList{E, RC, S} << "";
    QTest::newRow("record then stop")
        << "RT" << QStringList{"RECDIS"} + kAllQueries << "000" << QStringList{E, RC, S} << "";
    QTest::newRow("armed record then stop")
        << "RRT" << QStringList{"RECENA", "RECDIS"} + kAllQueries << "000" << QStringList{E, RC, S} << "";
    QTest::newRow("record then select")
        << "R5" << QStringList{"SSHOW5"} << "000" << QStringList{E, R, S} << "";
    QTest::newRow("erase then select")
        << "E1" << QStringList{"SSHOW1"} << "000" << QStringList{E, R, S} << "";
}

void TestLiveButtonRecord::confirmations() {
    QFETCH(QString, presses);
    QFETCH(QStringList, sent);
    QFETCH(QString, flags);
    QFETCH(QStringList, captions);
    QFETCH(QString, status);
    Window f;
    f.open();
    TfLiveButtonRecord &w = f.w;
    w.SelectShow(3);
    f.link.sent.clear();
    for (QChar c : presses) {
        switch (c.toLatin1()) {
        case 'E':
            w.Button13MouseDown();
            break;
        case 'R':
            w.Button12MouseDown();
            break;
        case 'S':
            w.Button10MouseDown();
            break;
        case 'P':
            w.Button11MouseDown();
            break;
        case 'T':
            w.Button8MouseDown();
            break;
        default:
            w.SelectShow(c.digitValue());
            break;
        }
    }
    QCOMPARE(words(f.link.sentWith()), sent);
    QCOMPARE(QStringLiteral("%1%2%3").arg(w.EraseArmed()).arg(w.RecordArmed()).arg(w.SynchroArmed()), flags);
    QCOMPARE((QStringList{w.Button13->text(), w.Button12->text(), w.Button10->text()}), captions);
    QCOMPARE(w.statusText(), status);
}

void TestLiveButtonRecord::buttonsActOnPress() {
    Window f;
    f.open();
    TfLiveButtonRecord &w = f.w;
    f.link.sent.clear();

    // SHOW 2 with the right mouse button: acts on the press.
    QTest::mousePress(w.showButton(2), Qt::RightButton);
    QCOMPARE(w.SelectedShow(), 2);
    QTest::mouseRelease(w.showButton(2), Qt::RightButton);

    // RECORD: the first press arms, the release changes nothing, the second press sends.
    QTest::mousePress(w.Button12, Qt::LeftButton);
    QCOMPARE(w.RecordArmed(), 1);
    QTest::mouseRelease(w.Button12, Qt::LeftButton);
    QVERIFY(f.link.sentWith("RECENA").isEmpty());
    // A quick second press reaches the widget as a double click in place of a press (what a real
    // double click delivers: press, release, double click, release): it confirms all the same.
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(5, 5), w.Button12->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.Button12, &twice);
    QTest::mouseRelease(w.Button12, Qt::LeftButton);
    QCOMPARE(f.link.sentWith("RECENA").size(), 1);
    QCOMPARE(w.statusText(), QStringLiteral("Waiting for Artnet packet..."));

    // STOP is red while held and green again on release.
    QTest::mousePress(w.Button8, Qt::LeftButton);
    QCOMPARE(f.panel(9)->color(), kRed);
    QCOMPARE(f.link.sentWith("RECDIS").size(), 1);
    QTest::mouseRelease(w.Button8, Qt::LeftButton);
    QCOMPARE(f.panel(9)->color(), kGreen);

    // Releasing PLAY also paints STOP green.
    f.panel(9)->setColor(kRed);
    QTest::mousePress(w.Button11, Qt::LeftButton);
    QCOMPARE(f.panel(10)->color(), kRed);
    QTest::mouseRelease(w.Button11, Qt::LeftButton);
    QCOMPARE(f.panel(9)->color(), kGreen);

    // The keyboard triggers nothing, not even the activation key on a button.
    f.link.sent.clear();
    for (QPushButton *b : {w.Button8, w.Button11, w.Button12, w.showButton(4)}) {
        QVERIFY(b->focusPolicy() == Qt::NoFocus);
        QTest::keyClick(b, Qt::Key_Space);
        QTest::keyClick(b, Qt::Key_Return);
    }
    QTest::keyClick(&w, Qt::Key_Return);
    QVERIFY(f.link.sent.isEmpty());
}

void TestLiveButtonRecord::pressActionActsAsTheMouse_data() {
    // Presses through the screen reader's press action: E R S P T as above, 1..8 the show buttons.
    QTest::addColumn<QString>("presses");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("captions"); // ERASE, RECORD
    const QString E = TfLiveButtonRecord::kEraseCaption, EC = TfLiveButtonRecord::kEraseConfirm;
    const QString R = TfLiveButtonRecord::kRecordCaption, RC = TfLiveButtonRecord::kRecordConfirm;
    QTest::newRow("no show selected: record") << "R" << QStringList{} << QStringList{E, R};
    QTest::newRow("show 2") << "2" << QStringList{"SSHOW2"} << QStringList{E, R};
    QTest::newRow("show 2, record once") << "2R" << QStringList{"SSHOW2"} << QStringList{E, RC};
    QTest::newRow("show 2, record twice") << "2RR" << QStringList{"SSHOW2", "RECENA"} << QStringList{E, RC};
    QTest::newRow("show 3, synchro twice") << "3SS" << QStringList{"SSHOW3", "RECENS"} << QStringList{E, R};
    QTest::newRow("show 4, erase once") << "4E" << QStringList{"SSHOW4"} << QStringList{EC, R};
    QTest::newRow("show 4, erase twice")
        << "4EE" << QStringList{"SSHOW4", "ERASESHOW4"} + kAllQueries + QStringList{"SSHOW0"}
        << QStringList{E, R};
    QTest::newRow("show 1, play") << "1P" << QStringList{"SSHOW1", "PLAYSH"} << QStringList{E, R};
    QTest::newRow("stop") << "T" << QStringList{"RECDIS"} + kAllQueries << QStringList{E, R};
}

// A screen reader's press action on a button acts as a mouse press and release on it: the same
// confirmations, nothing for a disabled button, and STOP green again afterwards.
void TestLiveButtonRecord::pressActionActsAsTheMouse() {
    QFETCH(QString, presses);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, captions);
    Window f;
    f.open();
    TfLiveButtonRecord &w = f.w;
    f.link.sent.clear();
    for (QChar c : presses) {
        QPushButton *b = c == 'E'   ? w.Button13
                         : c == 'R' ? w.Button12
                         : c == 'S' ? w.Button10
                         : c == 'P' ? w.Button11
                         : c == 'T' ? w.Button8
                                    : w.showButton(c.digitValue());
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(b);
        QVERIFY(button && button->actionInterface());
        QCOMPARE(button->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});
        QCOMPARE(button->text(QAccessible::Name), b->text());
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    QCOMPARE(words(f.link.sentWith()), sent);
    QCOMPARE((QStringList{w.Button13->text(), w.Button12->text()}), captions);
    QCOMPARE(f.panel(9)->color(), kGreen);
    QVERIFY(!w.Button8->isDown());
}

void TestLiveButtonRecord::disabledActionsSendNothing() {
    Window f;
    f.open();
    f.link.sent.clear();
    for (QPushButton *b : {f.w.Button10, f.w.Button11, f.w.Button12, f.w.Button13}) {
        QTest::mousePress(b, Qt::LeftButton);
        QTest::mousePress(b, Qt::LeftButton);
    }
    QVERIFY(f.link.sent.isEmpty());
    QCOMPARE(f.w.RecordArmed() + f.w.SynchroArmed() + f.w.EraseArmed(), 0);
}

void TestLiveButtonRecord::replies_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("blinking");
    QTest::addColumn<int>("selected");
    QTest::newRow("packet count 256") << hex("50636E74 00000100") << "Incoming packets: 256" << true << 0;
    QTest::newRow("negative packet count") << hex("50636E74 FFFFFFFE") << "Incoming packets: -2" << true << 0;
    QTest::newRow("longer than its layout")
        << hex("50636E74 00000007 AAAA") << "Incoming packets: 7" << true << 0;
    QTest::newRow("set show 5") << hex("73657453686F77 05") << "Set show: 5" << false << 5;
    QTest::newRow("set show 12") << hex("73657453686F77 0C") << "Set show: 12" << false << 12;
}

void TestLiveButtonRecord::replies() {
    QFETCH(QByteArray, datagram);
    QFETCH(QString, status);
    QFETCH(bool, blinking);
    QFETCH(int, selected);
    Window f;
    f.open();
    f.link.sent.clear();
    f.reply(datagram);
    QCOMPARE(f.w.statusText(), status);
    QCOMPARE(f.w.tmBlinkButton.isActive(), blinking);
    QCOMPARE(f.w.ActivityIndicator1->isAnimating(), blinking);
    QCOMPARE(f.w.SelectedShow(), selected);
    QVERIFY(f.link.sent.isEmpty()); // replies are never answered
    if (blinking) {
        // A running blink keeps its rhythm: a further count does not restart it.
        const int remaining = f.w.tmBlinkButton.remainingTime();
        QTest::qWait(30);
        f.reply(datagram);
        QVERIFY(f.w.tmBlinkButton.remainingTime() < remaining);
    }
}

void TestLiveButtonRecord::shortOrForeignDatagrams_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::newRow("Pcnt without its count") << hex("50636E74 000001");
    QTest::newRow("setShow without its number") << QByteArray("setShow");
    QTest::newRow("showPss cut short") << hex("73686F77507373 00005000 000028");
    QTest::newRow("AShowInfo cut short") << hex("4153686F77496E666F 02 01 0000");
    QTest::newRow("playStop cut short") << QByteArray("playSto");
    QTest::newRow("unknown word") << QByteArray("PcNT\x00\x00\x01\x00", 8);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("lower-case show info") << hex("6153686F77496E666F 02 01 00000001");
}

void TestLiveButtonRecord::shortOrForeignDatagrams() {
    QFETCH(QByteArray, datagram);
    Window f;
    f.open();
    f.w.SelectShow(1);
    f.reply(wire::showPositionReply(1000, 10)); // playback running
    f.link.sent.clear();
    f.reply(datagram);
    QCOMPARE(f.w.SelectedShow(), 1);
    QCOMPARE(f.w.statusText(), QString());
    QVERIFY(!f.w.tmBlinkButton.isActive());
    QVERIFY(f.w.tmShowTime.isActive());
    QCOMPARE(f.w.pb1->maximum(), 1000);
    QCOMPARE(f.w.barPosition(), 10);
    for (int n = 0; n < 256; ++n)
        QVERIFY(!f.w.ShowPresent(n));
    QVERIFY(f.link.sent.isEmpty());
}

void TestLiveButtonRecord::playbackBar_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("barMax");
    QTest::addColumn<int>("barValue");
    QTest::addColumn<QString>("time");
    QTest::newRow("one hour, 61 s in") << 73728000 << 61 * 20480 << 73728000 << 61 * 20480 << "00:01:01";
    QTest::newRow("position beyond total")
        << 20480 * 10 << 20480 * 15 << 20480 * 10 << 20480 * 10 << "00:00:10";
    QTest::newRow("negative position") << 20480 << -5 << 20480 << 0 << "00:00:00";
    QTest::newRow("zero total") << 0 << 5 << 1 << 0 << "00:00:00";
    QTest::newRow("negative total") << -20480 << 20480 << 1 << 0 << "00:00:00";
    QTest::newRow("largest total") << INT32_MAX << INT32_MAX << INT32_MAX << INT32_MAX << "29:07:37";
}

void TestLiveButtonRecord::playbackBar() {
    QFETCH(int, total);
    QFETCH(int, position);
    QFETCH(int, barMax);
    QFETCH(int, barValue);
    QFETCH(QString, time);
    Window f;
    f.open();
    f.w.SelectShow(1);
    f.w.Button11MouseDown();
    QCOMPARE(f.w.lbTime->text(), QString("00:00:00"));
    f.reply(wire::showPositionReply(total, position));
    QVERIFY(!f.w.pb1->isHidden() && !f.w.lbTime->isHidden());
    QVERIFY(f.w.tmShowTime.isActive());
    QCOMPARE(f.w.pb1->minimum(), 0);
    QCOMPARE(f.w.pb1->maximum(), barMax);
    QCOMPARE(f.w.pb1->value(), barValue);
    f.w.tmShowTimeTimer();
    QCOMPARE(f.w.lbTime->text(), time);
    // The time renews itself from the bar every 100 ms.
    f.reply(wire::showPositionReply(73728000, 20480 * 3));
    QTRY_COMPARE_WITH_TIMEOUT(f.w.lbTime->text(), QString("00:00:03"), 1000);

    f.reply(wire::playStopReply());
    QVERIFY(f.w.pb1->isHidden() && f.w.lbTime->isHidden());
    QVERIFY(!f.w.tmShowTime.isActive());
}

void TestLiveButtonRecord::blinking() {
    Window f;
    f.open();
    TfLiveButtonRecord &w = f.w;
    w.SelectShow(2);
    f.reply(wire::packetCountReply(1));
    QVERIFY(w.tmBlinkButton.isActive());
    w.tmBlinkButtonTimer();
    QCOMPARE(f.panel(11)->color(), kRed);
    QCOMPARE(f.panel(13)->color(), kRed);
    QCOMPARE(w.BlinkPhase(), 1);
    w.tmBlinkButtonTimer();
    QCOMPARE(f.panel(11)->color(), kSilver);
    QCOMPARE(f.panel(13)->color(), kSilver);
    QCOMPARE(w.BlinkPhase(), 0);
    QCOMPARE(f.panel(10)->color(), kGreen); // PLAY and ERASE do not blink
    QCOMPARE(f.panel(12)->color(), kGreen);
    QTRY_VERIFY_WITH_TIMEOUT(f.panel(11)->color() == kRed, 1000); // and the timer does it by itself

    // STOP ends the blinking; with a show selected the action panels are green again.
    w.Button8MouseDown();
    QVERIFY(!w.tmBlinkButton.isActive());
    QVERIFY(!w.ActivityIndicator1->isAnimating());
    for (int n : {10, 11, 12, 13})
        QCOMPARE(f.panel(n)->color(), kGreen);
    QCOMPARE(w.statusText(), QString());

    // With no show selected they turn silver, like the disabled buttons they hold.
    w.SelectShow(0);
    f.reply(wire::packetCountReply(2));
    w.tmBlinkButtonTimer();
    w.Button8MouseDown();
    for (int n : {10, 11, 12, 13})
        QCOMPARE(f.panel(n)->color(), kSilver);

    // Closing while blinking stops it; the next showing is steady.
    f.reply(wire::packetCountReply(3));
    w.close();
    QVERIFY(!w.tmBlinkButton.isActive());
    f.open();
    QVERIFY(!w.tmBlinkButton.isActive());
    QCOMPARE(f.panel(11)->color(), kSilver);
    QCOMPARE(f.panel(13)->color(), kSilver);
    QCOMPARE(w.BlinkPhase(), 0);
}

void TestLiveButtonRecord::closing() {
    Window f;
    f.open();
    TfLiveButtonRecord &w = f.w;
    w.SelectShow(1);
    f.reply(wire::packetCountReply(10));
    f.reply(wire::showPositionReply(100, 50));
    QVERIFY(!f.mainWindow.isVisible());
    f.link.sent.clear();
    QTest::keyClick(&w, Qt::Key_Escape); // any way of closing
    QVERIFY(!w.isVisible());
    QCOMPARE(words(f.link.sentWith()), QStringList{"RECDIS"});
    QVERIFY(!w.isListening());
    QVERIFY(f.mainWindow.isVisible());
    QVERIFY(!w.tmBlinkButton.isActive() && !w.tmShowTime.isActive());
    QVERIFY(!w.ActivityIndicator1->isAnimating());
    QVERIFY(w.pb1->isHidden() && w.lbTime->isHidden());
    QCOMPARE(f.panel(9)->color(), kRed);

    // The show tables outlive the window's showings.
    f.shows({{4, 20480}});
    f.open();
    QVERIFY(w.ShowPresent(4));
    QCOMPARE(f.panel(4)->color(), kBlue);
    QCOMPARE(f.panel(9)->color(), kGreen);
}

void TestLiveButtonRecord::standardThenPremium() {
    Window f;
    TfLiveButtonRecord &w = f.w;
    f.link.selectedIndex = 1; // Standard
    f.open();
    QCOMPARE(w.ActiveDeviceIndex(), 1);
    for (int n = 1; n <= 8; ++n) {
        QCOMPARE(w.showButton(n)->isEnabled(), n <= 4);
        QCOMPARE(w.showLabel(n)->isEnabled(), n <= 4);
    }
    QCOMPARE(w.findChild<QPushButton *>("Button4"), w.showButton(5));
    for (const SentDatagram &s : f.link.sent)
        QCOMPARE(s.device, 1);
    w.close();

    f.link.selectedIndex = 0; // Premium: SHOW 5 to SHOW 8 come back
    f.open();
    for (int n = 1; n <= 8; ++n) {
        QVERIFY(w.showButton(n)->isEnabled());
        QVERIFY(w.showLabel(n)->isEnabled());
    }
}

void TestLiveButtonRecord::busyPort() {
    QUdpSocket other;
    QVERIFY(other.bind(QHostAddress::AnyIPv4, wire::kLiveRecordPort));
    Window f;
    QString message;
    ModalScript box({{QString(), answer(QMessageBox::Ok, &message)}});
    f.open();
    QVERIFY(!message.isEmpty());
    QVERIFY(!f.w.isListening());
    QVERIFY(f.w.isVisible()); // the window goes on without its listener
    QCOMPARE(words(f.link.sentWith()), (kAllQueries + QStringList{"SSHOW0"}));
    f.w.close();
    other.close();

    f.link.sent.clear();
    f.open();
    QVERIFY(f.w.isListening());
    QCOMPARE(f.link.sent.size(), 9);
}

void TestLiveButtonRecord::repliesThroughTheSocket() {
    Window f;
    f.open();
    QVERIFY(f.w.isListening());
    QUdpSocket device;
    device.writeDatagram(wire::showInfoReply(2, true, 20480 * 42), QHostAddress::LocalHost,
                         wire::kLiveRecordPort);
    device.writeDatagram(wire::setShowReply(2), QHostAddress::LocalHost, wire::kLiveRecordPort);
    device.writeDatagram(wire::packetCountReply(9), QHostAddress::LocalHost, wire::kLiveRecordPort);
    QTRY_COMPARE_WITH_TIMEOUT(f.w.statusText(), QString("Incoming packets: 9"), 3000);
    // Handled in arrival order.
    QVERIFY(f.w.ShowPresent(2));
    QCOMPARE(f.w.showLabel(2)->text(), QString("00:00:42"));
    QCOMPARE(f.panel(2)->color(), kRed);
    QCOMPARE(f.w.SelectedShow(), 2);
}

QTEST_MAIN(TestLiveButtonRecord)
#include "tst_livebuttonrecord.moc"
