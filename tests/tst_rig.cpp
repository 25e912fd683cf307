// The rig model: rig files read and refused, the states of a discovery against a rig, watching.
#include "device/configfile.h"
#include "rig/patch.h"
#include "rig/rigfile.h"
#include "rig/rigstates.h"
#include "rig/watch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <functional>

using namespace zentri;
using Records = QVector<recUrzadzenia>;
Q_DECLARE_METATYPE(Records)

namespace {

// Device k of a venue: its own MAC, name and address, settings as a new device has them.
recUrzadzenia box(int k, const QString &ip = {}) {
    recUrzadzenia r;
    r.Nazwa = QStringLiteral("Box %1").arg(k);
    r.MAC = QStringLiteral("02:5A:45:00:00:%1").arg(k, 2, 10, QLatin1Char('0'));
    r.IP = ip.isEmpty() ? QStringLiteral("10.1.0.%1").arg(k) : ip;
    r.FWVer = QStringLiteral("1.12");
    r.ZentriVersion = kModulePremium;
    r.Output[3].Channel = 4;
    return r;
}

template <typename F> recUrzadzenia with(recUrzadzenia r, F change) {
    change(r);
    return r;
}

rig::Rig rigOf(const Records &devices) {
    rig::Rig r;
    r.name = QStringLiteral("Hall");
    r.devices = devices;
    return r;
}

// The rows as "state MAC detail" lines.
QStringList rowsText(const rig::Rig &r, const Records &answers) {
    QStringList out;
    for (const rig::Row &row : rig::compare(r, answers))
        out << QStringLiteral("%1 %2 %3").arg(rig::stateText(row.state), row.mac, row.detail()).trimmed();
    return out;
}

QByteArray rigText(const std::function<void(QJsonObject &)> &edit) {
    QJsonObject root = QJsonDocument::fromJson(rig::write(rigOf({box(1), box(2)}))).object();
    if (edit)
        edit(root);
    return QJsonDocument(root).toJson();
}

} // namespace

class TestRig : public QObject {
    Q_OBJECT
private slots:
    void states_data();
    void states();
    void fileRoundTrip();
    void fileRefused_data();
    void fileRefused();
    void watching();
    void patchConflicts_data();
    void patchConflicts();
    void readdress_data();
    void readdress();
};

void TestRig::states_data() {
    QTest::addColumn<Records>("rig");
    QTest::addColumn<Records>("answers");
    QTest::addColumn<QStringList>("rows");
    const QString m1 = box(1).MAC, m2 = box(2).MAC, m3 = box(3).MAC;
    QTest::newRow("all in sync") << Records{box(1), box(2)} << Records{box(2), box(1)}
                                 << QStringList{"in sync " + m1, "in sync " + m2};
    QTest::newRow("a setting differs")
        << Records{with(box(1), [](auto &r) { r.Output[3].Channel = 300; })}
        << Records{with(box(1), [](auto &r) { r.Output[3].Channel = 301; })}
        << QStringList{"differs " + m1 + " Output 4 channel: rig 300, device 301"};
    QTest::newRow("two settings, in the record's order")
        << Records{box(1)} << Records{with(box(1), [](auto &r) { r.MasterVolume = 5, r.Trigger[0].NET = 7; })}
        << QStringList{"differs " + m1 +
                       " Trigger 1 Art-Net NET: rig 0, device 7; Master volume: rig 0, device 5"};
    QTest::newRow("module version, name, address and firmware are the device's own")
        << Records{box(1)}
        << Records{with(box(1),
                        [](auto &r) {
                            r.ZentriVersion = kModuleStandard, r.Nazwa = "Other", r.IP = "10.9.9.9",
                            r.FWVer = "2.0";
                        })}
        << QStringList{"in sync " + m1};
    QTest::newRow("missing and not in rig")
        << Records{box(1), box(2)} << Records{box(3), box(1)}
        << QStringList{"in sync " + m1, "missing " + m2, "not in rig " + m3};
    QTest::newRow("one device reached twice")
        << Records{box(1)} << Records{box(1), box(1)}
        << QStringList{"duplicate " + m1 + " 2 answers from 10.1.0.1: one device reached twice"};
    QTest::newRow("two devices with one MAC")
        << Records{box(1)} << Records{box(1), box(1, "10.1.0.77")}
        << QStringList{"duplicate " + m1 +
                       " answers from 10.1.0.1, 10.1.0.77: two or more devices with one MAC"};
    QTest::newRow("a duplicate not in the rig")
        << Records{} << Records{box(3), box(3, "10.1.0.9")}
        << QStringList{"duplicate " + m3 +
                       " answers from 10.1.0.3, 10.1.0.9: two or more "
                       "devices with one MAC"};
    QTest::newRow("nobody answered") << Records{box(1)} << Records{} << QStringList{"missing " + m1};
}

