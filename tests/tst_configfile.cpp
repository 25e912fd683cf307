// Configuration files: what is written, what is read back, what is refused and the differences shown.
#include "device/configfile.h"
#include "device/protocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>
#include <functional>

using namespace zentri;
using Setter = std::function<void(recUrzadzenia &)>;
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(recUrzadzenia)

namespace {

// A device as its info reply gives it: every field set, each to a value of its own.
recUrzadzenia reported() {
    recUrzadzenia r;
    for (int i = 0; i < 8; ++i) {
        r.Trigger[i] = {i, 10 + i, 100 + i, 2 + i, 20 + i, 30 + i, 200 + i};
        r.Output[i].NET = 40 + i;
        r.Output[i].Universe = 50 + i;
        r.Output[i].Channel = 500 + i;
        r.Output[i].PWM = i % 2 == 1;
    }
    r.TriggerButtonPlayMode = true;
    r.dap = {1, 2, 3, 4, 5, 6, 7, 8, 1};
    r.InputSelect = 1;
    r.DestinationIP = {192, 168, 1, 77, 0};
    r.dmx = {3, 4};
    r.MasterVolume = 180;
    r.playAfterPowerOn = 5;
    r.blackoutAtEndOfTheShow = true;
    const QByteArray info = wire::infoReply(r, 1, 1, 12, QByteArray::fromHex("025A45000001"));
    recUrzadzenia named = *wire::parseInfoReply(info, QStringLiteral("127.0.0.2"));
    named.Nazwa = QStringLiteral("Stage left");
    named.ZentriVersion = kModulePremium;
    return named;
}

// Sets (or, with an undefined value, removes) the value at a path like "configuration.Output[3].PWM".
QJsonValue edited(const QJsonValue &at, QStringList path, const QJsonValue &value) {
    if (path.isEmpty())
        return value;
    const QString head = path.takeFirst();
    static const QRegularExpression element(QStringLiteral("^(\\w+)\\[(\\d+)\\]$"));
    QJsonObject object = at.toObject();
    const auto m = element.match(head);
    const QString key = m.hasMatch() ? m.captured(1) : head;
    if (!m.hasMatch()) {
        if (path.isEmpty() && value.isUndefined())
            object.remove(key);
        else
            object.insert(key, edited(object.value(key), path, value));
        return object;
    }
    QJsonArray array = object.value(key).toArray();
    const int i = m.captured(2).toInt();
    if (path.isEmpty() && value.isUndefined())
        array.removeAt(i);
    else
        array.replace(i, edited(array.at(i), path, value));
    object.insert(key, array);
    return object;
}

QByteArray fileWith(const QString &path, const QJsonValue &value) {
    const QJsonDocument doc = QJsonDocument::fromJson(configfile::write(reported()));
    return QJsonDocument(edited(doc.object(), path.split('.'), value).toObject()).toJson();
}

const QJsonValue removed(QJsonValue::Undefined);

// The file with one element more at the end of a list of the configuration ("Output", "DestinationIP").
QByteArray fileWithOneMore(const QString &list, const QJsonValue &element) {
    QJsonObject root = QJsonDocument::fromJson(configfile::write(reported())).object();
    QJsonObject conf = root.value("configuration").toObject();
    QJsonArray array = conf.value(list).toArray();
    array.append(element);
    conf.insert(list, array);
    root.insert("configuration", conf);
    return QJsonDocument(root).toJson();
}

} // namespace

class TestConfigFile : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void reportedValuesGoBackUnchanged();
    void fileIsReadable();
    void everyPacketFieldIsInTheFile();
    void refused_data();
    void refused();
    void differences_data();
    void differences();
    void loadingKeepsIdentityAndModule();
    void summaryIsShort();
    void settingsInTheWindowsWords_data();
    void settingsInTheWindowsWords();
    void refusalsNameTheWindowsSettings_data();
    void refusalsNameTheWindowsSettings();
};

void TestConfigFile::roundTrip_data() {
    QTest::addColumn<Setter>("edit");
    QTest::newRow("new record") << Setter([](recUrzadzenia &r) { r = recUrzadzenia(); });
    QTest::newRow("as reported") << Setter([](recUrzadzenia &) {});
    QTest::newRow("largest values") << Setter([](recUrzadzenia &r) {
        for (const configfile::FieldRef &f : configfile::configurationFields(r)) {
            if (f.flag)
                *f.flag = true;
            else
                *f.number = f.width == configfile::Width::Word ? 65535 : 255;
        }
        r.ZentriVersion = 255;
    });
    QTest::newRow("texts beyond ASCII") << Setter([](recUrzadzenia &r) {
        r.Nazwa = QStringLiteral("B\u00fchne \"1\" \\ \u2014");
        r.FWVer = QStringLiteral("0.12");
    });
}

