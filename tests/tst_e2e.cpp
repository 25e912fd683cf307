// End to end on a private network: the real windows, offscreen, against the emulator on another host.
// Run by tests/e2e/private_network.sh, which makes the network and starts the emulator.
#include "app/application.h"
#include "app/devicetable.h"
#include "app/mainwindow.h"
#include "device/protocol.h"
#include "shows/f_cue.h"
#include "shows/f_livebuttonrecord.h"
#include "testkit.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QUdpSocket>
#include <QtTest>
#include <functional>

using namespace zentri;

namespace {

// The emulator's one line per datagram received.
class EmulatorLog {
public:
    EmulatorLog() : path_(qEnvironmentVariable("ZENTRI_EMULATOR_LOG")) {}
    QStringList lines() const {
        QFile f(path_);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    // Lines added since `mark()` that contain every one of `words`.
    QStringList since(const QStringList &words) const {
        QStringList out;
        const QStringList all = lines();
        for (int i = mark_; i < all.size(); ++i)
            if (std::all_of(words.begin(), words.end(), [&](const QString &w) { return all[i].contains(w); }))
                out << all[i];
        return out;
    }
    void mark() { mark_ = static_cast<int>(lines().size()); }

private:
    QString path_;
    int mark_ = 0;
};

template <class T> T *child(QWidget *w, const char *name) {
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// Buttons of the live recording window act on the press of the mouse button.
void pressButton(QWidget *window, const char *name) {
    QWidget *b = child<QWidget>(window, name);
    QTest::mousePress(b, Qt::LeftButton);
    QTest::mouseRelease(b, Qt::LeftButton);
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void findDevicesByBroadcast();
    void selectingShowsTheSdCard();
    void outputsSavedReachTheDevice();
    void lateReplyWhileOutputsAreOpen();
    void triggersSavedReachTheDevice();
    void restart();
    void recordPlayAndEraseAShow();
    void editAndSaveACue();

private:
    QString selectDevice(int row);
    void findDevices(int expected = 3);
    void selectRow(int row);
    QWidget *main() { return windows->MainForm.get(); }

    std::unique_ptr<Windows> windows;
    EmulatorLog log;
    QTableView *grid = nullptr;
};

void TestEndToEnd::initTestCase() {
    if (qEnvironmentVariable("ZENTRI_E2E") != QLatin1String("1"))
        QSKIP("runs only on the private network that tests/e2e/private_network.sh makes");
    windows = std::make_unique<Windows>();
    windows->MainForm->show();
    grid = child<QTableView>(main(), "DBGrid1");
}

void TestEndToEnd::findDevices(int expected) {
    log.mark();
    child<QPushButton>(main(), "Button1")->click();
    QTRY_COMPARE_WITH_TIMEOUT(windows->MainForm->table()->rowCount(), expected, 5000);
}

void TestEndToEnd::selectRow(int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row, 0)).center());
}

void TestEndToEnd::findDevicesByBroadcast() {
    findDevices();
    QTRY_COMPARE(log.since({"QGETI"}).size(), 3); // one broadcast heard by each of the three devices
    QSet<QString> addresses;
    for (int row = 0; row < 3; ++row) {
        const DeviceRow &r = windows->MainForm->table()->row(row);
        QCOMPARE(r.fldrecID, 2 - row); // newest first
        addresses << r.fldIP;
        QCOMPARE(windows->MainForm->devices()[r.fldrecID].IP, r.fldIP);
    }
    QCOMPARE(addresses, (QSet<QString>{"10.78.0.2", "10.78.0.3", "10.78.0.4"}));
    QCOMPARE(child<QLabel>(main(), "sb1Panel0")->text(), QStringLiteral("Select device"));
}

void TestEndToEnd::selectingShowsTheSdCard() {
    findDevices();
    selectRow(1);
    auto *label = child<QLabel>(main(), "lbNoSdCard");
    QTRY_VERIFY(label->isVisible());
    QVERIFY(label->text() == QLatin1String("SD CARD OK") || label->text() == QLatin1String("NO SD CARD"));
    QVERIFY(child<QPushButton>(main(), "btOutputsSetup")->isEnabled());
}

