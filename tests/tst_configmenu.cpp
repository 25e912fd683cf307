// The main window's "Save configuration..." and "Load configuration..." against scripted devices on
// loopback addresses: what is written, what is asked, what is stored and sent, and what is refused.
#include "app/application.h"
#include "app/devicetable.h"
#include "app/mainwindow.h"
#include "device/configfile.h"
#include "managerfixture.h"
#include "testkit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <functional>

using namespace zentri;
using Edit = std::function<void(recUrzadzenia &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

std::function<void(QWidget *)> chooseFile(const QString &path) {
    return [path](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        QVERIFY(d);
        d->selectFile(path);
        QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
    };
}

} // namespace

class TestConfigMenu : public QObject, ManagerFixture {
    Q_OBJECT
private slots:
    void init() { openManager(); }
    void cleanup() { closeManager(); }
    void menuFollowsTheDeviceControls();
    void saveWritesTheSelectedDevice();
    void load_data();
    void load();
    void refusedFiles_data();
    void refusedFiles();
    void aReplyDuringTheQuestionDoesNotMoveTheLoad();
    void aDiscoveryDuringTheQuestionStopsTheLoad();

private:
    void discover(int devices) {
        ManagerFixture::discover(devices, [](recUrzadzenia &rec, int i) {
            rec.MasterVolume = 100 + i;
            rec.Output[2].Channel = 10 + i;
        });
    }
    QAction *action(const char *name) { return main()->findChild<QAction *>(QString::fromLatin1(name)); }
    void run(QAction *a, std::deque<ModalScript::Step> steps);
    QString writeFile(const QString &name, const QByteArray &text);

    QTemporaryDir dir;
};

void TestConfigMenu::run(QAction *a, std::deque<ModalScript::Step> steps) {
    QVERIFY(a);
    QVERIFY(a->isEnabled());
    QStringList expected;
    for (const auto &s : steps)
        expected << s.name;
    ModalScript script(std::move(steps));
    a->trigger();
    QCOMPARE(script.seen, expected);
    QVERIFY(script.finished());
}

QString TestConfigMenu::writeFile(const QString &name, const QByteArray &text) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(text);
    return path;
}

void TestConfigMenu::menuFollowsTheDeviceControls() {
    QVERIFY(action("SaveConfiguration1"));
    QCOMPARE(action("SaveConfiguration1")->text(), QStringLiteral("Save configuration..."));
    QCOMPARE(action("LoadConfiguration1")->text(), QStringLiteral("Load configuration..."));
    QVERIFY(!action("SaveConfiguration1")->isEnabled());
    QVERIFY(!action("LoadConfiguration1")->isEnabled());
    discover(2);
    QVERIFY(!action("SaveConfiguration1")->isEnabled());
    clickRow(0);
    QVERIFY(action("SaveConfiguration1")->isEnabled());
    QVERIFY(action("LoadConfiguration1")->isEnabled());
    // Like the device buttons: disabled again once a dialog has closed.
    run(action("SaveConfiguration1"), {{"configurationFileDialog", [](QWidget *w) { w->close(); }}});
    QVERIFY(!action("SaveConfiguration1")->isEnabled());
    QVERIFY(!action("LoadConfiguration1")->isEnabled());
}

void TestConfigMenu::saveWritesTheSelectedDevice() {
    discover(3);
    clickRow(1); // record 1, "Device 2"
    const QString path = dir.filePath("device2.json");
    run(action("SaveConfiguration1"), {{"configurationFileDialog", chooseFile(path)}});
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const configfile::Parsed p = configfile::parse(f.readAll());
    QVERIFY2(p.file, qPrintable(p.error));
    const recUrzadzenia &rec = main()->devices()[1];
    QCOMPARE(p.file->Nazwa, QStringLiteral("Device 2"));
    QCOMPARE(p.file->IP, QStringLiteral("127.0.0.2"));
    QCOMPARE(p.file->MAC, rec.MAC);
    QCOMPARE(p.file->FWVer, QStringLiteral("1.12"));
    QCOMPARE(p.file->ZentriVersion, kModulePremium);
    QVERIFY(configfile::sameConfiguration(*p.file, rec));
}

void TestConfigMenu::load_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("lines");
    const Edit two = [](recUrzadzenia &r) {
        r.Output[2].Channel = 300;
        r.MasterVolume = 7;
    };
    QTest::newRow("two changes, yes")
        << two << true
        << QStringList{"2 settings differ:", "  Output 3 channel: 11 \u2192 300",
                       "  Master volume: 101 \u2192 7"};
    QTest::newRow("two changes, no") << two << false << QStringList{"2 settings differ:"};
    QTest::newRow("from another device")
        << Edit([](recUrzadzenia &r) {
               r.Nazwa = QStringLiteral("Elsewhere");
               r.MAC = QStringLiteral("02:00:00:00:00:09");
               r.ZentriVersion = kModuleStandard; // the device keeps its own module version
               r.blackoutAtEndOfTheShow = true;
           })
        << true
        << QStringList{"The file was saved from \"Elsewhere\" (02:00:00:00:00:09); this device is \"Device "
                       "2\" (00:1A:2B:3C:4D:5E).",
                       "1 setting differs:", "  Blackout at the end of the show: false \u2192 true"};
    QTest::newRow("nothing differs") << Edit([](recUrzadzenia &) {}) << true
                                     << QStringList{"The device already has this configuration."};
}