void TestConfigFile::roundTrip() {
    QFETCH(Setter, edit);
    recUrzadzenia rec = reported();
    edit(rec);
    const configfile::Parsed back = configfile::parse(configfile::write(rec));
    QVERIFY2(back.file, qPrintable(back.error));
    QVERIFY(configfile::sameConfiguration(*back.file, rec));
    QCOMPARE(back.file->Nazwa, rec.Nazwa);
    QCOMPARE(back.file->MAC, rec.MAC);
    QCOMPARE(back.file->FWVer, rec.FWVer);
    QCOMPARE(back.file->ZentriVersion, rec.ZentriVersion);
    QCOMPARE(back.file->IP, rec.IP);
    QCOMPARE(wire::configurationPacket(*back.file), wire::configurationPacket(rec));
}

void TestConfigFile::reportedValuesGoBackUnchanged() {
    // Saved from one device, loaded into the same device: the packet is the one its own record gives.
    const recUrzadzenia device = reported();
    recUrzadzenia loaded = device;
    loaded.Output[0].Channel = 1; // an edit in the manager that the file undoes
    configfile::applyConfiguration(*configfile::parse(configfile::write(device)).file, loaded);
    QCOMPARE(wire::configurationPacket(loaded), wire::configurationPacket(device));
    QVERIFY(loaded == device);
}

void TestConfigFile::fileIsReadable() {
    const QByteArray text = configfile::write(reported());
    QVERIFY(text.contains("\"format\": \"Zentri device configuration\""));
    QVERIFY(text.contains("\"formatVersion\": 1"));
    QVERIFY(text.contains("\"Nazwa\": \"Stage left\""));
    QVERIFY(text.contains("\"MAC\": \"02:5A:45:00:00:01\""));
    QVERIFY(text.contains("\"FWVer\": \"1.12\""));
    QVERIFY(text.contains("\"ZentriVersion\": 254"));
    QVERIFY(text.contains("\"Treble_DMXch\": 8"));
    QVERIFY(text.contains("\"blackoutAtEndOfTheShow\": true"));
    QVERIFY(text.count('\n') > 100); // one field a line
}

void TestConfigFile::everyPacketFieldIsInTheFile() {
    // Changing any one configuration field changes the packet, and the file carries that change back.
    recUrzadzenia base = reported();
    const int count = static_cast<int>(configfile::configurationFields(base).size());
    QCOMPARE(count, 8 * 7 + 1 + 8 * 4 + 9 + 1 + 4 + 2 + 3);
    for (int i = 0; i < count; ++i) {
        recUrzadzenia rec = reported();
        const configfile::FieldRef f = configfile::configurationFields(rec)[i];
        if (f.flag)
            *f.flag = !*f.flag;
        else
            *f.number ^= 0x81;
        QVERIFY2(wire::configurationPacket(rec) != wire::configurationPacket(base), qPrintable(f.path));
        const auto back = configfile::parse(configfile::write(rec)).file;
        QVERIFY(back);
        QCOMPARE(wire::configurationPacket(*back), wire::configurationPacket(rec));
    }
}

