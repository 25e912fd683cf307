// zentrictl, the program itself, against the emulator and a scripted device on loopback addresses:
// what it prints, its exit status and what reaches the devices.
#include "device/configfile.h"
#include "device/protocol.h"
#include "fakedevice.h"
#include "rig/patch.h"
#include "rig/rigfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

using namespace zentri;
using Setter = std::function<void(recUrzadzenia &)>;
Q_DECLARE_METATYPE(Setter)

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Runs zentrictl; `pump` is called while it runs (a scripted device answers from there). The locale is
// C, whatever the machine's, with the variables of `locale` ("LANG=de_DE.UTF-8") set on top.
Run zentrictl(const QStringList &args, const std::function<void()> &pump = {},
              const QStringList &locale = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    for (const QString &variable : locale)
        env.insert(variable.section('=', 0, 0), variable.section('=', 1));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZENTRICTL_PATH), args);
    Run r;
    if (!p.waitForStarted(5000))
        return r;
    QElapsedTimer clock;
    clock.start();
    while (p.state() != QProcess::NotRunning && clock.elapsed() < 30000) {
        p.waitForFinished(pump ? 10 : 100);
        if (pump)
            pump();
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

} // namespace

class TestZentrictl : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void usage_data();
    void usage();
    void messagesInTheUsersLanguage_data();
    void messagesInTheUsersLanguage();
    void silentDeviceGivesStatus1_data();
    void silentDeviceGivesStatus1();
    void restoreCheckFailsWhenTheDeviceKeepsItsValues();
    void restoreAppliesTheWindowsRules_data();
    void restoreAppliesTheWindowsRules();
    void portHeldByAnotherProgram();
    void startEmulator();
    void discoverLists();
    void discoverJson();
    void backupAndRestore();
    void restoreRefusesBadFiles_data();
    void restoreRefusesBadFiles();
    void sdRestartDefaults_data();
    void sdRestartDefaults();
    void refusalsSendNothing_data();
    void refusalsSendNothing();
    void backupWritesOnlyWhereAFileBelongs_data();
    void backupWritesOnlyWhereAFileBelongs();
    void patchCsvOfARigFile();
    void dataStaysEnglish_data();
    void dataStaysEnglish();
    void cleanupTestCase();

private:
    QString path(const QString &name) const { return dir.filePath(name); }
    // The emulator's lines (one per datagram it heard) after the first `mark` of them.
    QStringList heardSince(int mark);
    int mark() { return static_cast<int>(heardSince(0).size()); }

    QTemporaryDir dir;
    QProcess emulator;
    QString emulatorOut;
    // A watch service's /api/status on loopback: /synced has every device in sync, /missing one missing.
    QTcpServer service;
};

void TestZentrictl::initTestCase() {
    QVERIFY(dir.isValid());
    QVERIFY(service.listen(QHostAddress::LocalHost));
    connect(&service, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *c = service.nextPendingConnection()) {
            connect(c, &QTcpSocket::readyRead, c, [c] {
                if (c->property("answered").toBool() || !c->canReadLine())
                    return; // one answer, once the request line is there
                c->setProperty("answered", true);
                const QByteArray second = c->readLine().startsWith("GET /missing ") ? "missing" : "in sync";
                const QByteArray body = R"({"rig_file_ok": true, "devices": [
                    {"mac": "02:5A:45:00:00:01", "name": "Stage 1", "ip": "127.0.0.2", "state": "in sync", "detail": ""},
                    {"mac": "02:5A:45:00:00:02", "name": "Stage 2", "ip": "127.0.0.3", "state": ")" +
                                        second + R"(", "detail": ""}]})";
                c->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nConnection: close\r\n"
                         "Content-Length: " +
                         QByteArray::number(body.size()) + "\r\n\r\n" + body);
                c->disconnectFromHost();
            });
            connect(c, &QTcpSocket::disconnected, c, &QObject::deleteLater);
        }
    });
}

