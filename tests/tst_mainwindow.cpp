// The main window against scripted devices on loopback addresses.
#include "app/about.h"
#include "app/application.h"
#include "app/devicetable.h"
#include "app/mainwindow.h"
#include "managerfixture.h"
#include "shows/f_cue.h"
#include "testkit.h"
#include "ui/artwork.h"
#include "ui/picture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTableView>
#include <QtTest>
#include <functional>

using namespace zentri;

class TestMainWindow : public QObject, ManagerFixture {
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_FREE_PORTS({wire::kMainPort}); }
    void init() { openManager(); }
    void cleanup() { closeManager(); }
    void startState();
    void discoveryListsNewestFirst();
    void repliesInsertBeforeTheCurrentRow();
    void batchOfRepliesListsAsOneByOne_data();
    void batchOfRepliesListsAsOneByOne();
    void shortOrForeignRepliesAreIgnored();
    void newDiscoveryClearsTheTable();
    void firmwareCheck_data();
    void firmwareCheck();
    void moduleVersionRestrictsDmxSetup_data();
    void moduleVersionRestrictsDmxSetup();
    void dmxSetupSaysWhyItIsDisabled_data();
    void dmxSetupSaysWhyItIsDisabled();
    void sdCardIndicator_data();
    void sdCardIndicator();
    void closingAnyWindowDisablesDeviceControls();
    void screenReaderSelectsARow_data();
    void screenReaderSelectsARow();
    void configurationSentOnOkOnly();
    void restartAndRestoreDefaults();
    void heldPortIsReported();
    void refusedSendIsReported();
    void startUpBuildsTheOtherWindowsOnceTheMainWindowIsPainted();
    void inputBeforeTheFirstPaintFindsEveryWindow();
    void frontPanelIsDrawnAhead_data();
    void frontPanelIsDrawnAhead();
};

void TestMainWindow::dmxSetupSaysWhyItIsDisabled_data() {
    QTest::addColumn<QList<int>>("modules"); // of the devices clicked in turn; the last one counts
    QTest::addColumn<bool>("says");
    QTest::newRow("Standard") << QList<int>{kModuleStandard} << true;
    QTest::newRow("Premium") << QList<int>{kModulePremium} << false;
    QTest::newRow("not recognized") << QList<int>{7} << false;
    QTest::newRow("Standard, then Premium") << QList<int>{kModuleStandard, kModulePremium} << false;
    QTest::newRow("Premium, then Standard") << QList<int>{kModulePremium, kModuleStandard} << true;
}

// For a Standard module the disabled "DMX setup" button's tool-tip says why; for any other it has none.
void TestMainWindow::dmxSetupSaysWhyItIsDisabled() {
    QFETCH(QList<int>, modules);
    QFETCH(bool, says);
    discover(modules.size(), [&](recUrzadzenia &rec, int i) { rec.ZentriVersion = modules[i]; });
    for (int i = 0; i < modules.size(); ++i)
        clickRow(modules.size() - 1 - i); // newest first: device i is on this row
    QCOMPARE(control("btDMXSetup")->isEnabled(), !says);
    QCOMPARE(control("btDMXSetup")->toolTip().contains(QLatin1String("Standard module")), says);
}

void TestMainWindow::screenReaderSelectsARow_data() {
    QTest::addColumn<QList<int>>("rows"); // rows acted on in turn, through a cell's first action
    QTest::newRow("second row") << QList<int>{1};
    QTest::newRow("third row") << QList<int>{2};
    QTest::newRow("first row, the current one") << QList<int>{0};
    QTest::newRow("second row twice") << QList<int>{1, 1};
    QTest::newRow("first, then third row") << QList<int>{0, 2};
}

// A screen reader's default action on a row selects that device as a click on it does: the row
// becomes current, the device controls come alive, and that device alone is asked for its SD card,
// once for each action.
void TestMainWindow::screenReaderSelectsARow() {
    QFETCH(QList<int>, rows);
    discover(3);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(table && table->tableInterface());
    for (int row : rows) {
        for (auto &fake : fakes)
            fake->take();
        QAccessibleInterface *cell = table->tableInterface()->cellAt(row, row % 2 ? 1 : 0);
        QVERIFY(cell && cell->actionInterface());
        const QStringList actions = cell->actionInterface()->actionNames();
        QVERIFY(!actions.isEmpty());
        cell->actionInterface()->doAction(actions.front());
        QTRY_COMPARE(grid->currentIndex().row(), row);
        QTRY_VERIFY(control("btOutputsSetup")->isEnabled());
        const int recID = windows->MainForm->table()->row(row).fldrecID;
        QCOMPARE(windows->MainForm->getRecID(), recID);
        QCOMPARE(fakes[recID]->waitFor("qchkSD"), wire::sdCardQuery());
        QTest::qWait(50);
        for (auto &fake : fakes)
            QVERIFY(fake->take().isEmpty());
    }
}