void TestConfigFile::refused_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("says");
    const QStringList none;
    QTest::newRow("not JSON") << QByteArray("Nazwa=Stage") << none
                              << "not a Zentri device configuration file";
    QTest::newRow("empty") << QByteArray() << none << "not a Zentri device configuration file";
    QTest::newRow("a JSON list") << QByteArray("[1, 2]") << none << "not a Zentri device configuration file";
    QTest::newRow("another program's JSON") << QByteArray("{\"name\": \"x\"}") << QStringList{"format"}
                                            << "not a Zentri device configuration file";
    QTest::newRow("wrong format name") << fileWith("format", "Zentri cue list") << QStringList{"format"}
                                       << "not a Zentri device configuration file";
    QTest::newRow("no format version") << fileWith("formatVersion", removed) << QStringList{"formatVersion"}
                                       << "lacks the field formatVersion";
    QTest::newRow("format version text")
        << fileWith("formatVersion", "1") << QStringList{"formatVersion"} << "not a format version";
    QTest::newRow("format version 0")
        << fileWith("formatVersion", 0) << QStringList{"formatVersion"} << "not a format version";
    QTest::newRow("newer format version") << fileWith("formatVersion", 2) << QStringList{"formatVersion"}
                                          << "formatVersion is 2, newer than this program reads (1)";
    QTest::newRow("no name") << fileWith("Nazwa", removed) << QStringList{"Nazwa"} << "lacks the field Nazwa";
    QTest::newRow("MAC a number") << fileWith("MAC", 5) << QStringList{"MAC"} << "MAC (5 is not a text)";
    QTest::newRow("module 256") << fileWith("ZentriVersion", 256) << QStringList{"ZentriVersion"}
                                << "ZentriVersion (256 is not a whole number from 0 to 255)";
    QTest::newRow("no configuration") << fileWith("configuration", removed) << QStringList{"configuration"}
                                      << "lacks the field configuration";
    QTest::newRow("one field missing")
        << fileWith("configuration.Output[3].Channel", removed) << QStringList{"Output[3].Channel"}
        << "lacks the field Output[3].Channel";
    QTest::newRow("a group missing") << fileWith("configuration.dmx", removed)
                                     << QStringList{"dmx.Output_NET", "dmx.Output_Universe"}
                                     << "lacks the fields dmx.Output_NET, dmx.Output_Universe";
    QTest::newRow("seven outputs") << fileWith("configuration.Output[7]", removed)
                                   << QStringList{"Output[7].NET", "Output[7].Universe", "Output[7].Channel",
                                                  "Output[7].PWM"}
                                   << "Output[7].NET";
    QTest::newRow("three address bytes")
        << fileWith("configuration.DestinationIP[3]", removed) << QStringList{"DestinationIP[3]"}
        << "lacks the field DestinationIP[3]";
    QTest::newRow("byte 256") << fileWith("configuration.Trigger[7].Volume", 256)
                              << QStringList{"Trigger[7].Volume"}
                              << "Trigger[7].Volume (256 is not a whole number from 0 to 255)";
    QTest::newRow("byte -1") << fileWith("configuration.MasterVolume", -1) << QStringList{"MasterVolume"}
                             << "MasterVolume (-1 is not";
    QTest::newRow("16-bit 65536") << fileWith("configuration.dap.NET", 65536) << QStringList{"dap.NET"}
                                  << "dap.NET (65536 is not a whole number from 0 to 65535)";
    QTest::newRow("channel 1.5") << fileWith("configuration.Output[0].Channel", 1.5)
                                 << QStringList{"Output[0].Channel"} << "Output[0].Channel (1.5 is not";
    QTest::newRow("huge number") << fileWith("configuration.InputSelect", 1e300) << QStringList{"InputSelect"}
                                 << "InputSelect (";
    QTest::newRow("number as text") << fileWith("configuration.DestinationIP[0]", "192")
                                    << QStringList{"DestinationIP[0]"} << "DestinationIP[0] (\"192\" is not";
    QTest::newRow("flag as number") << fileWith("configuration.Output[2].PWM", 1)
                                    << QStringList{"Output[2].PWM"}
                                    << "Output[2].PWM (1 is not true or false)";
    QTest::newRow("null") << fileWith("configuration.playAfterPowerOn", QJsonValue::Null)
                          << QStringList{"playAfterPowerOn"} << "playAfterPowerOn (null is not";
    QTest::newRow("missing and bad together")
        << QJsonDocument(
               edited(QJsonDocument::fromJson(fileWith("configuration.dap.playLoop", removed)).object(),
                      {"configuration", "dmx", "Output_NET"}, 300)
                   .toObject())
               .toJson()
        << QStringList{"dap.playLoop", "dmx.Output_NET"} << "lacks the field dap.playLoop";
    // Files that could be read more than one way.
    const QByteArray good = configfile::write(reported());
    QTest::newRow("a lone number") << QByteArray("42") << none << "it holds a number, not a JSON object";
    QTest::newRow("a lone text") << QByteArray("\"hello\"") << none << "it holds a text, not a JSON object";
    QTest::newRow("null") << QByteArray("null") << none << "it holds null, not a JSON object";
    QTest::newRow("something after the object") << good + "{}" << none << "garbage at the end";
    QTest::newRow("a key given twice")
        << QByteArray(good).replace("\"MasterVolume\": 180,", "\"MasterVolume\": 180, \"MasterVolume\": 7,")
        << none << "the key \"MasterVolume\" is given twice in configuration";
    QTest::newRow("a misspelt key beside the real one")
        << fileWith("configuration.MasterVolumee", 3) << QStringList{"MasterVolumee"}
        << "does not have: MasterVolumee";
    QTest::newRow("an unknown key in an element") << fileWith("configuration.Output[2].Chanel", 3)
                                                  << QStringList{"Output[2].Chanel"} << "Output[2].Chanel";
    QTest::newRow("an unknown key at the top")
        << fileWith("comment", "x") << QStringList{"comment"} << "does not have: comment";
    QTest::newRow("one unknown key at the top and in the configuration")
        << QJsonDocument(
               edited(QJsonDocument::fromJson(fileWith("Extra", 1)).object(), {"configuration", "Extra"}, 2)
                   .toObject())
               .toJson()
        << QStringList{"Extra"} << "does not have: Extra.";
    QTest::newRow("a ninth output") << fileWithOneMore("Output", QJsonObject{}) << QStringList{"Output[8]"}
                                    << "does not have: Output[8]";
    QTest::newRow("a ninth trigger") << fileWithOneMore("Trigger", QJsonObject{}) << QStringList{"Trigger[8]"}
                                     << "Trigger[8]";
    QTest::newRow("a fifth address byte")
        << fileWithOneMore("DestinationIP", 4) << QStringList{"DestinationIP[4]"} << "DestinationIP[4]";
    QTest::newRow("the fourth output removed")
        << fileWith("configuration.Output[3]", removed)
        << QStringList{"Output[7].NET", "Output[7].Universe", "Output[7].Channel", "Output[7].PWM"}
        << "The list Output holds 7 elements instead of 8";
    QTest::newRow("an address with a leading zero")
        << fileWith("IP", "10.77.0.010") << QStringList{"IP"} << "IP (\"10.77.0.010\" is not an IPv4 address";
}