void TestZentrictl::usage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("no command") << QStringList{} << 2 << ""
                                << "no command given";
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "discover [--json]"
                            << "";
    QTest::newRow("unknown command") << QStringList{"erase"} << 2 << ""
                                     << "unknown command \"erase\"";
    for (const char *c : {"discover", "backup", "restore", "restart", "defaults", "sd"})
        QTest::newRow(qPrintable(QStringLiteral("%1 --help").arg(c)))
            << QStringList{c, "--help"} << 0 << QStringLiteral("Usage: zentrictl %1").arg(c) << "";
    QTest::newRow("discover with an address") << QStringList{"discover", "127.0.0.2"} << 2 << ""
                                              << "discover takes no address";
    QTest::newRow("unknown option") << QStringList{"discover", "--all"} << 2 << ""
                                    << "unknown option --all";
    QTest::newRow("wait without value") << QStringList{"sd", "127.0.0.2", "--wait"} << 2 << ""
                                        << "--wait needs a value";
    QTest::newRow("wait not a number") << QStringList{"sd", "127.0.0.2", "--wait", "soon"} << 2 << ""
                                       << "--wait: \"soon\" is not a number";
    QTest::newRow("bad address") << QStringList{"restart", "127.0.0"} << 2 << ""
                                 << "not a device's IPv4 address";
    QTest::newRow("backup without file") << QStringList{"backup", "127.0.0.2"} << 2 << ""
                                         << "needs IP and FILE";
    QTest::newRow("restore odd arguments")
        << QStringList{"restore", "127.0.0.2", "a.json", "127.0.0.3"} << 2 << ""
        << "IP FILE pairs";
    QTest::newRow("restore missing file")
        << QStringList{"restore", "127.0.0.2", "/nonexistent/zentri.json"} << 2 << ""
        << "cannot read";
    QTest::newRow("defaults without --yes") << QStringList{"defaults", "127.0.0.2"} << 2 << ""
                                            << "add --yes";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "zentrictl 1.0\n"
                               << "";
    QTest::newRow("wait with a space") << QStringList{"sd", "127.0.0.2", "--wait", " 500"} << 2 << ""
                                       << "--wait: \" 500\" is not a number";
    QTest::newRow("wait=soon") << QStringList{"sd", "127.0.0.2", "--wait=soon"} << 2 << ""
                               << "--wait: \"soon\" is not a number";
    QTest::newRow("wait twice") << QStringList{"sd", "127.0.0.2", "--wait=1", "--wait=2"} << 2 << ""
                                << "--wait is given more than once";
    QTest::newRow("option of another command") << QStringList{"restart", "127.0.0.2", "--yes"} << 2 << ""
                                               << "unknown option --yes";
    QTest::newRow("rig check without file") << QStringList{"rig", "check"} << 2 << ""
                                            << "rig check needs FILE; see zentrictl rig check --help";
    QTest::newRow("watch interval past 60") << QStringList{"watch", "--interval", "61"} << 2 << ""
                                            << "--interval: \"61\" is not a number of seconds from 1 to 60";
    QTest::newRow("watch interval of %1, taken as typed")
        << QStringList{"watch", "--interval", "%1%2"} << 2 << ""
        << "--interval: \"%1%2\" is not a number of seconds from 1 to 60";
    QTest::newRow("watch count 0") << QStringList{"watch", "--count", "0"} << 2 << ""
                                   << "--count: \"0\" is not a number of polls";
}

void TestZentrictl::usage() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run r = zentrictl(args);
    QCOMPARE(r.status, status);
    QVERIFY2(r.out.contains(out), qPrintable(r.out));
    QVERIFY2(r.err.contains(err), qPrintable(r.err));
    if (status == 0)
        QVERIFY(r.err.isEmpty());
    else
        QVERIFY(!r.err.isEmpty());
}