void TestEndToEnd::outputsSavedReachTheDevice() {
    findDevices();
    selectRow(0);
    const QString ip = windows->MainForm->devices()[windows->MainForm->getRecID()].IP;
    log.mark();
    withModal([&] { child<QPushButton>(main(), "btOutputsSetup")->click(); },
              [](QWidget *w) {
                  child<QComboBox>(w, "cbxChannel01")->setCurrentIndex(299); // channel 300
                  child<QPushButton>(w, "btSaveClose")->click();
              });
    QTRY_COMPARE(log.since({"!SETI", "138", ip}).size(), 1);
    // The eight test-off commands of the closing sequence arrived in order, before the configuration.
    const QStringList tests = log.since({"!TEST", ip});
    QCOMPARE(tests.size(), 8);
    for (int index = 0; index < 8; ++index)
        QVERIFY2(tests[index].contains(QStringLiteral("(index %1) test off").arg(index)),
                 qPrintable(tests[index]));
    const QStringList all = log.lines();
    QVERIFY(all.indexOf(tests.last()) < all.indexOf(log.since({"!SETI", ip}).first()));

    findDevices();
    bool found = false;
    for (const recUrzadzenia &rec : windows->MainForm->devices())
        if (rec.IP == ip) {
            QCOMPARE(rec.Output[0].Channel, 300);
            found = true;
        }
    QVERIFY(found);
}

void TestEndToEnd::lateReplyWhileOutputsAreOpen() {
    findDevices();
    selectRow(2); // the first device that answered
    const QString ip = windows->MainForm->devices()[windows->MainForm->getRecID()].IP;
    const QString lateIp = QStringLiteral("10.78.0.3"); // another of the devices, answering again
    QVERIFY(ip != lateIp);
    log.mark();
    withModal([&] { child<QPushButton>(main(), "btOutputsSetup")->click(); },
              [&](QWidget *w) {
                  const auto closeAnyway = qScopeGuard([w] {
                      if (w->isVisible())
                          qobject_cast<QDialog *>(w)->reject();
                  });
                  // Another manager's discovery, or a device's late answer: a new row while the
                  // window is open, and the first row is the current one again.
                  QUdpSocket asker;
                  asker.writeDatagram(wire::discoveryRequest(), QHostAddress(lateIp), wire::kDevicePort);
                  QTRY_COMPARE_WITH_TIMEOUT(windows->MainForm->table()->rowCount(), 4, 10000);
                  QVERIFY(windows->MainForm->devices()[windows->MainForm->getRecID()].IP != ip);
                  child<QComboBox>(w, "cbxChannel01")->setCurrentIndex(299); // channel 300
                  child<QPushButton>(w, "btSaveClose")->click();
              });
    QTRY_COMPARE(log.since({"!SETI", "138", ip}).size(), 1);
    QCOMPARE(log.since({"!SETI"}).size(), 1); // to none of the others
    QCOMPARE(log.since({"!TEST"}).size(), 8);
    QCOMPARE(log.since({"!TEST", ip}).size(), 8);

    findDevices(); // read back: the first device has the channel
    for (const recUrzadzenia &rec : windows->MainForm->devices())
        if (rec.IP == ip)
            QCOMPARE(rec.Output[0].Channel, 300);
}

void TestEndToEnd::triggersSavedReachTheDevice() {
    findDevices();
    selectRow(2);
    const QString ip = windows->MainForm->devices()[windows->MainForm->getRecID()].IP;
    withModal([&] { child<QPushButton>(main(), "btTriggersSetup")->click(); },
              [](QWidget *w) {
                  child<QComboBox>(w, "cbxFunction03")->setCurrentIndex(7); // "Show 4"
                  child<QPushButton>(w, "btSaveClose")->click();
              });
    findDevices();
    for (const recUrzadzenia &rec : windows->MainForm->devices())
        if (rec.IP == ip)
            QCOMPARE(rec.Trigger[2].Function, 7);
}

void TestEndToEnd::restart() {
    findDevices();
    selectRow(0);
    const QString ip = windows->MainForm->devices()[windows->MainForm->getRecID()].IP;
    log.mark();
    child<QPushButton>(main(), "btRestart")->click();
    QTRY_COMPARE(log.since({"RESE", ip}).size(), 1);
}

QString TestEndToEnd::selectDevice(int row) {
    findDevices();
    selectRow(row);
    return windows->MainForm->devices()[windows->MainForm->getRecID()].IP;
}