void TestConfigFile::refused() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, fields);
    QFETCH(QString, says);
    const configfile::Parsed p = configfile::parse(file);
    QVERIFY(!p.file);
    QVERIFY2(p.error.contains(says), qPrintable(p.error));
    QCOMPARE(p.badFields, fields);
    for (const QString &f : fields)
        QVERIFY2(p.error.contains(f), qPrintable(f));
}

void TestConfigFile::differences_data() {
    QTest::addColumn<Setter>("edit");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("none") << Setter([](recUrzadzenia &) {}) << QStringList{};
    QTest::newRow("an output channel") << Setter([](recUrzadzenia &r) { r.Output[2].Channel = 300; })
                                       << QStringList{"Output[2].Channel: 502 -> 300"};
    QTest::newRow("a flag and a byte") << Setter([](recUrzadzenia &r) {
        r.TriggerButtonPlayMode = false;
        r.MasterVolume = 0;
    }) << QStringList{"TriggerButtonPlayMode: true -> false", "MasterVolume: 180 -> 0"};
    QTest::newRow("identity only") << Setter([](recUrzadzenia &r) {
        r.Nazwa = QStringLiteral("Other");
        r.MAC = QStringLiteral("00:00:00:00:00:01");
        r.ZentriVersion = kModuleStandard;
    }) << QStringList{};
}

void TestConfigFile::differences() {
    QFETCH(Setter, edit);
    QFETCH(QStringList, expected);
    recUrzadzenia file = reported();
    edit(file);
    QStringList got;
    for (const configfile::Difference &d : configfile::differences(reported(), file))
        got << QStringLiteral("%1: %2 -> %3").arg(d.field, d.device, d.file);
    QCOMPARE(got, expected);
}

void TestConfigFile::loadingKeepsIdentityAndModule() {
    recUrzadzenia other = reported();
    other.Nazwa = QStringLiteral("Other");
    other.MAC = QStringLiteral("00:00:00:00:00:01");
    other.IP = QStringLiteral("127.0.0.9");
    other.FWVer = QStringLiteral("2.0");
    other.ZentriVersion = kModuleStandard;
    other.Output[5].NET = 9;
    recUrzadzenia device = reported();
    configfile::applyConfiguration(*configfile::parse(configfile::write(other)).file, device);
    QCOMPARE(device.Output[5].NET, 9);
    QCOMPARE(device.Nazwa, QStringLiteral("Stage left"));
    QCOMPARE(device.MAC, QStringLiteral("02:5A:45:00:00:01"));
    QCOMPARE(device.IP, QStringLiteral("127.0.0.2"));
    QCOMPARE(device.FWVer, QStringLiteral("1.12"));
    QCOMPARE(device.ZentriVersion, kModulePremium); // the device's own module version goes back
}