void TestZentrictl::messagesInTheUsersLanguage_data() {
    QTest::addColumn<QStringList>("locale");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("holdPort"); // another program holds the reply port
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<bool>("exact"); // out and err whole, not only in what is printed
    const QStringList de{"LANG=de_DE.UTF-8"}, pl{"LANG=pl_PL.UTF-8"};
    const QStringList rigCheck{"rig", "check"}, badWait{"sd", "127.0.0.2", "--wait", "soon"};
    QTest::newRow("de: no command, with the usage")
        << de << QStringList{} << false << 2 << ""
        << "zentrictl: kein Befehl angegeben\nAufruf: zentrictl COMMAND" << false;
    QTest::newRow("pl: a command without its file")
        << pl << rigCheck << false << 2 << ""
        << "zentrictl: rig check: podaj FILE; zobacz zentrictl rig check --help\n"
        << true;
    QTest::newRow("de: a bad number")
        << de << badWait << false << 2 << ""
        << "--wait: „soon“ ist keine gültige Anzahl Millisekunden von 0 bis 600000" << false;
    QTest::newRow("pl: a bad address, in the device library's words too")
        << pl << QStringList{"restart", "127.0.0"} << false << 2 << ""
        << "to nie jest adres IPv4 urządzenia: „127.0.0” nie jest adresem IPv4 zapisanym jako cztery liczby"
        << false;
    QTest::newRow("de: unknown option")
        << de << QStringList{"discover", "--all"} << false << 2 << ""
        << "discover: unbekannte Option --all; siehe zentrictl discover --help" << false;
    QTest::newRow("pl: the port held") << pl << QStringList{"sd", "127.0.0.2"} << true << 3 << ""
                                       << "nie można odbierać odpowiedzi na porcie UDP 7800:" << false;
    QTest::newRow("de: what was sent, said in German")
        << de << QStringList{"restart", "127.0.0.2"} << false << 0 << "127.0.0.2: Neustart gesendet\n"
        << "" << true;
    // The help is translated; the words zentrictl prints stay English in it.
    QTest::newRow("de: help")
        << de << QStringList{"sd", "--help"} << false << 0
        << "Aufruf: zentrictl sd IP [--wait MS]\n\nFragt das Gerät, ob eine Speicherkarte"
        << "" << false;
    QTest::newRow("pl: help names the output words as printed")
        << pl << QStringList{"rig", "check", "--help"} << false << 0
        << "stan („in sync”, „differs”, „missing”,"
        << "" << false;
    QTest::newRow("LANGUAGE before LANG")
        << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=pl"} << rigCheck << false << 2 << ""
        << "rig check: podaj FILE" << false;
    QTest::newRow("LC_ALL before LANG")
        << QStringList{"LANG=pl_PL.UTF-8", "LC_ALL=de_AT.UTF-8"} << rigCheck << false << 2 << ""
        << "rig check erwartet FILE" << false;
    // Under C and English nothing changes, whatever LANGUAGE says.
    const QString englishWait =
        "zentrictl: --wait: \"soon\" is not a number of milliseconds from 0 to 600000\n";
    QTest::newRow("C, LANGUAGE ignored")
        << QStringList{"LANG=C", "LANGUAGE=de"} << badWait << false << 2 << "" << englishWait << true;
    QTest::newRow("LC_ALL=C over a German LANG") << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=C.UTF-8"}
                                                 << badWait << false << 2 << "" << englishWait << true;
    QTest::newRow("English first") << QStringList{"LANG=en_GB.UTF-8", "LANGUAGE=en:pl"} << rigCheck << false
                                   << 2 << ""
                                   << "zentrictl: rig check needs FILE; see zentrictl rig check --help\n"
                                   << true;
    QTest::newRow("C: what was sent") << QStringList{"LANG=C"} << QStringList{"restart", "127.0.0.2"} << false
                                      << 0 << "127.0.0.2: restart sent\n"
                                      << "" << true;
}

void TestZentrictl::messagesInTheUsersLanguage() {
    QFETCH(QStringList, locale);
    QFETCH(QStringList, args);
    QFETCH(bool, holdPort);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(bool, exact);
    QUdpSocket other;
    if (holdPort)
        QVERIFY(other.bind(QHostAddress::AnyIPv4, wire::kMainPort));
    const Run r = zentrictl(args, {}, locale);
    QCOMPARE(r.status, status);
    if (exact) {
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, err);
    } else {
        QVERIFY2(r.out.contains(out), qPrintable(r.out));
        QVERIFY2(r.err.contains(err), qPrintable(r.err));
    }
}

void TestZentrictl::silentDeviceGivesStatus1_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("discover") << QStringList{"discover", "--to", "127.0.0.9", "--wait", "300"};
    QTest::newRow("backup") << QStringList{"backup", "127.0.0.9", path("never.json"), "--wait", "300"};
    QTest::newRow("sd") << QStringList{"sd", "127.0.0.9", "--wait", "300"};
}