void TestRig::states() {
    QFETCH(Records, rig);
    QFETCH(Records, answers);
    QFETCH(QStringList, rows);
    QCOMPARE(rowsText(rigOf(rig), answers), rows);
}

void TestRig::fileRoundTrip() {
    rig::Rig r =
        rigOf({with(box(1), [](auto &d) { d.Output[7].PWM = true, d.dap.Treble_DMXch = 512; }), box(2)});
    r.addresses = QStringList{"10.1.2.0/24", "10.1.3.7"};
    const QByteArray text = rig::write(r);
    QCOMPARE(rig::write(rig::capture(r.name, r.devices)), rig::write(rigOf(r.devices))); // order by MAC
    const rig::Parsed back = rig::parse(text);
    QVERIFY2(back.rig, qPrintable(back.error));
    QCOMPARE(back.rig->name, r.name);
    QCOMPARE(back.rig->addresses, r.addresses);
    QCOMPARE(back.rig->devices.size(), 2);
    for (int i = 0; i < 2; ++i)
        QVERIFY(back.rig->devices[i] == r.devices[i]);
    QCOMPARE(rig::write(*back.rig), text); // stable: writing again gives the same text
    QVERIFY(text.indexOf("\"addresses\"") < text.indexOf("\"devices\"")); // keys in a fixed order
}