void TestMainWindow::startState() {
    for (const char *name : {"btOutputsSetup", "btAudioSetup", "btTriggersSetup", "btRestart", "rbDMX",
                             "rbArtnet", "btDMXSetup", "btLiveRecord", "btCue"})
        QVERIFY2(!control(name)->isEnabled(), name);
    for (const char *name :
         {"lbNoSdCard", "imNoSdCard", "imSDCardOK", "DBGrid1", "rbArtnet", "rbDMX", "Button3", "btCue"})
        QVERIFY2(control(name)->isHidden(), name);
    QVERIFY(control("Label1")->isVisible());
    QCOMPARE(status(), QString());
    QCOMPARE(main()->windowTitle(), QStringLiteral("Orvane Zentri"));
    QCOMPARE(main()->centralWidget()->width(), 721);
}

void TestMainWindow::discoveryListsNewestFirst() {
    discover(3);
    auto *table = main()->table();
    QCOMPARE(table->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        const DeviceRow &r = table->row(row);
        QCOMPARE(r.fldrecID, 2 - row);
        const recUrzadzenia &rec = main()->devices()[r.fldrecID];
        QCOMPARE(r.fldNazwa, rec.Nazwa);
        QCOMPARE(r.fldIP, QStringLiteral("127.0.0.%1").arg(3 - row));
        QCOMPARE(r.fldMAC, QStringLiteral("00:1A:2B:3C:4D:5E"));
        QCOMPARE(r.fldFWVer, QStringLiteral("1.12"));
        QCOMPARE(r.fldZentriVersion, QStringLiteral("Premium"));
    }
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(main()->getRecID(), 2);
    QVERIFY(grid->isVisible());
    QVERIFY(control("Label1")->isHidden());
    QCOMPARE(status(), QStringLiteral("Select device"));
    QCOMPARE(grid->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Module version"));
}

void TestMainWindow::repliesInsertBeforeTheCurrentRow() {
    discover(3);
    clickRow(2); // the oldest device, record 0
    QCOMPARE(main()->getRecID(), 0);
    recUrzadzenia late;
    late.Nazwa = QStringLiteral("Late");
    fakes[1]->replyInfo(late); // the same device answers again: a second row
    QTRY_COMPARE(main()->table()->rowCount(), 4);
    QCOMPARE(main()->table()->row(2).fldNazwa, QStringLiteral("Late"));
    QCOMPARE(main()->table()->row(2).fldrecID, 3);
    QCOMPARE(grid->currentIndex().row(), 0);         // the first row is current again
    QVERIFY(control("btOutputsSetup")->isEnabled()); // controls stay as they were
}

void TestMainWindow::batchOfRepliesListsAsOneByOne_data() {
    QTest::addColumn<int>("current"); // the row made current before the replies
    QTest::addColumn<int>("replies"); // replies handed over in one batch
    QTest::newRow("first row current, one reply") << 0 << 1;
    QTest::newRow("first row current, five replies") << 0 << 5;
    QTest::newRow("middle row current, one reply") << 1 << 1;
    QTest::newRow("middle row current, two replies") << 1 << 2;
    QTest::newRow("last row current, six replies") << 2 << 6;
}

void TestMainWindow::batchOfRepliesListsAsOneByOne() {
    // The listener hands over every reply received so far at once, and the main window lists them in
    // one change of the table: the table must be what handling them one by one makes of it.
    QFETCH(int, current);
    QFETCH(int, replies);
    discover(3);
    clickRow(current);
    QCOMPARE(grid->currentIndex().row(), current);
    QStringList expected; // one by one: each row before the current row, then the first row current
    for (int row = 0; row < 3; ++row)
        expected << main()->table()->row(row).fldNazwa;
    int at = current;
    UdpListener *listener = main()->listener();
    const quint64 before = listener->receivedCount();
    for (int i = 0; i < replies; ++i) {
        recUrzadzenia rec;
        rec.Nazwa = QStringLiteral("Batch %1").arg(i + 1);
        fakes[i % 3]->replyInfo(rec);
        expected.insert(at, rec.Nazwa);
        at = 0;
    }
    // All received before the GUI thread handles any: one batch.
    QElapsedTimer deadline;
    deadline.start();
    while (listener->receivedCount() < before + quint64(replies) && deadline.elapsed() < 10000)
        QThread::msleep(1);
    QCOMPARE(listener->receivedCount(), before + quint64(replies));
    QSignalSpy inserted(main()->table(), &QAbstractItemModel::rowsInserted);
    listener->deliverPending();
    QVERIFY(inserted.size() <= 2); // at most one block before the old current row and one on top
    const DeviceTable *table = main()->table();
    QCOMPARE(table->rowCount(), 3 + replies);
    QStringList listed;
    for (int row = 0; row < table->rowCount(); ++row) {
        const DeviceRow &r = table->row(row);
        listed << r.fldNazwa;
        QCOMPARE(main()->devices()[r.fldrecID].Nazwa, r.fldNazwa);
    }
    QCOMPARE(listed, expected);
    QCOMPARE(table->row(replies > 1 ? 0 : current).fldrecID, 2 + replies); // the newest record
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(status(), QStringLiteral("Select device"));
}

void TestMainWindow::shortOrForeignRepliesAreIgnored() {
    discover(1);
    QByteArray info = wire::infoReply(recUrzadzenia(), 0, 1, 0, QByteArray(6, '\0'));
    fakes[1]->reply(info.left(211));
    info[4] = 'X';
    fakes[1]->reply(info);
    fakes[1]->reply("achkSD"); // no state byte
    fakes[1]->reply(QByteArray(8192, 'A'));
    QTest::qWait(100);
    QCOMPARE(main()->devices().size(), 1);
    QVERIFY(control("lbNoSdCard")->isHidden());
}

void TestMainWindow::newDiscoveryClearsTheTable() {
    discover(2);
    discover(1);
    QCOMPARE(main()->table()->rowCount(), 1);
    QCOMPARE(main()->devices().size(), 1);
    press(main(), "Button1");
    QCOMPARE(status(), QStringLiteral("Searching..."));
    QVERIFY(grid->isHidden());
    QVERIFY(control("Label1")->isVisible());
    QCOMPARE(main()->table()->rowCount(), 0);
}

void TestMainWindow::firmwareCheck_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("0.0") << 0 << 0 << false;
    QTest::newRow("0.1") << 0 << 1 << false;
    QTest::newRow("0.2") << 0 << 2 << true;
    QTest::newRow("1.0") << 1 << 0 << true;
    QTest::newRow("1.12") << 1 << 12 << true;
}