void TestConfigFile::summaryIsShort() {
    recUrzadzenia file = reported();
    for (int i = 0; i < 8; ++i)
        file.Trigger[i].Volume = 0;
    file.MAC = QStringLiteral("00:00:00:00:00:01");
    const QStringList lines = configfile::summary(reported(), file, 5).split('\n');
    QCOMPARE(lines.size(), 1 + 1 + 5 + 1);
    QVERIFY(lines[0].contains("saved from \"Stage left\" (00:00:00:00:00:01)"));
    QCOMPARE(lines[1], QStringLiteral("8 settings differ:"));
    QCOMPARE(lines[2], QStringLiteral("  Trigger 1 volume: 200 \u2192 0"));
    QCOMPARE(lines.last(), QStringLiteral("  ... and 3 more"));
    QCOMPARE(configfile::summary(reported(), reported()),
             QStringLiteral("The device already has this configuration."));
}

void TestConfigFile::settingsInTheWindowsWords_data() {
    QTest::addColumn<Setter>("edit");
    QTest::addColumn<QStringList>("lines"); // of the summary, after the count
    QTest::newRow("output 1 channel") << Setter([](recUrzadzenia &r) { r.Output[0].Channel = 100; })
                                      << QStringList{"  Output 1 channel: 500 \u2192 100"};
    QTest::newRow("trigger 3 volume") << Setter([](recUrzadzenia &r) { r.Trigger[2].Volume = 9; })
                                      << QStringList{"  Trigger 3 volume: 202 \u2192 9"};
    QTest::newRow("output 8 PWM") << Setter([](recUrzadzenia &r) { r.Output[7].PWM = false; })
                                  << QStringList{"  Output 8 PWM: true \u2192 false"};
    QTest::newRow("audio player") << Setter([](recUrzadzenia &r) { r.dap.Volume_DMXch = 12; })
                                  << QStringList{"  Audio player volume channel: 5 \u2192 12"};
    QTest::newRow("one address byte")
        << Setter([](recUrzadzenia &r) { r.DestinationIP[3] = 200; })
        << QStringList{"  Trigger destination IP: 192.168.1.77 \u2192 192.168.1.200"};
    QTest::newRow("the whole address") << Setter([](recUrzadzenia &r) {
        r.DestinationIP = {10, 0, 4, 200, 0};
    }) << QStringList{"  Trigger destination IP: 192.168.1.77 \u2192 10.0.4.200"};
    QTest::newRow("address among others, in the record's order")
        << Setter([](recUrzadzenia &r) {
               r.MasterVolume = 1;
               r.DestinationIP[0] = 172;
               r.DestinationIP[2] = 4;
               r.InputSelect = 0;
           })
        << QStringList{"  Input source: 1 \u2192 0",
                       "  Trigger destination IP: 192.168.1.77 \u2192 172.168.4.77",
                       "  Master volume: 180 \u2192 1"};
}

// The load preview names each setting as the windows do and shows the trigger destination address as
// one setting; the differences themselves keep the file's names, one per byte.
void TestConfigFile::settingsInTheWindowsWords() {
    QFETCH(Setter, edit);
    QFETCH(QStringList, lines);
    recUrzadzenia file = reported();
    edit(file);
    QStringList summary = configfile::summary(reported(), file).split('\n');
    QCOMPARE(summary.takeFirst(), lines.size() == 1
                                      ? QStringLiteral("1 setting differs:")
                                      : QStringLiteral("%1 settings differ:").arg(lines.size()));
    QCOMPARE(summary, lines);
    for (const configfile::Difference &d : configfile::differences(reported(), file)) {
        QVERIFY2(d.field.contains(QLatin1Char('[')) || !d.field.contains(QLatin1Char(' ')),
                 qPrintable(d.field));
        QCOMPARE(configfile::labelOf(d.field), d.label);
    }
    QCOMPARE(configfile::differencesForPeople(reported(), file).size(), lines.size());
}

void TestConfigFile::refusalsNameTheWindowsSettings_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("says");
    QTest::newRow("one field missing")
        << fileWith("configuration.Output[3].Channel", removed) << "In the windows: Output 4 channel.";
    QTest::newRow("a group missing")
        << fileWith("configuration.dmx", removed)
        << "In the windows: DMX output Art-Net NET, DMX output Art-Net universe.";
    QTest::newRow("a bad value") << fileWith("configuration.Trigger[7].Volume", 256)
                                 << "In the windows: Trigger 8 volume.";
    QTest::newRow("an address byte") << fileWith("configuration.DestinationIP[0]", "192")
                                     << "In the windows: Trigger destination IP byte 1.";
}

void TestConfigFile::refusalsNameTheWindowsSettings() {
    QFETCH(QByteArray, file);
    QFETCH(QString, says);
    const configfile::Parsed p = configfile::parse(file);
    QVERIFY(!p.file);
    QVERIFY2(p.error.endsWith(says), qPrintable(p.error));
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