void TestRig::fileRefused_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("says");
    QTest::newRow("a configuration file")
        << configfile::write(box(1)) << "it is not a Zentri rig: its \"format\"";
    QTest::newRow("a list") << QByteArray("[]") << "it holds a list, not a JSON object";
    QTest::newRow("newer version") << rigText([](QJsonObject &o) { o["formatVersion"] = 2; })
                                   << "its formatVersion is 2, newer than this program reads (1)";
    QTest::newRow("no devices") << rigText([](QJsonObject &o) { o.remove("devices"); })
                                << "it lacks the field devices";
    QTest::newRow("an unknown key") << rigText([](QJsonObject &o) { o["device"] = QJsonArray(); })
                                    << "it holds the key \"device\", which a rig does not have";
    QTest::newRow("a key given twice")
        << rigText({}).replace("\"formatVersion\": 1,", "\"formatVersion\": 1, \"formatVersion\": 1,")
        << "the key \"formatVersion\" is given twice at the top level";
    const auto entry = [](int i, const QString &key, const QJsonValue &value) {
        return rigText([=](QJsonObject &o) {
            QJsonArray devices = o["devices"].toArray();
            QJsonObject d = devices[i].toObject();
            QJsonObject conf = d["configuration"].toObject();
            if (key == QLatin1String("MAC"))
                d[key] = value;
            else if (value.isUndefined())
                conf.remove(key);
            else
                conf[key] = value;
            d["configuration"] = conf;
            devices[i] = d;
            o["devices"] = devices;
        });
    };
    QTest::newRow("an entry lacks a field") << entry(1, "MasterVolume", QJsonValue::Undefined)
                                            << "devices[1] (02:5A:45:00:00:02): The configuration file was "
                                               "refused; nothing was changed or sent. It "
                                               "lacks the field MasterVolume";
    QTest::newRow("a value the packet cannot carry")
        << entry(0, "MasterVolume", 256) << "MasterVolume (256 is not a whole number from 0 to 255)";
    QTest::newRow("one MAC twice") << entry(1, "MAC", box(1).MAC)
                                   << "devices[1]: the MAC 02:5A:45:00:00:01 stands in an earlier entry too";
    QTest::newRow("no MAC") << entry(1, "MAC", "") << "devices[1]: \"\" is not a MAC";
    QTest::newRow("a MAC in small letters") << entry(1, "MAC", "02:5a:45:00:00:02") << "is not a MAC";
    QTest::newRow("an address with a leading zero")
        << rigText([](QJsonObject &o) { o["addresses"] = QJsonArray{"10.1.2.07"}; })
        << "addresses: \"10.1.2.07\" is not an IPv4 address";
    QTest::newRow("a range too large")
        << rigText([](QJsonObject &o) { o["addresses"] = QJsonArray{"10.1.0.0/19"}; })
        << "holds 8192 addresses; a range may hold at most 4096";
    QTest::newRow("a range that is no subnet")
        << rigText([](QJsonObject &o) { o["addresses"] = QJsonArray{"10.1.2.5/24"}; })
        << "\"10.1.2.5/24\" is not a subnet: its network address is 10.1.2.0/24";
    QTest::newRow("a broadcast address")
        << rigText([](QJsonObject &o) { o["addresses"] = QJsonArray{"255.255.255.255"}; })
        << "is the broadcast address";
}

void TestRig::fileRefused() {
    QFETCH(QByteArray, text);
    QFETCH(QString, says);
    const rig::Parsed p = rig::parse(text);
    QVERIFY(!p.rig);
    QVERIFY2(p.error.startsWith("The rig file was refused; nothing was changed or sent: "),
             qPrintable(p.error));
    QVERIFY2(p.error.contains(says), qPrintable(p.error));
}

void TestRig::watching() {
    // Polls one after another: the answers of each, and the events they give.
    rig::Watch w;
    w.expect({box(1), box(2)});
    const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1800000000);
    struct Poll {
        Records answers;
        QStringList events; // "event MAC detail"
        QString presence2;  // box 2's presence after the poll
    };
    const recUrzadzenia changed = with(box(1), [](auto &r) { r.Output[0].Channel = 300; });
    const QVector<Poll> polls = {
        {{box(1), box(2)}, {}, "online"}, // the rig's devices answering at once are no news
        {{box(1)}, {}, "missed"},
        {{box(1)}, {}, "missed"},
        {{box(1)}, {"offline " + box(2).MAC}, "offline"},
        {{box(1), box(2), box(3)}, {"back online " + box(2).MAC, "new " + box(3).MAC}, "online"},
        {{changed, box(2), box(3), box(3)},
         {"changed " + box(1).MAC + " Output 1 channel 0 -> 300"},
         "online"},
    };
    for (int i = 0; i < polls.size(); ++i) {
        QStringList got;
        for (const rig::Event &e : w.poll(t0.addSecs(3 * i), polls[i].answers))
            got << QStringLiteral("%1 %2 %3").arg(e.event, e.mac, e.detail).trimmed();
        QCOMPARE(got, polls[i].events);
        QCOMPARE(rig::presenceText(w.devices().at(1).presence), polls[i].presence2);
    }
    QCOMPARE(w.devices().at(1).lastSeen, t0.addSecs(15));
    // SD cards: the first reply is no news, a change is.
    QVERIFY(w.sdCard(t0, box(2).IP, true).isEmpty());
    QCOMPARE(w.sdCard(t0, box(2).IP, false).value(0).event, QStringLiteral("SD card removed"));
    QCOMPARE(w.sdCard(t0, box(2).IP, true).value(0).event, QStringLiteral("SD card inserted"));
    QCOMPARE(w.history().size(), 6);
    QVERIFY(w.historyText().contains("\tnew\t" + box(3).MAC + "\tBox 3\t10.1.0.3\t"));

    // The rig file replaced while box 2 is dark: box 2 stays offline and its answer is "back online";
    // box 3, seen before, is no "new" device; a device of the old rig that never answered is forgotten.
    rig::Watch r;
    r.expect({box(1), box(2), box(5)});
    r.poll(t0, {box(1), box(2), box(3)});
    for (int i = 1; i <= 3; ++i)
        r.poll(t0.addSecs(i), {box(1), box(3)});
    r.replaceRig({box(1), box(2), box(3)});
    QStringList macs;
    for (const rig::Watch::Device &d : r.devices())
        macs << d.mac + (d.expected ? " expected" : "");
    QCOMPARE(macs,
             (QStringList{box(1).MAC + " expected", box(2).MAC + " expected", box(3).MAC + " expected"}));
    QCOMPARE(r.devices().at(1).presence, rig::Presence::Offline);
    const QVector<rig::Event> back = r.poll(t0.addSecs(10), {box(1), box(2), box(3)});
    QCOMPARE(back.size(), 1);
    QCOMPARE(back.first().event + " " + back.first().mac, "back online " + box(2).MAC);
}