void TestMainWindow::firmwareCheck() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(bool, accepted);
    press(main(), "Button1");
    fakes[0]->take();
    fakes[0]->replyInfo(recUrzadzenia(), major, minor);
    QTRY_COMPARE(main()->devices().size(), 1);
    const QString message = withModal([&] { clickRow(0); });
    QCOMPARE(message, accepted ? QString() : QStringLiteral("Please update the firmware Zentri"));
    QCOMPARE(control("btOutputsSetup")->isEnabled(), accepted);
    QCOMPARE(fakes[0]->waitFor("qchkSD", accepted ? 3000 : 200).isEmpty(), !accepted);
    QCOMPARE(status(), accepted ? QString() : QStringLiteral("Select device"));
}

void TestMainWindow::moduleVersionRestrictsDmxSetup_data() {
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("dmxSetup");
    QTest::newRow("standard") << 0 << "Standard" << false;
    QTest::newRow("premium") << 254 << "Premium" << true;
    QTest::newRow("1") << 1 << "not recognized" << true;
    QTest::newRow("255") << 255 << "not recognized" << true;
}

void TestMainWindow::moduleVersionRestrictsDmxSetup() {
    QFETCH(int, version);
    QFETCH(bool, dmxSetup);
    discover(1, [&](recUrzadzenia &rec, int) {
        rec.ZentriVersion = version;
        rec.InputSelect = 1;
    });
    QTEST(main()->table()->row(0).fldZentriVersion, "name");
    clickRow(0);
    QCOMPARE(control("btDMXSetup")->isEnabled(), dmxSetup);
    for (const char *name :
         {"btOutputsSetup", "btAudioSetup", "btTriggersSetup", "btRestart", "btLiveRecord"})
        QVERIFY2(control(name)->isEnabled(), name);
    QVERIFY(main()->findChild<QRadioButton *>(QStringLiteral("rbDMX"))->isChecked());
}