void TestZentrictl::silentDeviceGivesStatus1() {
    QFETCH(QStringList, args);
    FakeDevice silent(QStringLiteral("127.0.0.9")); // hears everything, answers nothing
    const Run r = zentrictl(args);
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QLatin1String("did not answer")) ||
                 r.err.contains(QLatin1String("no device answered")),
             qPrintable(r.err));
    QVERIFY(!QFile::exists(path("never.json")));
}

void TestZentrictl::restoreCheckFailsWhenTheDeviceKeepsItsValues() {
    // A device that takes "!SETI" but goes on reporting its old configuration.
    FakeDevice stubborn(QStringLiteral("127.0.0.5"));
    recUrzadzenia rec;
    rec.Nazwa = QStringLiteral("Stubborn");
    rec.MasterVolume = 10;
    recUrzadzenia wanted = rec;
    wanted.MasterVolume = 200;
    QFile f(path("stubborn.json"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(configfile::write(wanted));
    f.close();
    QByteArray seti;
    const Run r = zentrictl({"restore", "127.0.0.5", path("stubborn.json"), "--wait", "1000"}, [&] {
        for (const QByteArray &d : stubborn.take()) {
            if (d.startsWith("QGETI"))
                stubborn.replyInfo(rec);
            if (d.startsWith("!SETI"))
                seti = d;
        }
    });
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QLatin1String("check failed")), qPrintable(r.err));
    QVERIFY2(r.err.contains(QLatin1String("Master volume sent 200, reported 10")), qPrintable(r.err));
    QCOMPARE(seti, wire::configurationPacket(wanted));
}

void TestZentrictl::restoreAppliesTheWindowsRules_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<int>("module");
    QTest::addColumn<Setter>("change"); // what the file changes against the device
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says"); // in what zentrictl prints
    QTest::addColumn<bool>("sent");
    const Setter artNet = [](recUrzadzenia &r) {
        r.Output[2].NET = 5;
        r.dmx.Output_Universe = 7;
        r.MasterVolume = 99;
    };
    const Setter volume = [](recUrzadzenia &r) { r.MasterVolume = 99; };
    QTest::newRow("firmware too old")
        << "0.1" << kModulePremium << volume << true << 1
        << "firmware 0.1: Please update the firmware Zentri; nothing sent" << false;
    QTest::newRow("Standard module, settings it lacks")
        << "1.12" << kModuleStandard << artNet << false << 2
        << "sample.json changes: Output 3 Art-Net NET 0 -> 5, "
           "DMX output Art-Net universe 0 -> 7; nothing sent to it (--yes sends them)"
        << false;
    QTest::newRow("Standard module, settings it lacks, --yes")
        << "1.12" << kModuleStandard << artNet << true << 0 << "Output 3 Art-Net NET 0 -> 5" << true;
    QTest::newRow("Standard module, settings it has")
        << "1.12" << kModuleStandard << volume << false << 0 << "restored from" << true;
    QTest::newRow("Premium module, every setting")
        << "1.12" << kModulePremium << artNet << false << 0 << "restored from" << true;
    // The settings named as the windows name them; restore lists what it changed.
    QTest::newRow("Standard module, settings it lacks, in the windows' words")
        << "1.12" << kModuleStandard << artNet << false << 2
        << "sample.json changes: Output 3 Art-Net NET 0 -> 5, DMX output Art-Net universe 0 -> 7; "
           "nothing sent to it"
        << false;
    QTest::newRow("Premium module, the changes listed")
        << "1.12" << kModulePremium << artNet << false << 0
        << "(3 settings changed); the device reports the configuration sent\n"
           "  Output 3 Art-Net NET: 0 -> 5\n  DMX output Art-Net universe: 0 -> 7\n  Master volume: 0 -> 99\n"
        << true;
    QTest::newRow("the trigger destination address, as one setting")
        << "1.12" << kModulePremium << Setter([](recUrzadzenia &r) {
               r.DestinationIP = {192, 168, 4, 200, 0};
           })
        << false << 0
        << "(1 setting changed); the device reports the configuration sent\n"
           "  Trigger destination IP: 0.0.0.0 -> 192.168.4.200\n"
        << true;
}

