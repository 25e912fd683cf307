// Replies that arrive while a window or a message box is open: the real windows against scripted
// devices on loopback addresses. Device A is selected and its window opened; device B (another
// device answering late, or another manager's broadcast) then adds rows and becomes the current row.
// Everything the window sends, "!SETI" after OK included, must still reach A and carry A's record.
#include "app/application.h"
#include "app/devicetable.h"
#include "app/mainwindow.h"
#include "fakedevice.h"
#include "setup/f_dmxsetup.h"
#include "setup/setup_audio.h"
#include "setup/setup_input.h"
#include "setup/setup_output.h"
#include "shows/f_cue.h"
#include "shows/f_livebuttonrecord.h"
#include "shows/showwidgets.h"
#include "testkit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>
#include <cctype>

using namespace zentri;

namespace {

const QString kA = QStringLiteral("127.0.0.2"), kB = QStringLiteral("127.0.0.3");

// Enough replies to make the device array move to new storage while a window holds on to device A.
constexpr int kLateReplies = 40;

recUrzadzenia deviceA() {
    recUrzadzenia rec;
    rec.Nazwa = QStringLiteral("Device A");
    rec.ZentriVersion = kModulePremium;
    for (int i = 0; i < 8; ++i) {
        rec.Output[i].Channel = 10 + i;
        rec.Trigger[i].Channel = 20 + i;
        rec.Trigger[i].Volume = 100 + i;
        rec.Trigger[i].Catalog = rec.Trigger[i].File = 1;
    }
    rec.dap.NET = 1;
    rec.dap.Universe = 2;
    rec.dap.CatalogID_DMXch = rec.dap.FileID_DMXch = rec.dap.Volume_DMXch = 3;
    rec.dap.State_DMXch = rec.dap.Bass_DMXch = rec.dap.Treble_DMXch = 4;
    rec.MasterVolume = 77;
    rec.dmx.Output_NET = 5;
    rec.playAfterPowerOn = 2;
    return rec;
}

using Edit = std::function<void(QWidget *window, recUrzadzenia &expected)>;

template <typename T> T *control(QWidget *w, const QString &name) {
    T *c = w->findChild<T *>(name);
    if (!c)
        qFatal("missing control %s", qPrintable(name));
    return c;
}

} // namespace

class TestLateReplies : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void configurationGoesToTheShownDevice_data();
    void configurationGoesToTheShownDevice();
    void liveCommandsGoToTheShownDevice_data();
    void liveCommandsGoToTheShownDevice();
    void liveRecordingActsOnTheShownDevice();
    void cueEditorActsOnTheShownDevice();
    void repliesDuringMessageBoxes_data();
    void repliesDuringMessageBoxes();
    void refusedSaveOfTriggersDuringReplies();
    void restoreDefaultsGoesToTheDeviceTheMenuWasOpenedFor();

private:
    void selectA(const recUrzadzenia &rec = deviceA());
    // B answers `count` times; returns once every answer is listed (B's newest row current).
    void lateReplies(int count = kLateReplies);
    QWidget *mainControl(const char *name) {
        return windows->MainForm->findChild<QWidget *>(QString::fromLatin1(name));
    }
    // Waits until `d` receives exactly `datagram` (whatever else comes before it).
    bool receives(FakeDevice &d, const QByteArray &datagram) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            if (d.take().contains(datagram))
                return true;
            QTest::qWait(5);
        }
        return false;
    }
    QVector<QByteArray> receivedBy(FakeDevice &d, const char *word) {
        QVector<QByteArray> out;
        for (const QByteArray &x : d.take())
            if (x.startsWith(word))
                out << x;
        return out;
    }

    std::unique_ptr<Windows> windows;
    std::unique_ptr<FakeDevice> a, b;
};

void TestLateReplies::initTestCase() {
    REQUIRE_FREE_PORTS(kListeningPorts);
}

void TestLateReplies::init() {
    windows = std::make_unique<Windows>();
    windows->MainForm->setDiscoveryAddress(QHostAddress(kA));
    windows->MainForm->show();
    a = std::make_unique<FakeDevice>(kA);
    b = std::make_unique<FakeDevice>(kB);
}

void TestLateReplies::cleanup() {
    windows.reset();
    a.reset();
    b.reset();
}