void TestMainWindow::sdCardIndicator_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("no card") << 0 << "NO SD CARD" << QColor(255, 0, 0);
    QTest::newRow("card 1") << 1 << "SD CARD OK" << QColor(0, 128, 0);
    QTest::newRow("card 255") << 255 << "SD CARD OK" << QColor(0, 128, 0);
}

void TestMainWindow::sdCardIndicator() {
    QFETCH(int, state);
    discover(1);
    clickRow(0);
    QVERIFY(!fakes[0]->waitFor("qchkSD").isEmpty());
    QVERIFY(control("lbNoSdCard")->isHidden()); // until the reply
    QByteArray reply = wire::sdCardReply(true);
    reply[6] = static_cast<char>(state);
    fakes[0]->reply(reply);
    auto *label = main()->findChild<QLabel *>(QStringLiteral("lbNoSdCard"));
    QTRY_VERIFY(label->isVisible());
    QTEST(label->text(), "text");
    QTEST(label->palette().color(QPalette::WindowText), "colour");
    QCOMPARE(control("imSDCardOK")->isVisible(), state != 0);
    QCOMPARE(control("imNoSdCard")->isVisible(), state == 0);
    QCOMPARE(control("btCue")->isEnabled(), state != 0);
}

void TestMainWindow::closingAnyWindowDisablesDeviceControls() {
    discover(1);
    clickRow(0);
    fakes[0]->reply(wire::sdCardReply(true));
    QTRY_VERIFY(control("lbNoSdCard")->isVisible());
    QVERIFY(control("btOutputsSetup")->isEnabled());
    auto *about = main()->findChild<QAction *>(QStringLiteral("Help1"));
    withModal([&] { about->trigger(); });
    QVERIFY(!control("btOutputsSetup")->isEnabled());
    QVERIFY(control("lbNoSdCard")->isHidden());
    QVERIFY(!control("btCue")->isEnabled());
    QCOMPARE(main()->table()->rowCount(), 1); // the table stays
}

void TestMainWindow::configurationSentOnOkOnly() {
    discover(1, [](recUrzadzenia &rec, int) { rec.Output[0].Channel = 300; });
    clickRow(0);
    fakes[0]->take();
    withModal([&] { press(main(), "btDMXSetup"); }, [](QWidget *w) { press(w, "btSaveClose"); });
    const QByteArray seti = fakes[0]->waitFor("!SETI");
    QCOMPARE(seti, wire::configurationPacket(main()->devices()[0]));
    QCOMPARE(seti.mid(53, 2), QByteArray::fromHex("012C"));
    QVERIFY(!control("btDMXSetup")->isEnabled());

    clickRow(0);
    withModal([&] { press(main(), "btDMXSetup"); }, [](QWidget *w) { press(w, "Button2"); });
    clickRow(0);
    withModal([&] { press(main(), "btDMXSetup"); }, [](QWidget *w) { w->close(); });
    QTest::qWait(100);
    QVERIFY2(sentTo(0, "!SETI").isEmpty(), "a cancelled window sent the configuration");
}

void TestMainWindow::restartAndRestoreDefaults() {
    discover(2);
    // Before any click the context menu acts on the first row: the newest device.
    main()->findChild<QAction *>(QStringLiteral("PopupMenu11"))->trigger();
    QCOMPARE(fakes[1]->waitFor("RESD"), QByteArray("RESD"));
    clickRow(1);
    press(main(), "btRestart");
    QCOMPARE(fakes[0]->waitFor("RESE"), QByteArray("RESE"));
    QVERIFY(fakes[1]->waitFor("RESE", 100).isEmpty());
}

void TestMainWindow::heldPortIsReported() {
    QUdpSocket holder;
    QVERIFY(holder.bind(QHostAddress::AnyIPv4, wire::kMainPort));
    const QString message = withModal([&] { press(main(), "Button1"); });
    QVERIFY(!message.isEmpty());
    QVERIFY(grid->isHidden());
    QCOMPARE(status(), QStringLiteral("Searching..."));
    holder.close();
    discover(1); // works once the port is free
    QCOMPARE(main()->table()->rowCount(), 1);
}