void TestZentrictl::restoreAppliesTheWindowsRules() {
    QFETCH(QString, firmware);
    QFETCH(int, module);
    QFETCH(Setter, change);
    QFETCH(bool, yes);
    QFETCH(int, status);
    QFETCH(QString, says);
    QFETCH(bool, sent);
    // A scripted device that stores what it is sent; the file was saved from another device.
    FakeDevice device(QStringLiteral("127.0.0.6"));
    recUrzadzenia rec;
    rec.Nazwa = QStringLiteral("Here");
    rec.ZentriVersion = module;
    recUrzadzenia file = rec;
    file.Nazwa = QStringLiteral("Elsewhere");
    file.MAC = QStringLiteral("02:5A:45:00:00:09");
    change(file);
    QFile f(path("sample.json"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(configfile::write(file));
    f.close();
    const QStringList fw = firmware.split('.');
    QStringList args{"restore", "127.0.0.6", path("sample.json"), "--wait", "1000"};
    if (yes)
        args << "--yes";
    bool gotSeti = false;
    const Run r = zentrictl(args, [&] {
        for (const QByteArray &d : device.take()) {
            if (d.startsWith("QGETI"))
                device.replyInfo(rec, fw[0].toInt(), fw[1].toInt());
            if (d.startsWith("!SETI"))
                gotSeti = wire::applyConfigurationPacket(d, rec);
        }
    });
    QCOMPARE(r.status, status);
    QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
    QCOMPARE(gotSeti, sent);
    if (sent)
        QVERIFY2(
            r.out.contains(QStringLiteral("the file %1 was saved from \"Elsewhere\" (02:5A:45:00:00:09); "
                                          "it goes to \"Here\" (00:1A:2B:3C:4D:5E)")
                               .arg(path("sample.json"))),
            qPrintable(r.out));
}

void TestZentrictl::portHeldByAnotherProgram() {
    QUdpSocket other;
    QVERIFY(other.bind(QHostAddress::AnyIPv4, wire::kMainPort));
    const Run r = zentrictl({"sd", "127.0.0.2"});
    QCOMPARE(r.status, 3);
    QVERIFY2(r.err.contains(QLatin1String("cannot receive replies on UDP port 7800")), qPrintable(r.err));
}

void TestZentrictl::startEmulator() {
    emulator.setProcessChannelMode(QProcess::SeparateChannels);
    emulator.start(QStringLiteral(ZENTRI_EMULATOR_PATH),
                   {"--devices", "2", "--address", "127.0.0.2", "--name", "Stage", "--no-sd-card"});
    QVERIFY(emulator.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(heardSince(0).join('\n').contains(QLatin1String("listening")), 10000);
}

QStringList TestZentrictl::heardSince(int mark) {
    emulator.waitForReadyRead(5);
    emulatorOut += QString::fromLocal8Bit(emulator.readAllStandardOutput());
    const QStringList lines = emulatorOut.split('\n', Qt::SkipEmptyParts);
    return lines.mid(mark);
}

void TestZentrictl::discoverLists() {
    const Run r = zentrictl({"discover", "--to", "127.0.0.3", "--wait", "1500"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QStringLiteral("Stage 2\t127.0.0.3\t02:5A:45:00:00:02\t1.12\tPremium\tNO SD CARD\n"));
}

void TestZentrictl::discoverJson() {
    const Run r = zentrictl({"discover", "--json", "--to", "127.0.0.2", "--wait", "1500"});
    QCOMPARE(r.status, 0);
    const QJsonArray list = QJsonDocument::fromJson(r.out.toUtf8()).array();
    QCOMPARE(list.size(), 1);
    const QJsonObject d = list.first().toObject();
    QCOMPARE(d.value("name").toString(), QStringLiteral("Stage 1"));
    QCOMPARE(d.value("ip").toString(), QStringLiteral("127.0.0.2"));
    QCOMPARE(d.value("mac").toString(), QStringLiteral("02:5A:45:00:00:01"));
    QCOMPARE(d.value("firmware").toString(), QStringLiteral("1.12"));
    QCOMPARE(d.value("module").toString(), QStringLiteral("Premium"));
    QCOMPARE(d.value("moduleVersion").toInt(), 254);
    QCOMPARE(d.value("sdCard"), QJsonValue(false));
}

void TestZentrictl::backupAndRestore() {
    // Back up device 1, change two values in the file, restore it onto device 2: device 2 then reports
    // device 1's configuration with the two changes; a second backup of device 2 shows them.
    Run r = zentrictl({"backup", "127.0.0.2", path("one.json")});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.contains(QLatin1String("saved to")));
    QFile f(path("one.json"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    recUrzadzenia file = *configfile::parse(f.readAll()).file;
    f.close();
    QCOMPARE(file.Nazwa, QStringLiteral("Stage 1"));
    file.MasterVolume = 77;
    file.Output[4].Channel = 300;
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(configfile::write(file));
    f.close();
    const int before = mark();

    r = zentrictl({"restore", "127.0.0.3", path("one.json")});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(QLatin1String("127.0.0.3: restored from")), qPrintable(r.out));
    QVERIFY(r.out.contains(QLatin1String("the device reports the configuration sent")));
    QStringList seti;
    QTRY_VERIFY(heardSince(before).join('\n').contains(QLatin1String("!SETI")));
    for (const QString &l : heardSince(before))
        if (l.contains(QLatin1String("!SETI")))
            seti << l;
    QCOMPARE(seti.size(), 1);
    QVERIFY(seti.first().startsWith(QLatin1String("127.0.0.3 ")));

    r = zentrictl({"backup", "127.0.0.3", path("two.json")});
    QCOMPARE(r.status, 0);
    QFile g(path("two.json"));
    QVERIFY(g.open(QIODevice::ReadOnly));
    const recUrzadzenia two = *configfile::parse(g.readAll()).file;
    QCOMPARE(two.Nazwa, QStringLiteral("Stage 2"));
    QVERIFY(configfile::sameConfiguration(two, file));
    QCOMPARE(two.MasterVolume, 77);
    QCOMPARE(two.Output[4].Channel, 300);
}

void TestZentrictl::restoreRefusesBadFiles_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("says");
    const QByteArray good = configfile::write(recUrzadzenia());
    QTest::newRow("not a configuration")
        << QByteArray("{\"cues\": []}") << "not a Zentri device configuration";
    QTest::newRow("missing field") << QByteArray(good).replace("\"MasterVolume\": 0,", "")
                                   << "lacks the field MasterVolume";
    QTest::newRow("newer format") << QByteArray(good).replace("\"formatVersion\": 1", "\"formatVersion\": 7")
                                  << "newer than this program reads";
    QTest::newRow("byte too large") << QByteArray(good).replace("\"MasterVolume\": 0",
                                                                "\"MasterVolume\": 256")
                                    << "MasterVolume (256 is not a whole number from 0 to 255)";
    QTest::newRow("over 1 MiB, garbage after the spaces") << good + QByteArray(1 << 20, ' ') + "garbage"
                                                          << "larger than the 1 MiB such a file may have";
    QTest::newRow("a key given twice")
        << QByteArray(good).replace("\"MasterVolume\": 0,", "\"MasterVolume\": 0, \"MasterVolume\": 9,")
        << "the key \"MasterVolume\" is given twice";
    QTest::newRow("a misspelt key") << QByteArray(good).replace("\"MasterVolume\": 0,",
                                                                "\"MasterVolumee\": 0,")
                                    << "does not have: MasterVolumee";
}

void TestZentrictl::restoreRefusesBadFiles() {
    QFETCH(QByteArray, text);
    QFETCH(QString, says);
    QFile f(path("bad.json"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
    f.close();
    // The good file first: a bad one anywhere stops everything before anything is sent.
    QFile good(path("good.json"));
    QVERIFY(good.open(QIODevice::WriteOnly | QIODevice::Truncate));
    good.write(configfile::write(recUrzadzenia()));
    good.close();
    const int before = mark();
    const Run r = zentrictl({"restore", "127.0.0.2", path("good.json"), "127.0.0.3", path("bad.json")});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    QVERIFY(r.err.contains(QLatin1String("bad.json")));
    // Nothing reached a device: an SD card query now is the first thing the emulator hears.
    QCOMPARE(zentrictl({"sd", "127.0.0.2"}).status, 0);
    QTRY_VERIFY(heardSince(before).join('\n').contains(QLatin1String("qchkSD")));
    QVERIFY(heardSince(before).first().contains(QLatin1String("qchkSD")));
    for (const QString &l : heardSince(before))
        QVERIFY2(!l.contains(QLatin1String("!SETI")) && !l.contains(QLatin1String("QGETI")), qPrintable(l));
}

void TestZentrictl::sdRestartDefaults_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("heard");
    QTest::newRow("sd") << QStringList{"sd", "127.0.0.3"} << "127.0.0.3: NO SD CARD\n"
                        << "127.0.0.3 <- 127.0.0.1";
    QTest::newRow("restart") << QStringList{"restart", "127.0.0.2"} << "127.0.0.2: restart sent\n"
                             << "RESE";
    QTest::newRow("defaults") << QStringList{"defaults", "127.0.0.3", "--yes"}
                              << "127.0.0.3: restore defaults sent\n"
                              << "RESD";
}

void TestZentrictl::sdRestartDefaults() {
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    QFETCH(QString, heard);
    const int before = mark();
    const Run r = zentrictl(args);
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, out);
    QTRY_VERIFY(heardSince(before).join('\n').contains(heard));
}

void TestZentrictl::refusalsSendNothing_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");
    const QString notOne = QStringLiteral("not a device's IPv4 address: ");
    QTest::newRow("leading zero, not octal")
        << QStringList{"defaults", "127.0.0.003", "--yes"}
        << notOne + "\"127.0.0.003\" is not an IPv4 address written as four decimal numbers";
    QTest::newRow("restart, leading zeros") << QStringList{"restart", "127.000.0.2"} << "\"127.000.0.2\"";
    QTest::newRow("backup, leading zero") << QStringList{"backup", "127.0.0.02", path("x.json")} << notOne;
    QTest::newRow("sd, leading zero") << QStringList{"sd", "127.0.0.02"} << notOne;
    QTest::newRow("discover --to, leading zero")
        << QStringList{"discover", "--to", "127.0.0.03"} << "--to: \"127.0.0.03\" is not an IPv4 address";
    QTest::newRow("defaults, subnet broadcast")
        << QStringList{"defaults", "127.255.255.255", "--yes"}
        << notOne + "127.255.255.255 is the broadcast address of the subnet 127.0.0.0/8 on lo";
    QTest::newRow("restart, broadcast")
        << QStringList{"restart", "255.255.255.255"} << "255.255.255.255 is the broadcast address";
    QTest::newRow("restart, multicast") << QStringList{"restart", "224.0.0.1"} << "224.0.0.1 is a multicast";
    QTest::newRow("sd, broadcast") << QStringList{"sd", "255.255.255.255"} << "is the broadcast address";
    QTest::newRow("restore, unspecified")
        << QStringList{"restore", "0.0.0.0", path("good.json")} << "0.0.0.0 is the unspecified address";
    QTest::newRow("backup to a device node") << QStringList{"backup", "127.0.0.2", "/dev/null"}
                                             << "cannot write /dev/null: it is not a regular file";
}

void TestZentrictl::refusalsSendNothing() {
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    const int before = mark();
    const Run r = zentrictl(args);
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    // Nothing reached either device: an SD card query now is the first thing the emulator hears.
    QCOMPARE(zentrictl({"sd", "127.0.0.2"}).status, 0);
    QTRY_VERIFY(heardSince(before).join('\n').contains(QLatin1String("qchkSD")));
    QVERIFY2(heardSince(before).first().contains(QLatin1String("qchkSD")),
             qPrintable(heardSince(before).first()));
}

void TestZentrictl::backupWritesOnlyWhereAFileBelongs_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("force");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("standard output") << "-" << false << false << 0
                                     << "\"format\": \"Zentri device configuration\"";
    QTest::newRow("read-only file") << "ro.json" << true << false << 2 << "read-only (--force replaces it)";
    QTest::newRow("read-only file, --force") << "ro.json" << true << true << 0 << "saved to";
}

void TestZentrictl::backupWritesOnlyWhereAFileBelongs() {
    QFETCH(QString, file);
    QFETCH(bool, readOnly);
    QFETCH(bool, force);
    QFETCH(int, status);
    QFETCH(QString, says);
    const QString target = file == QLatin1String("-") ? file : path(file);
    if (readOnly) {
        QFile::remove(target);
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep");
        f.close();
        QVERIFY(f.setPermissions(QFile::ReadOwner));
    }
    QStringList args{"backup", "127.0.0.2", target};
    if (force)
        args << "--force";
    const Run r = zentrictl(args);
    QCOMPARE(r.status, status);
    QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
    if (file == QLatin1String("-"))
        QVERIFY(configfile::parse(r.out.toUtf8()).file);
    else if (status != 0)
        QCOMPARE(QFileInfo(target).size(), 4); // untouched
}

void TestZentrictl::cleanupTestCase() {
    if (emulator.state() != QProcess::NotRunning) {
        emulator.terminate();
        if (!emulator.waitForFinished(3000))
            emulator.kill();
    }
}

// The patch of a rig file as CSV, without any network: the rig model's own text, a name that a
// spreadsheet would take for a formula made safe.
void TestZentrictl::patchCsvOfARigFile() {
    rig::Rig r;
    r.name = QStringLiteral("Hall");
    recUrzadzenia d;
    d.Nazwa = QStringLiteral("=HYPERLINK(\"http://x.test\")");
    d.MAC = QStringLiteral("02:5A:45:00:00:01");
    d.IP = QStringLiteral("127.0.0.2");
    r.devices << d;
    QFile file(path("patch-rig.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(rig::write(r));
    file.close();
    const Run run = zentrictl({"patch", "--rig", file.fileName(), "--csv"});
    QCOMPARE(run.status, 1); // a new device's channels are 0: errors
    QCOMPARE(run.out, QString::fromUtf8(rig::patchCsv(r.devices, rig::patchOf(r.devices, {}))));
    QVERIFY(run.out.contains(",\"'=HYPERLINK(\"\"http://x.test\"\")\",02:5A:45:00:00:01,"));
}

void TestZentrictl::dataStaysEnglish_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says"); // in the English output, where a translation would change it
    // A rig whose devices conflict (channels 0, one name twice): the patch's reasons are in the lines.
    rig::Rig r;
    r.name = QStringLiteral("Hall");
    for (int i = 1; i <= 2; ++i) {
        recUrzadzenia d;
        d.Nazwa = QStringLiteral("Same");
        d.MAC = QStringLiteral("02:5A:45:00:00:0%1").arg(i);
        d.IP = QStringLiteral("127.0.0.%1").arg(i + 1);
        r.devices << d;
    }
    QFile file(path("english-rig.json"));
    if (file.open(QIODevice::WriteOnly))
        file.write(rig::write(r));
    file.close();
    QTest::newRow("discover") << QStringList{"discover", "--to", "127.0.0.3", "--wait", "1500"}
                              << "\tNO SD CARD\n";
    QTest::newRow("discover --json") << QStringList{"discover",  "--json", "--to",
                                                    "127.0.0.2", "--wait", "1500"}
                                     << "\"module\": \"Premium\"";
    QTest::newRow("sd") << QStringList{"sd", "127.0.0.3"} << "127.0.0.3: NO SD CARD\n";
    QTest::newRow("patch of a rig") << QStringList{"patch", "--rig", file.fileName()} << "\nerror\t";
    QTest::newRow("patch of a rig, JSON")
        << QStringList{"patch", "--rig", file.fileName(), "--json"} << "\"level\": \"warning\"";
    QTest::newRow("patch of a rig, CSV")
        << QStringList{"patch", "--rig", file.fileName(), "--csv"} << "Output 1";
    // The states a watch service sends are compared and printed as sent: all in sync exits 0; a missing
    // device is printed without its address.
    const QString url = QStringLiteral("http://127.0.0.1:%1/").arg(service.serverPort());
    QTest::newRow("status, all in sync")
        << QStringList{"status", url + "synced"} << "in sync\t02:5A:45:00:00:02";
    QTest::newRow("status, one missing")
        << QStringList{"status", url + "missing"} << "missing\t02:5A:45:00:00:02\tStage 2\t\n";
}

// What scripts read is the same in German and Polish as under C.
void TestZentrictl::dataStaysEnglish() {
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    const auto serve = [] { QCoreApplication::processEvents(); }; // the watch service's answers
    const Run english = zentrictl(args, serve);
    QVERIFY2(english.out.contains(says), qPrintable(english.out));
    for (const char *lang : {"LANG=de_DE.UTF-8", "LANG=pl_PL.UTF-8"}) {
        const Run other = zentrictl(args, serve, {QString::fromLatin1(lang)});
        QCOMPARE(other.status, english.status);
        QCOMPARE(other.out, english.out);
    }
}

QTEST_GUILESS_MAIN(TestZentrictl)
#include "tst_zentrictl.moc"