// Devices whose every use is sound: outputs on channels 1..8 of their own universe, the audio player on
// 101..106, no trigger in use.
recUrzadzenia patched(int k, const QString &ip = {}) {
    recUrzadzenia r = box(k, ip);
    for (int i = 0; i < 8; ++i)
        r.Output[i] = {0, k, i + 1, 0, false};
    r.dap = {0, k, 101, 102, 103, 104, 105, 106, 0};
    r.dmx = {0, 99};
    return r;
}

void TestRig::patchConflicts_data() {
    QTest::addColumn<Records>("devices");
    QTest::addColumn<QStringList>("conflicts"); // "level: the reason's first words"
    QTest::newRow("sound") << Records{patched(1), patched(2)} << QStringList{};
    QTest::newRow("two devices following one channel, two DMX outputs on one universe")
        << Records{patched(1), with(patched(2), [](auto &r) { r.Output[0].Universe = 1; })} << QStringList{};
    QTest::newRow("an output at channel 0")
        << Records{with(patched(1), [](auto &r) { r.Output[2].Channel = 0; })}
        << QStringList{"error: Output 3 is patched to channel 0, outside 1..512"};
    QTest::newRow("an audio function at channel 513")
        << Records{with(patched(1), [](auto &r) { r.dap.Bass_DMXch = 513; })}
        << QStringList{"error: Audio player bass is patched to channel 513"};
    QTest::newRow("two audio functions on one channel")
        << Records{with(patched(1), [](auto &r) { r.dap.Bass_DMXch = 101; })}
        << QStringList{"error: 2 audio player functions of one device follow channel 101"};
    QTest::newRow("an output and an audio function on one channel")
        << Records{with(patched(1), [](auto &r) { r.dap.Volume_DMXch = 3; })}
        << QStringList{"warning: An output and an audio player function of one device follow channel 3"};
    QTest::newRow("an output of another device on the audio channel is sound")
        << Records{patched(1), with(patched(2),
                                    [](auto &r) {
                                        r.Output[0] = {0, 1, 103, 0, false};
                                    })}
        << QStringList{};
    const auto trigger = [](int k, int row, int channel, std::array<int, 4> to) {
        return [=](recUrzadzenia &r) {
            r.Trigger[row].Function = 1;
            r.Trigger[row].Channel = channel;
            r.DestinationIP = {to[0], to[1], to[2], to[3], 0};
            (void)k;
        };
    };
    QTest::newRow("two triggers to one destination and channel")
        << Records{with(patched(1), trigger(1, 0, 7, {10, 1, 0, 50})),
                   with(patched(2), trigger(2, 3, 7, {10, 1, 0, 50}))}
        << QStringList{"error: 2 triggers send to 10.1.0.50 on NET 0, universe 0, channel 7"};
    QTest::newRow("two triggers to other destinations are sound")
        << Records{with(patched(1), trigger(1, 0, 7, {10, 1, 0, 50})),
                   with(patched(2), trigger(2, 0, 7, {10, 1, 0, 51}))}
        << QStringList{};
    QTest::newRow("a trigger to 0.0.0.0") << Records{with(patched(1), trigger(1, 4, 9, {0, 0, 0, 0}))}
                                          << QStringList{"warning: Trigger 5 to 0.0.0.0 sends to 0.0.0.0"};
    QTest::newRow("a trigger off every subnet of this PC")
        << Records{with(patched(1), trigger(1, 0, 9, {192, 168, 9, 9}))}
        << QStringList{"warning: Trigger 1 to 192.168.9.9 sends to 192.168.9.9, outside every subnet"};
    QTest::newRow("one address, two MACs") << Records{patched(1), patched(2, "10.1.0.1")}
                                           << QStringList{"error: The address 10.1.0.1 answers with 2 MACs"};
    QTest::newRow("one MAC on two devices")
        << Records{patched(1), with(patched(2), [](auto &r) { r.MAC = box(1).MAC; })}
        << QStringList{"error: The MAC 02:5A:45:00:00:01 stands on 2 devices"};
    QTest::newRow("one name twice") << Records{patched(1),
                                               with(patched(2), [](auto &r) { r.Nazwa = "Box 1"; })}
                                    << QStringList{"warning: 2 devices are named \"Box 1\""};
    QTest::newRow("two firmware versions")
        << Records{patched(1), with(patched(2), [](auto &r) { r.FWVer = "1.13"; })}
        << QStringList{"warning: The rig runs 2 firmware versions (1.12, 1.13)"};
}