void TestMainWindow::refusedSendIsReported() {
    discover(1);
    clickRow(0);
    // An address the IPv4 client socket cannot send to: the socket layer refuses, nothing leaves.
    zentri::recUrzadzenia rec = main()->devices()[0];
    rec.IP = QStringLiteral("::1");
    QVERIFY(main()->storeRecord({0, main()->selectedDevice().discovery}, rec));
    const QString message = withModal([&] { press(main(), "btRestart"); });
    QVERIFY(!message.isEmpty());
    QCOMPARE(main()->devices()[0].IP, QStringLiteral("::1")); // the record is kept
    QVERIFY(fakes[0]->waitFor("RESE", 100).isEmpty());
}

// The program's own start-up: the main window first, the other eight windows once it is on the screen.
void TestMainWindow::startUpBuildsTheOtherWindowsOnceTheMainWindowIsPainted() {
    windows.reset();
    // Closed before its first paint: the pending start-up goes with it.
    windows = std::make_unique<Windows>(Windows::Build::MainWindowFirst);
    windows->showMainWindow();
    windows.reset();

    windows = std::make_unique<Windows>(Windows::Build::MainWindowFirst);
    QVERIFY(!windows->fSetupOutput && !windows->fAbout && !windows->complete());
    windows->showMainWindow();
    QTRY_VERIFY_WITH_TIMEOUT(windows->complete(), 10000);
    QVERIFY(windows->fSetupOutput && windows->fSetupInput && windows->fSetupAudio && windows->fLiveRecord &&
            windows->fDMXSetup && windows->fLiveButtonRecord && windows->fAbout && windows->fCue);
    QVERIFY(!windows->fAbout->isVisible() && !windows->fCue->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(windows->fCue->channelEditorsBuilt(), 10000);
    DuringModal about(DuringModal::window<TfAbout>, [](QWidget *w) { w->close(); });
    main()->findChild<QAction *>(QStringLiteral("Help1"))->trigger();
    QVERIFY(about.ran()); // the main window's menu reaches the window built after it
}

// A click that comes before the first paint is over finds every window there.
void TestMainWindow::inputBeforeTheFirstPaintFindsEveryWindow() {
    windows.reset();
    windows = std::make_unique<Windows>(Windows::Build::MainWindowFirst);
    windows->showMainWindow();
    QVERIFY(!windows->complete()); // no event handled since
    QMenuBar *bar = main()->menuBar();
    QAction *aboutItem = main()->findChild<QAction *>(QStringLiteral("Help1"));
    DuringModal about(DuringModal::window<TfAbout>, [](QWidget *w) { w->close(); });
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(aboutItem).center());
    QVERIFY(windows->complete());
    QTRY_VERIFY_WITH_TIMEOUT(about.ran(), 10000);
}

void TestMainWindow::frontPanelIsDrawnAhead_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << qreal(1);
    QTest::newRow("ratio 2") << qreal(2);
}

// The drawing made when the program was built is there for the size the main window shows the front
// panel at, and it is the drawing the window would make itself.
void TestMainWindow::frontPanelIsDrawnAhead() {
    QFETCH(qreal, ratio);
    const QString art = QStringLiteral(":/art/front-panel.svg");
    const QSize pixels = (QSizeF(control("noSDCard")->size()) * ratio).toSize();
    const QImage ahead = ui::prerenderedArtwork(art, pixels, ratio);
    QVERIFY2(!ahead.isNull(), "no drawing made ahead at the front panel's size");
    QCOMPARE(ahead.devicePixelRatio(), ratio);
    QVERIFY(ui::prerenderedArtwork(art, pixels + QSize(1, 0), ratio).isNull());
    QVERIFY(ui::prerenderedArtwork(QStringLiteral(":/art/sd-card.svg"), pixels, ratio).isNull());

    QSvgRenderer renderer(art);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    const QImage drawn = ui::drawArtwork(renderer, pixels, ratio);
    QCOMPARE(ahead.size(), drawn.size());
    QCOMPARE(ahead.format(), drawn.format());
    int differing = 0; // fonts hinted another way would move a few text pixels, nothing else
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb a = ahead.pixel(x, y), b = drawn.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b)) >
                8)
                ++differing;
        }
    QVERIFY2(differing <= drawn.width() * drawn.height() / 100, qPrintable(QString::number(differing)));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