void TestEndToEnd::recordPlayAndEraseAShow() {
    const QString ip = selectDevice(1);
    auto *live = windows->fLiveButtonRecord.get();
    log.mark();
    auto steps = [&] {
        QTRY_COMPARE(log.since({"QShowInfo", ip}).size(), 8);
        QTRY_COMPARE(log.since({"SSHOW", ip}).size(), 1);
        QVERIFY(windows->MainForm->isHidden());

        pressButton(live, "Button9");  // SHOW 1
        pressButton(live, "Button12"); // RECORD: asks for confirmation
        QVERIFY(log.since({"RECENA", ip}).isEmpty());
        pressButton(live, "Button12"); // confirmed
        QTRY_COMPARE(log.since({"RECENA", ip}).size(), 1);

        // A lighting desk on the manager's host sends one second of Art-Net to the device.
        QProcess desk;
        desk.start(qEnvironmentVariable("ZENTRI_EMULATOR"),
                   {"--send-artnet", ip, "--frames", "40", "--fps", "40"});
        QVERIFY(desk.waitForStarted());
        QTRY_VERIFY(live->statusText().startsWith(QLatin1String("Incoming packets: ")));
        QTRY_VERIFY_WITH_TIMEOUT(desk.state() == QProcess::NotRunning, 5000);
        QCOMPARE(desk.exitCode(), 0);
        QTest::qWait(200);

        pressButton(live, "Button8"); // STOP
        QTRY_COMPARE(log.since({"RECDIS", ip}).size(), 1);
        QTRY_VERIFY(live->ShowLength(1) >= 20480 && live->ShowLength(1) < 3 * 20480);
        QCOMPARE(live->showLabel(1)->text(), QStringLiteral("00:00:01"));

        pressButton(live, "Button9");
        pressButton(live, "Button11"); // PLAY
        auto *bar = child<QProgressBar>(live, "pb1");
        QTRY_VERIFY(bar->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(bar->isHidden(), 5000); // "playStop" at the end of the show

        pressButton(live, "Button13"); // ERASE
        pressButton(live, "Button13");
        QTRY_COMPARE(log.since({"ERASESHOW", ip}).size(), 1);
        QTRY_COMPARE(live->showLabel(1)->text(), QStringLiteral("00:00:00"));
        QVERIFY(!live->ShowPresent(1));
    };
    withModal([&] { child<QPushButton>(main(), "btLiveRecord")->click(); },
              [&](QWidget *w) {
                  steps();
                  w->close();
              });
    QVERIFY(windows->MainForm->isVisible());
    QTRY_COMPARE(log.since({"RECDIS", ip}).size(), 2); // closing the window stops the device
}

void TestEndToEnd::editAndSaveACue() {
    const QString ip = selectDevice(0);
    QTRY_COMPARE(child<QLabel>(main(), "lbNoSdCard")->text(), QStringLiteral("SD CARD OK"));
    auto *cue = windows->fCue.get();
    auto *cueButton = child<QPushButton>(main(), "btCue"); // hidden: reached only programmatically
    QTRY_VERIFY(cueButton->isEnabled());
    log.mark();
    withModal([&] { cueButton->click(); },
              [&](QWidget *w) {
                  [&] {
                      QTRY_COMPARE(log.since({"QCUERD", ip}).size(), 1);
                      QTRY_VERIFY(!cue->cueName(100).isEmpty());
                      QTableWidget *grid = cue->StringGrid1;
                      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                        grid->visualRect(grid->model()->index(4, 1)).center());
                      QCOMPARE(cue->currentCue(), 5);
                      cue->channelEditor(1)->setValue(200);
                      cue->channelEditor(512)->setValue(7);
                      QTest::keyClick(grid, Qt::Key_F2);
                      QTRY_VERIFY(cue->Edit1->isVisible());
                      cue->Edit1->setText(QStringLiteral("Finale"));
                      QTest::keyClick(cue->Edit1, Qt::Key_Return);
                      QCOMPARE(cue->cueName(5), QStringLiteral("Finale"));
                      cue->btSaveAllCues->click();
                      QTRY_COMPARE(log.since({"!CUEWR", ip}).size(), 1);
                  }();
                  w->close();
              });
    QVERIFY(log.since({"!CUEWR", ip}).first().contains(QLatin1String("Finale")));

    // Shown again, the editor reads back exactly what the device stored.
    selectRow(0);
    QTRY_VERIFY(cueButton->isEnabled());
    withModal([&] { cueButton->click(); },
              [&](QWidget *w) {
                  [&] {
                      QTRY_COMPARE(log.since({"QCUERD", ip}).size(), 2);
                      QTRY_COMPARE(cue->cueName(5), QStringLiteral("Finale"));
                      QTRY_COMPARE(cue->aCue()[4].DMX[0], 200);
                      QCOMPARE(cue->aCue()[4].DMX[511], 7);
                  }();
                  w->close();
              });
}

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