void TestLateReplies::selectA(const recUrzadzenia &rec) {
    qobject_cast<QPushButton *>(mainControl("Button1"))->click();
    QCOMPARE(a->waitFor("QGETI"), wire::discoveryRequest());
    a->replyInfo(rec);
    QTRY_COMPARE(windows->MainForm->devices().size(), 1);
    auto *grid = qobject_cast<QTableView *>(mainControl("DBGrid1"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, 0)).center());
    QVERIFY(mainControl("btOutputsSetup")->isEnabled());
    QVERIFY(!a->waitFor("qchkSD").isEmpty());
    a->take();
}

void TestLateReplies::lateReplies(int count) {
    const int before = windows->MainForm->devices().size();
    for (int k = 0; k < count; ++k) {
        recUrzadzenia rec;
        rec.Nazwa = QStringLiteral("Late %1").arg(k + 1);
        rec.ZentriVersion = kModuleStandard;
        b->replyInfo(rec);
    }
    QTRY_COMPARE_WITH_TIMEOUT(windows->MainForm->devices().size(), before + count, 10000);
    QCOMPARE(windows->MainForm->selectedDevice().index, before + count - 1); // B's newest row is current
}

// ---- Configuration windows: "Save & Close" after late replies ---------------------------------

void TestLateReplies::configurationGoesToTheShownDevice_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<Edit>("edit");
    QTest::newRow("outputs") << "btOutputsSetup" << Edit([](QWidget *w, recUrzadzenia &e) {
        control<QComboBox>(w, "cbxChannel01")->setCurrentIndex(299);
        e.Output[0].Channel = 300;
    });
    QTest::newRow("triggers") << "btTriggersSetup" << Edit([](QWidget *w, recUrzadzenia &e) {
        control<QComboBox>(w, "cbxChannel01")->setCurrentIndex(299);
        e.Trigger[0].Channel = 300;
    });
    QTest::newRow("audio") << "btAudioSetup" << Edit([](QWidget *w, recUrzadzenia &e) {
        control<QComboBox>(w, "cbxNET")->setCurrentIndex(9);
        e.dap.NET = 9;
    });
    QTest::newRow("DMX output") << "btDMXSetup" << Edit([](QWidget *w, recUrzadzenia &e) {
        control<QComboBox>(w, "cbxUniverse")->setCurrentIndex(12);
        e.dmx.Output_Universe = 12;
    });
}

void TestLateReplies::configurationGoesToTheShownDevice() {
    QFETCH(QString, button);
    QFETCH(Edit, edit);
    selectA();
    recUrzadzenia expected = windows->MainForm->devices()[0];
    DuringModal inside(DuringModal::window<ui::DeviceDialog>, [&](QWidget *w) {
        lateReplies();
        edit(w, expected);
        control<QPushButton>(w, "btSaveClose")->click();
    });
    control<QPushButton>(windows->MainForm.get(), button)->click();
    QVERIFY(inside.ran());

    QCOMPARE(windows->MainForm->devices()[0], expected); // saved into A's record
    const QVector<QByteArray> seti = receivedBy(*a, "!SETI");
    QCOMPARE(seti.size(), 1);
    QCOMPARE(seti[0], wire::configurationPacket(expected)); // and sent to A, carrying A's record
    QVERIFY(receivedBy(*b, "").isEmpty());                  // B got nothing at all
    for (int k = 1; k < windows->MainForm->devices().size(); ++k)
        QCOMPARE(windows->MainForm->devices()[k].Nazwa, QStringLiteral("Late %1").arg(k));
}

// ---- Live commands of the configuration windows ------------------------------------------------

void TestLateReplies::liveCommandsGoToTheShownDevice_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<std::function<void(QWidget *)>>("act");
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("output test") << "btOutputsSetup" << std::function<void(QWidget *)>([](QWidget *w) {
        control<QCheckBox>(w, "cbTest00")->setChecked(true);
    }) << wire::outputTestCommand(7, true);
    QTest::newRow("trigger test") << "btTriggersSetup" << std::function<void(QWidget *)>([](QWidget *w) {
        control<QCheckBox>(w, "cbTest00")->setChecked(true);
    }) << wire::triggerTestCommand(0, true);
    QTest::newRow("trigger volume") << "btTriggersSetup" << std::function<void(QWidget *)>([](QWidget *w) {
        control<QSlider>(w, "tbVolume03")->setValue(42);
    }) << wire::triggerVolumeCommand(2, 42);
    QTest::newRow("master volume") << "btAudioSetup" << std::function<void(QWidget *)>([](QWidget *w) {
        control<QSlider>(w, "tb1")->setValue(201);
    }) << wire::masterVolumeCommand(201);
}