void TestRig::patchConflicts() {
    QFETCH(Records, devices);
    QFETCH(QStringList, conflicts);
    InterfaceInfo eth{QStringLiteral("eth0"), 2, true, true, false, {{QHostAddress("10.1.0.254"), 24}}};
    const rig::Patch p = rig::patchOf(devices, {eth});
    QStringList got;
    for (const rig::Conflict &c : p.conflicts)
        got << c.levelText() + ": " + c.reason;
    QCOMPARE(got.size(), conflicts.size());
    for (int i = 0; i < got.size(); ++i)
        QVERIFY2(got[i].startsWith(conflicts[i]), qPrintable(got[i]));
    QCOMPARE(p.hasError(), !conflicts.filter(QStringLiteral("error:")).isEmpty());
    // Every device's eight outputs, six audio functions and DMX output are uses.
    QVERIFY(p.uses.size() >= devices.size() * 15);
    // A conflict about uses points at exactly the uses it names.
    for (const rig::Conflict &c : p.conflicts) {
        QStringList pointed;
        for (int u : c.uses)
            pointed << p.uses[u].elementText();
        QCOMPARE(pointed, c.elements);
    }
}

void TestRig::readdress_data() {
    QTest::addColumn<Records>("devices");
    QTest::addColumn<int>("what"); // rig::Readdressing::What
    QTest::addColumn<QList<int>>("start");
    QTest::addColumn<QStringList>("result"); // per device "NET/universe: channels", or the refusal
    const Records two{box(1), box(2)};
    const auto standard = [](auto &r) { r.ZentriVersion = kModuleStandard; };
    QTest::newRow("outputs, 8 apart")
        << two << 0 << QList<int>{2, 3, 101, 8}
        << QStringList{"2/3: 101 102 103 104 105 106 107 108", "2/3: 109 110 111 112 113 114 115 116"};
    QTest::newRow("outputs, 10 apart, up to 512")
        << two << 0 << QList<int>{0, 0, 495, 10}
        << QStringList{"0/0: 495 496 497 498 499 500 501 502", "0/0: 505 506 507 508 509 510 511 512"};
    QTest::newRow("audio player, 6 apart")
        << two << 1 << QList<int>{0, 7, 200, 6}
        << QStringList{"0/7: 200 201 202 203 204 205", "0/7: 206 207 208 209 210 211"};
    QTest::newRow("the second device would pass 512")
        << Records{box(1), box(2), box(3)} << 0 << QList<int>{0, 0, 500, 8}
        << QStringList{"Box 2 (02:5A:45:00:00:02) would take channels 508 to 515, past channel 512"};
    QTest::newRow("a name that looks like a placeholder is named as it is")
        << Records{with(box(1), [](auto &r) { r.Nazwa = "%1 box"; })} << 0 << QList<int>{0, 0, 510, 8}
        << QStringList{"%1 box (02:5A:45:00:00:01) would take channels 510 to 517"};
    QTest::newRow("a Standard module kept in its universe")
        << Records{with(box(1), standard)} << 0 << QList<int>{0, 0, 20, 8}
        << QStringList{"0/0: 20 21 22 23 24 25 26 27"};
    QTest::newRow("a Standard module moved to another universe")
        << Records{box(1), with(box(2), standard)} << 1 << QList<int>{0, 4, 1, 6}
        << QStringList{"Box 2 (02:5A:45:00:00:02) has a Standard module"};
    QTest::newRow("channel 0") << two << 0 << QList<int>{0, 0, 0, 8} << QStringList{"Start at a channel"};
}