void TestConfigMenu::load() {
    QFETCH(Edit, edit);
    QFETCH(bool, yes);
    QFETCH(QStringList, lines);
    discover(3);
    clickRow(1);
    const recUrzadzenia before = main()->devices()[1];
    recUrzadzenia file = before;
    edit(file);
    const QString path = writeFile("load.json", configfile::write(file));
    fakes[1]->take();
    QString question;
    run(action("LoadConfiguration1"),
        {{"configurationFileDialog", chooseFile(path)},
         {"loadConfigurationBox", answer(yes ? QMessageBox::Yes : QMessageBox::No, &question)}});
    for (const QString &l : lines)
        QVERIFY2(question.split('\n').contains(l), qPrintable(question));
    const recUrzadzenia &after = main()->devices()[1];
    if (!yes) {
        QVERIFY(after == before);
        QVERIFY(sentTo(1, "!SETI").isEmpty());
        return;
    }
    recUrzadzenia expected = before;
    configfile::applyConfiguration(file, expected);
    QVERIFY(after == expected);
    QCOMPARE(after.ZentriVersion, kModulePremium);
    QCOMPARE(after.Nazwa, QStringLiteral("Device 2"));
    QCOMPARE(fakes[1]->waitFor("!SETI"), wire::configurationPacket(expected));
    QVERIFY(sentTo(0, "!SETI").isEmpty());
    QVERIFY(sentTo(2, "!SETI").isEmpty());
}

void TestConfigMenu::refusedFiles_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("named");
    recUrzadzenia rec;
    const QByteArray good = configfile::write(rec);
    QTest::newRow("not a configuration")
        << QByteArray("<cues/>") << QStringList{"not a Zentri device configuration"};
    QTest::newRow("missing field") << QByteArray(good).replace("\"InputSelect\": 0,", "")
                                   << QStringList{"InputSelect"};
    QTest::newRow("newer format") << QByteArray(good).replace("\"formatVersion\": 1", "\"formatVersion\": 2")
                                  << QStringList{"formatVersion", "newer"};
    QTest::newRow("two values out of range") << QByteArray(good)
                                                    .replace("\"MasterVolume\": 0", "\"MasterVolume\": 300")
                                                    .replace("\"Treble_DMXch\": 0", "\"Treble_DMXch\": 65536")
                                             << QStringList{"MasterVolume (300", "dap.Treble_DMXch (65536"};
}

void TestConfigMenu::refusedFiles() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, named);
    discover(2);
    clickRow(0);
    const DeviceArray before = main()->devices();
    const QString path = writeFile("bad.json", text);
    fakes[1]->take();
    QString message;
    run(action("LoadConfiguration1"),
        {{"configurationFileDialog", chooseFile(path)}, {"messageBox", answer(QMessageBox::Ok, &message)}});
    QVERIFY(message.contains(QLatin1String("nothing was")) ||
            message.contains(QLatin1String("not a Zentri")));
    for (const QString &n : named)
        QVERIFY2(message.contains(n), qPrintable(message));
    QVERIFY(main()->devices() == before);
    QVERIFY(sentTo(1, "!SETI").isEmpty()); // a loopback datagram is there once sent
}

void TestConfigMenu::aReplyDuringTheQuestionDoesNotMoveTheLoad() {
    discover(2);
    clickRow(1); // record 0, "Device 1"
    recUrzadzenia file = main()->devices()[0];
    file.Trigger[3].Volume = 33;
    const QString path = writeFile("late.json", configfile::write(file));
    fakes[0]->take();
    // While the question is open a third device answers: the array grows and the current row moves.
    run(action("LoadConfiguration1"), {{"configurationFileDialog", chooseFile(path)},
                                       {"loadConfigurationBox", answer(QMessageBox::Yes, nullptr, [this] {
                                            recUrzadzenia late;
                                            late.Nazwa = QStringLiteral("Late");
                                            fakes[2]->replyInfo(late);
                                            QTRY_COMPARE(main()->devices().size(), 3);
                                            QVERIFY(main()->getRecID() != 0);
                                        })}});
    QCOMPARE(main()->devices()[0].Trigger[3].Volume, 33);
    QCOMPARE(main()->devices()[2].Trigger[3].Volume, 0);
    QCOMPARE(fakes[0]->waitFor("!SETI"), wire::configurationPacket(main()->devices()[0]));
    QVERIFY(sentTo(2, "!SETI").isEmpty());
}

void TestConfigMenu::aDiscoveryDuringTheQuestionStopsTheLoad() {
    discover(2);
    clickRow(0); // record 1, "Device 2"
    recUrzadzenia file = main()->devices()[1];
    file.MasterVolume = 1;
    const QString path = writeFile("gone.json", configfile::write(file));
    QString message;
    // A new discovery while the question is open: index 1 is now another device.
    run(action("LoadConfiguration1"),
        {{"configurationFileDialog", chooseFile(path)},
         {"loadConfigurationBox", answer(QMessageBox::Yes, nullptr,
                                         [this] {
                                             main()->findDevices();
                                             for (int i : {2, 0}) {
                                                 recUrzadzenia r;
                                                 r.Nazwa = QStringLiteral("New %1").arg(i);
                                                 fakes[i]->replyInfo(r);
                                             }
                                             QTRY_COMPARE(main()->devices().size(), 2);
                                             for (auto &f : fakes)
                                                 f->take();
                                         })},
         {"messageBox", answer(QMessageBox::Ok, &message)}});
    QVERIFY2(message.contains(QLatin1String("device list changed")), qPrintable(message));
    for (const recUrzadzenia &r : main()->devices())
        QCOMPARE(r.MasterVolume, 0);
    for (int i = 0; i < 3; ++i)
        QVERIFY(sentTo(i, "!SETI").isEmpty());
}

QTEST_MAIN(TestConfigMenu)
#include "tst_configmenu.moc"