void TestLateReplies::liveCommandsGoToTheShownDevice() {
    QFETCH(QString, button);
    QFETCH(std::function<void(QWidget *)>, act);
    QFETCH(QByteArray, command);
    selectA();
    bool reached = false;
    DuringModal inside(DuringModal::window<ui::DeviceDialog>, [&](QWidget *w) {
        lateReplies();
        act(w);
        reached = receives(*a, command);
        qobject_cast<QDialog *>(w)->reject();
    });
    control<QPushButton>(windows->MainForm.get(), button)->click();
    QVERIFY(inside.ran());
    QVERIFY(reached);
    QVERIFY(receivedBy(*b, "").isEmpty());
    QVERIFY(receivedBy(*a, "!SETI").isEmpty()); // closed without saving
}

// ---- Live recording and the cue editor ---------------------------------------------------------

void TestLateReplies::liveRecordingActsOnTheShownDevice() {
    selectA();
    DuringModal inside(DuringModal::window<TfLiveButtonRecord>, [&](QWidget *w) {
        auto &rec = *qobject_cast<TfLiveButtonRecord *>(w);
        QVERIFY(!a->waitFor("SSHOW").isEmpty()); // the showing's queries and SSHOW 0
        lateReplies();
        a->take();
        emit rec.showButton(6)->mouseDown(Qt::LeftButton); // show 6: A is a Premium module
        emit rec.Button12->mouseDown(Qt::LeftButton);
        emit rec.Button12->mouseDown(Qt::LeftButton);
        emit rec.Button8->mouseDown(Qt::LeftButton);
        rec.close();
    });
    qobject_cast<QPushButton *>(mainControl("btLiveRecord"))->click();
    QVERIFY(inside.ran());
    const QVector<QByteArray> got = a->take();
    QStringList words;
    for (const QByteArray &d : got) {
        int n = 0;
        while (n < d.size() && std::isalpha(static_cast<unsigned char>(d[n])))
            ++n;
        words << QString::fromLatin1(d.left(n));
    }
    QVERIFY2(words.mid(0, 3) == QStringList({"SSHOW", "RECENA", "RECDIS"}), qPrintable(words.join(' ')));
    QCOMPARE(got[0], wire::selectShowCommand(6));
    QCOMPARE(words.last(), QStringLiteral("RECDIS")); // closing stops the recorder of A too
    QVERIFY(receivedBy(*b, "").isEmpty());
    QVERIFY(windows->MainForm->isVisible());
}

void TestLateReplies::cueEditorActsOnTheShownDevice() {
    selectA();
    a->reply(wire::sdCardReply(true));
    QTRY_VERIFY(mainControl("btCue")->isEnabled());
    DuringModal inside(DuringModal::window<TfCue>, [&](QWidget *w) {
        auto &cue = *qobject_cast<TfCue *>(w);
        QVERIFY(!a->waitFor("QCUERD").isEmpty());
        lateReplies();
        cue.StringGrid1->setCurrentCell(4, 0);
        cue.channelEditor(3)->setValue(33);
        cue.btSaveAllCues->click();
        cue.close();
    });
    qobject_cast<QPushButton *>(mainControl("btCue"))->click();
    QVERIFY(inside.ran());
    const QVector<QByteArray> written = receivedBy(*a, "!CUEWR");
    QCOMPARE(written.size(), 1);
    QCOMPARE(int(written[0][6]), 5);
    QVERIFY(receivedBy(*b, "").isEmpty());
}

// ---- Message boxes: replies while one is open --------------------------------------------------