void TestRig::readdress() {
    QFETCH(Records, devices);
    QFETCH(int, what);
    QFETCH(QList<int>, start);
    QFETCH(QStringList, result);
    rig::Readdressing how;
    how.what = static_cast<rig::Readdressing::What>(what);
    how.net = start[0], how.universe = start[1], how.channel = start[2], how.perDevice = start[3];
    QString error;
    const auto moved = rig::readdress(devices, how, &error);
    if (!moved) {
        QCOMPARE(result.size(), 1);
        QVERIFY2(error.startsWith(result[0]), qPrintable(error));
        return;
    }
    QStringList got;
    for (int d = 0; d < moved->size(); ++d) {
        const recUrzadzenia &r = (*moved)[d];
        QStringList channels;
        if (how.what == rig::Readdressing::Outputs) {
            for (const routput &o : r.Output) {
                QCOMPARE(QList<int>({o.NET, o.Universe}), QList<int>({how.net, how.universe}));
                channels << QString::number(o.Channel);
            }
        } else {
            for (int c : {r.dap.CatalogID_DMXch, r.dap.FileID_DMXch, r.dap.Volume_DMXch, r.dap.State_DMXch,
                          r.dap.Bass_DMXch, r.dap.Treble_DMXch})
                channels << QString::number(c);
        }
        const int net = how.what == rig::Readdressing::Outputs ? r.Output[0].NET : r.dap.NET;
        const int universe = how.what == rig::Readdressing::Outputs ? r.Output[0].Universe : r.dap.Universe;
        got << QStringLiteral("%1/%2: %3").arg(net).arg(universe).arg(channels.join(' '));
        // Nothing else changes.
        recUrzadzenia rest = r;
        rest.Output = devices[d].Output;
        rest.dap = devices[d].dap;
        QVERIFY(rest == devices[d]);
        if (how.what == rig::Readdressing::Outputs)
            QVERIFY(r.dap == devices[d].dap);
        else
            QVERIFY(r.Output == devices[d].Output);
    }
    QCOMPARE(got, result);
}

QTEST_GUILESS_MAIN(TestRig)
#include "tst_rig.moc"