void TestLateReplies::repliesDuringMessageBoxes_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<quint16>("heldPort"); // 0: the box comes from a refused send instead
    QTest::newRow("audio, port held") << "btAudioSetup" << wire::kAudioPort;
    QTest::newRow("live record, port held") << "btLiveRecord" << wire::kLiveRecordPort;
    QTest::newRow("cue editor, port held") << "btCue" << wire::kCuePort;
    QTest::newRow("triggers, send refused at showing") << "btTriggersSetup" << quint16(0);
    QTest::newRow("outputs, send refused at closing") << "btOutputsSetup" << quint16(0);
}

void TestLateReplies::repliesDuringMessageBoxes() {
    QFETCH(QString, button);
    QFETCH(quint16, heldPort);
    recUrzadzenia rec = deviceA();
    selectA(rec);
    if (heldPort == 0) { // an address the IPv4 client socket refuses: every send shows a box
        rec = windows->MainForm->devices()[0];
        rec.IP = QStringLiteral("::1");
        QVERIFY(windows->MainForm->storeRecord(windows->MainForm->selectedDevice(), rec));
    }
    QUdpSocket holder;
    if (heldPort)
        QVERIFY(holder.bind(QHostAddress::AnyIPv4, heldPort));
    a->reply(wire::sdCardReply(true));
    QTRY_VERIFY(mainControl("btCue")->isEnabled());

    // Every box the window opens gets late replies, then is answered; the window is closed after.
    int boxes = 0;
    std::function<void()> watch;
    std::vector<std::unique_ptr<DuringModal>> watchers;
    watch = [&] {
        watchers.push_back(std::make_unique<DuringModal>(DuringModal::messageBox, [&](QWidget *box) {
            ++boxes;
            lateReplies(10);
            watch(); // the next box, if any
            qobject_cast<QMessageBox *>(box)->accept();
        }));
    };
    watch();
    DuringModal window(DuringModal::window<ui::DeviceDialog>,
                       [&](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
    const recUrzadzenia before = windows->MainForm->devices()[0];
    qobject_cast<QPushButton *>(mainControl(button.toLatin1().constData()))->click();
    QTRY_VERIFY(window.ran());
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(boxes >= 1);
    QCOMPARE(windows->MainForm->devices()[0], before); // closed without saving: A unchanged
    QVERIFY(receivedBy(*b, "").isEmpty());
}

void TestLateReplies::refusedSaveOfTriggersDuringReplies() {
    selectA();
    recUrzadzenia expected = windows->MainForm->devices()[0];
    DuringModal box(DuringModal::messageBox, [&](QWidget *w) {
        QCOMPARE(qobject_cast<QMessageBox *>(w)->text(), TfSetupInput::unavailableShowMessage());
        lateReplies();
        qobject_cast<QMessageBox *>(w)->accept();
    });
    DuringModal inside(DuringModal::window<TfSetupInput>, [&](QWidget *w) {
        control<QComboBox>(w, "cbxFunction02")->setCurrentText(QStringLiteral("Show 6"));
        control<QComboBox>(w, "cbxChannel01")->setCurrentIndex(99);
        expected.Trigger[0].Channel = 100; // kept, though the functions are not
        control<QPushButton>(w, "btSaveClose")->click();
    });
    control<QPushButton>(windows->MainForm.get(), "btTriggersSetup")->click();
    QVERIFY(inside.ran() && box.ran());
    QCOMPARE(windows->MainForm->devices()[0], expected);
    QVERIFY(receivedBy(*a, "!SETI").isEmpty()); // a refused save sends nothing
    QVERIFY(receivedBy(*b, "").isEmpty());
}

void TestLateReplies::restoreDefaultsGoesToTheDeviceTheMenuWasOpenedFor() {
    selectA();
    auto *grid = qobject_cast<QTableView *>(mainControl("DBGrid1"));
    bool triggered = false;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!popup || triggered)
            return;
        triggered = true;
        lateReplies();
        popup->actions().first()->trigger();
        popup->close();
    });
    poll.start();
    QMetaObject::invokeMethod(grid, "customContextMenuRequested", Q_ARG(QPoint, QPoint(5, 5)));
    QVERIFY(triggered);
    QCOMPARE(receivedBy(*a, "RESD").size(), 1);
    QVERIFY(receivedBy(*b, "").isEmpty());
}

QTEST_MAIN(TestLateReplies)
#include "tst_latereplies.moc"
