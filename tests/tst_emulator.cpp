// The device emulator: its behaviour with a fake clock, its command line, and the real program on
// loopback.
#include "device/artnet.h"
#include "device/protocol.h"
#include "emulator_core.h"
#include "options.h"

#include <QNetworkDatagram>
#include <QProcess>
#include <QUdpSocket>
#include <QtTest>

using namespace zentri;
using emu::Emulator;
using emu::Output;

namespace {

const QHostAddress kManager(QStringLiteral("127.0.0.1"));
const QHostAddress kBroadcast(QStringLiteral("127.255.255.255"));
const QHostAddress kFirst(QStringLiteral("127.0.0.2"));
const QHostAddress kSecond(QStringLiteral("127.0.0.3"));
constexpr quint16 kClientPort = 50123;

QHostAddress nth(int k) {
    return QHostAddress(kFirst.toIPv4Address() + quint32(k));
}

QVector<emu::DeviceIdentity> identities(int count, int module = kModulePremium, bool sd = true) {
    const emu::ParsedOptions p =
        emu::parseOptions({"zentri-emulator", "--devices", QString::number(count), "--address",
                           kFirst.toString(), "--module", QString::number(module)});
    Q_ASSERT(p.ok);
    QVector<emu::DeviceIdentity> ids = p.options.devices;
    for (auto &id : ids)
        id.sdCard = sd;
    return ids;
}

QByteArray artDmx(const QByteArray &values, int seq = 1) {
    return artnet::dmxPacket(seq, 0, 0, values);
}

// The info reply that a device sends right now.
QByteArray infoOf(Emulator &e, int device) {
    const Output o = e.handle(wire::discoveryRequest(), nth(device), kManager, wire::kMainPort, 0);
    Q_ASSERT(o.datagrams.size() == 1);
    return o.datagrams[0].data;
}

int u8(const QByteArray &b, int offset) {
    return static_cast<uint8_t>(b[offset]);
}

} // namespace

class TestEmulator : public QObject {
    Q_OBJECT
private slots:
    void discoveryAnsweredByEveryDevice_data();
    void discoveryAnsweredByEveryDevice();
    void manyDevicesShareOneLine();
    void unicastReachesOneDevice_data();
    void unicastReachesOneDevice();
    void configurationEchoedInInfoReply();
    void restoreDefaultsBringsStartBack();
    void sdCardReply_data();
    void sdCardReply();
    void volumesLiveAndInInfoReply();
    void testSwitches();
    void plainRecordStartsAtFirstPacket();
    void synchroRecordWaitsForNonEmptyPacket();
    void recordingIsReportedToTheAsker();
    void stopWhileWaitingKeepsOldShow();
    void playbackReportsAndEnds();
    void stopEndsPlayback();
    void playingAnEmptySlot();
    void eraseAndShowInfo();
    void cuesRoundTrip();
    void malformedDatagramsIgnored_data();
    void malformedDatagramsIgnored();
    void artDmxLayout();
    void badOptions_data();
    void badOptions();
    void deviceNumbering();
    void programAnswersOnLoopback();
    void programRecordsItsOwnArtNetStream();
    void programRejectsBadOption_data();
    void programRejectsBadOption();
};

// ---- Discovery and routing ----------------------------------------------------------------------

void TestEmulator::discoveryAnsweredByEveryDevice_data() {
    QTest::addColumn<QHostAddress>("destination");
    QTest::newRow("loopback broadcast") << kBroadcast;
    QTest::newRow("limited broadcast") << QHostAddress(QStringLiteral("255.255.255.255"));
    QTest::newRow("address no device holds") << QHostAddress(QStringLiteral("127.0.0.1"));
    QTest::newRow("destination unknown") << QHostAddress();
}

void TestEmulator::discoveryAnsweredByEveryDevice() {
    QFETCH(QHostAddress, destination);
    Emulator e(identities(3));
    const Output o = e.handle(wire::discoveryRequest(), destination, kManager, kClientPort, 0);
    QCOMPARE(o.datagrams.size(), 3);
    QCOMPARE(o.lines.size(), 3); // a line for each device that heard it
    QSet<QString> macs;
    for (int k = 0; k < 3; ++k) {
        const emu::Outgoing &d = o.datagrams[k];
        QCOMPARE(d.from, nth(k));
        QVERIFY2(o.lines[k].startsWith(nth(k).toString() + " <- 127.0.0.1:50123 QGETI 10 bytes"),
                 qPrintable(o.lines[k]));
        QCOMPARE(d.to, kManager);
        QCOMPARE(d.port, wire::kMainPort); // the fixed port, not the asker's
        QCOMPARE(d.data.size(), wire::kInfoReplySize);
        const auto rec = wire::parseInfoReply(d.data, d.from.toString());
        QVERIFY(rec);
        QCOMPARE(rec->Nazwa, QStringLiteral("Zentri emulator %1").arg(k + 1));
        QCOMPARE(rec->FWVer, QStringLiteral("1.12"));
        QCOMPARE(rec->ZentriVersion, kModulePremium);
        macs.insert(rec->MAC);
    }
    QCOMPARE(macs.size(), 3);
}

void TestEmulator::manyDevicesShareOneLine() {
    const int count = emu::kLinePerDeviceUpTo + 1;
    Emulator e(identities(count));
    const Output o = e.handle(wire::discoveryRequest(), kBroadcast, kManager, kClientPort, 0);
    QCOMPARE(o.datagrams.size(), count);
    QCOMPARE(o.lines.size(), 1);
    QVERIFY2(o.lines[0].contains(QStringLiteral("[%1 devices]").arg(count)) && o.lines[0].contains("QGETI"),
             qPrintable(o.lines[0]));
    QSet<quint32> from;
    for (const auto &d : o.datagrams)
        from.insert(d.from.toIPv4Address());
    QCOMPARE(from.size(), count);
}

void TestEmulator::unicastReachesOneDevice_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("replies");
    QTest::newRow("QGETI") << wire::discoveryRequest() << 1;
    QTest::newRow("qchkSD") << wire::sdCardQuery() << 1;
    QTest::newRow("setMVol") << wire::masterVolumeCommand(7) << 0;
}

void TestEmulator::unicastReachesOneDevice() {
    QFETCH(QByteArray, command);
    QFETCH(int, replies);
    Emulator e(identities(3));
    const Output o = e.handle(command, kSecond, kManager, kClientPort, 0);
    QCOMPARE(o.datagrams.size(), replies);
    for (const auto &d : o.datagrams)
        QCOMPARE(d.from, kSecond);
    QVERIFY2(o.lines.value(0).startsWith(kSecond.toString() + " <- 127.0.0.1:50123"),
             qPrintable(o.lines.value(0)));
    if (command.startsWith("setMVol")) {
        QCOMPARE(e.device(1).rec.MasterVolume, 7);
        QCOMPARE(e.device(0).rec.MasterVolume, 128);
        QCOMPARE(e.device(2).rec.MasterVolume, 128);
    }
}

// ---- Configuration ------------------------------------------------------------------------------

void TestEmulator::configurationEchoedInInfoReply() {
    Emulator e(identities(2));
    recUrzadzenia r = e.device(0).rec;
    r.Output[0].Channel = 300;
    r.Output[3].PWM = true;
    r.Trigger[7].Volume = 255;
    r.Trigger[1].Function = 6;
    r.InputSelect = 1;
    r.DestinationIP = {10, 1, 2, 3, 0};
    r.dap.Treble_DMXch = 512;
    r.dmx.Output_Universe = 9;
    r.MasterVolume = 77;
    r.playAfterPowerOn = 4;
    r.blackoutAtEndOfTheShow = true;
    r.ZentriVersion = 0; // echoed by the manager; the module is the device's own
    const Output o = e.handle(wire::configurationPacket(r), kFirst, kManager, kClientPort, 0);
    QVERIFY(o.datagrams.isEmpty());
    QVERIFY2(o.lines[0].contains("out1.ch 1->300"), qPrintable(o.lines[0]));

    const QByteArray info = infoOf(e, 0);
    QCOMPARE(u8(info, 132), 0x01); // output 1 channel, high byte first
    QCOMPARE(u8(info, 133), 0x2C);
    QCOMPARE(u8(info, 151), 1);   // output 4 PWM
    QCOMPARE(u8(info, 206), 255); // trigger 8 volume
    QCOMPARE(u8(info, 175), 6);   // trigger 2 function
    QCOMPARE(u8(info, 111), 1);   // input select
    QCOMPARE(info.mid(112, 4), QByteArray("\x0A\x01\x02\x03", 4));
    QCOMPARE(wire::readU16(info, 170), 512);
    QCOMPARE(u8(info, 173), 9);
    QCOMPARE(u8(info, 207), kModulePremium);
    QCOMPARE(u8(info, 208), 77);
    QCOMPARE(u8(info, 209), 4);
    QCOMPARE(u8(info, 211), 1);
    QCOMPARE(info.mid(8, 18), QByteArray("Zentri emulator 1\0", 18)); // identity untouched

    // The other device keeps its own configuration.
    QCOMPARE(wire::readU16(infoOf(e, 1), 132), 1);
}

void TestEmulator::restoreDefaultsBringsStartBack() {
    Emulator e(identities(1));
    const QByteArray start = infoOf(e, 0);
    recUrzadzenia r = e.device(0).rec;
    r.Output[2].Channel = 42;
    r.dap.playLoop = 1;
    e.handle(wire::configurationPacket(r), kFirst, kManager, kClientPort, 0);
    e.handle(wire::masterVolumeCommand(3), kFirst, kManager, kClientPort, 0);
    e.handle(wire::triggerVolumeCommand(0, 9), kFirst, kManager, kClientPort, 0);
    QVERIFY(infoOf(e, 0) != start);

    e.handle(wire::restartCommand(), kFirst, kManager, kClientPort, 0);
    QCOMPARE(u8(infoOf(e, 0), 208), 3); // a restart keeps the settings
    e.handle(wire::restoreDefaultsCommand(), kFirst, kManager, kClientPort, 0);
    QCOMPARE(infoOf(e, 0), start);

    // The defaults themselves: outputs on 1..8, triggers on 9..16, volumes at 128.
    const auto rec = wire::parseInfoReply(start, kFirst.toString());
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(rec->Output[i].Channel, i + 1);
        QCOMPARE(rec->Trigger[i].Channel, i + 9);
        QCOMPARE(rec->Trigger[i].Volume, 128);
    }
    QCOMPARE(rec->MasterVolume, 128);
}

void TestEmulator::sdCardReply_data() {
    QTest::addColumn<bool>("card");
    QTest::newRow("card present") << true;
    QTest::newRow("no card") << false;
}

void TestEmulator::sdCardReply() {
    QFETCH(bool, card);
    Emulator e(identities(1, kModulePremium, card));
    const Output o = e.handle(wire::sdCardQuery(), kFirst, kManager, kClientPort, 0);
    QCOMPARE(o.datagrams.size(), 1);
    QCOMPARE(o.datagrams[0].port, wire::kMainPort);
    QCOMPARE(wire::parseSdCardReply(o.datagrams[0].data), std::optional<bool>(card));
}

void TestEmulator::volumesLiveAndInInfoReply() {
    Emulator e(identities(1));
    Output o = e.handle(wire::masterVolumeQuery(), kFirst, kManager, kClientPort, 0);
    QCOMPARE(o.datagrams.size(), 1);
    QCOMPARE(o.datagrams[0].port, wire::kAudioPort);
    QCOMPARE(o.datagrams[0].to, kManager);
    QCOMPARE(wire::parseMasterVolumeReply(o.datagrams[0].data), std::optional<int>(128));

    e.handle(wire::masterVolumeCommand(200), kFirst, kManager, kClientPort, 0);
    o = e.handle(wire::masterVolumeQuery(), kFirst, kManager, kClientPort, 0);
    QCOMPARE(wire::parseMasterVolumeReply(o.datagrams[0].data), std::optional<int>(200));

    o = e.handle(wire::triggerVolumeCommand(2, 17), kFirst, kManager, kClientPort, 0);
    QVERIFY2(o.lines[0].contains("trigger 3") && o.lines[0].contains("17"), qPrintable(o.lines[0]));
    o = e.handle(wire::triggerVolumeCommand(8, 99), kFirst, kManager, kClientPort, 0); // no such trigger
    const QByteArray info = infoOf(e, 0);
    QCOMPARE(u8(info, 208), 200);
    QCOMPARE(u8(info, 201), 17);
    for (int i = 199; i < 207; ++i)
        QVERIFY(i == 201 || u8(info, i) == 128);
}

void TestEmulator::testSwitches() {
    Emulator e(identities(1));
    Output o = e.handle(wire::outputTestCommand(7, true), kFirst, kManager, kClientPort, 0);
    QVERIFY2(o.lines[0].contains("output 1 (index 7) test on"), qPrintable(o.lines[0]));
    e.handle(wire::triggerTestCommand(2, true), kFirst, kManager, kClientPort, 0);
    e.handle(wire::triggerTestCommand(5, true), kFirst, kManager, kClientPort, 0);
    e.handle(wire::triggerTestCommand(5, false), kFirst, kManager, kClientPort, 0);
    QVERIFY(e.device(0).outputTest[7]);
    QCOMPARE(std::count(e.device(0).outputTest.begin(), e.device(0).outputTest.end(), true), 1);
    QVERIFY(e.device(0).triggerTest[2]);
    QVERIFY(!e.device(0).triggerTest[5]);

    o = e.handle(wire::testEndCommand(), kFirst, kManager, kClientPort, 0);
    QVERIFY(o.datagrams.isEmpty());
    QVERIFY(!e.device(0).outputTest[7]);
    QVERIFY(!e.device(0).triggerTest[2]);
}

// ---- Show recorder ------------------------------------------------------------------------------

void TestEmulator::plainRecordStartsAtFirstPacket() {
    Emulator e(identities(1));
    e.handle(wire::selectShowCommand(3), kFirst, kManager, kClientPort, 0);
    e.handle(wire::recordCommand(), kFirst, kManager, kClientPort, 100);
    QCOMPARE(e.device(0).recorder, emu::Recorder::WaitingForPacket);
    // Recording starts with the first packet, empty or not; time counts from it.
    e.handle(artDmx(QByteArray(512, '\0')), kBroadcast, QHostAddress("127.0.0.9"), 6454, 1000);
    for (int i = 1; i <= 20; ++i)
        e.handle(artDmx(QByteArray(512, char(i)), i + 1), kBroadcast, QHostAddress("127.0.0.9"), 6454,
                 1000 + 25 * i);
    const Output o = e.handle(wire::stopCommand(), kFirst, kManager, kClientPort, 3500);
    QVERIFY2(o.lines[0].contains("21 packets"), qPrintable(o.lines[0]));

    const emu::Show &s = e.device(0).shows[2];
    QVERIFY(s.present);
    QCOMPARE(s.length, 2500 * emu::kUnitsPerSecond / 1000); // 2.5 s from the first packet
    QCOMPARE(s.frames.size(), 21);
    QCOMPARE(s.frames[0].time, 0);
    QCOMPARE(s.frames[4].time, 100 * emu::kUnitsPerSecond / 1000);
    QCOMPARE(s.frames[20].values, QByteArray(512, char(20)));
    QCOMPARE(e.device(0).recorder, emu::Recorder::Idle);

    const Output info = e.handle(wire::showInfoQuery(3), kFirst, kManager, kClientPort, 3600);
    const auto reply = wire::parseShowReply(info.datagrams.value(0).data);
    QVERIFY(reply && reply->kind == wire::ShowReply::ShowInfo);
    QCOMPARE(reply->show, 3);
    QVERIFY(reply->present);
    QCOMPARE(reply->length, 51200);
}

void TestEmulator::synchroRecordWaitsForNonEmptyPacket() {
    Emulator e(identities(1));
    e.handle(wire::selectShowCommand(2), kFirst, kManager, kClientPort, 0);
    e.handle(wire::synchroRecordCommand(), kFirst, kManager, kClientPort, 0);
    for (int i = 0; i < 10; ++i)
        e.handle(artDmx(QByteArray(512, '\0')), kFirst, kManager, 6454, 100 * i);
    QCOMPARE(e.device(0).recorder, emu::Recorder::WaitingForNonEmptyPacket);
    QByteArray one(512, '\0');
    one[511] = 1; // only the last channel is lit
    e.handle(artDmx(one), kFirst, kManager, 6454, 2000);
    QCOMPARE(e.device(0).recorder, emu::Recorder::Recording);
    e.handle(artDmx(QByteArray(512, '\0')), kFirst, kManager, 6454, 2500); // empty ones count once started
    e.handle(wire::stopCommand(), kFirst, kManager, kClientPort, 3000);
    const emu::Show &s = e.device(0).shows[1];
    QCOMPARE(s.frames.size(), 2);
    QCOMPARE(s.length, emu::kUnitsPerSecond); // 1 s from the first non-empty packet
}

void TestEmulator::recordingIsReportedToTheAsker() {
    Emulator e(identities(2));
    const QHostAddress asker(QStringLiteral("127.0.0.50"));
    e.handle(wire::selectShowCommand(1), kFirst, asker, kClientPort, 0);
    e.handle(wire::recordCommand(), kFirst, asker, kClientPort, 0);
    QVector<emu::Outgoing> sent;
    QVector<qint64> at;
    // 40 packets a second for two seconds, ticks every 10 ms.
    for (qint64 t = 0; t <= 2000; t += 5) {
        Output o;
        if (t % 25 == 0)
            o = e.handle(artDmx(QByteArray(64, '\x7f')), kBroadcast, kManager, 6454, t);
        o.datagrams += e.tick(t).datagrams;
        for (const auto &d : o.datagrams) {
            sent << d;
            at << t;
        }
    }
    QVERIFY(!sent.isEmpty());
    QCOMPARE(at.first(), 0); // the first packet is reported at once
    int32_t last = 0;
    for (int i = 0; i < sent.size(); ++i) {
        QCOMPARE(sent[i].port, wire::kLiveRecordPort);
        QCOMPARE(sent[i].to, asker);
        QCOMPARE(sent[i].from, kFirst); // the other device was not asked to record
        const auto r = wire::parseShowReply(sent[i].data);
        QVERIFY(r && r->kind == wire::ShowReply::PacketCount);
        QVERIFY(r->packets > last);
        last = r->packets;
        if (i > 0)
            QVERIFY2(at[i] - at[i - 1] >= emu::kReportIntervalMs,
                     qPrintable(QString::number(at[i] - at[i - 1])));
    }
    QCOMPARE(last, 81);
    QVERIFY(sent.size() >= 18 && sent.size() <= 21);
}

void TestEmulator::stopWhileWaitingKeepsOldShow() {
    Emulator e(identities(1), {{1, 10}});
    e.handle(wire::selectShowCommand(1), kFirst, kManager, kClientPort, 0);
    e.handle(wire::synchroRecordCommand(), kFirst, kManager, kClientPort, 0);
    e.handle(artDmx(QByteArray(512, '\0')), kFirst, kManager, 6454, 10);
    const Output o = e.handle(wire::stopCommand(), kFirst, kManager, kClientPort, 50);
    QVERIFY(o.datagrams.isEmpty());
    QCOMPARE(e.device(0).recorder, emu::Recorder::Idle);
    QVERIFY(e.device(0).shows[0].present);
    QCOMPARE(e.device(0).shows[0].length, 10 * emu::kUnitsPerSecond);
    // A packet after the stop records nothing.
    e.handle(artDmx(QByteArray(512, '\x01')), kFirst, kManager, 6454, 60);
    QCOMPARE(e.device(0).recorder, emu::Recorder::Idle);
}

void TestEmulator::playbackReportsAndEnds() {
    Emulator e(identities(1), {{4, 1}});
    e.handle(wire::selectShowCommand(4), kFirst, kManager, kClientPort, 0);
    const Output start = e.handle(wire::playCommand(), kFirst, kManager, kClientPort, 1000);
    QVector<emu::Outgoing> sent = start.datagrams;
    QVector<qint64> at(sent.size(), 1000);
    for (qint64 t = 1000; t <= 2500; t += 10) {
        for (const auto &d : e.tick(t).datagrams) {
            sent << d;
            at << t;
        }
    }
    QVERIFY(sent.size() >= 3);
    const auto stop = wire::parseShowReply(sent.last().data);
    QVERIFY(stop && stop->kind == wire::ShowReply::PlayStop);
    QCOMPARE(at.last(), 2000); // the show lasts one second
    int32_t lastPosition = -1;
    for (int i = 0; i + 1 < sent.size(); ++i) {
        QCOMPARE(sent[i].port, wire::kLiveRecordPort);
        const auto r = wire::parseShowReply(sent[i].data);
        QVERIFY(r && r->kind == wire::ShowReply::ShowPosition);
        QCOMPARE(r->total, emu::kUnitsPerSecond);
        QVERIFY(r->position > lastPosition);
        QVERIFY(r->position <= r->total);
        QCOMPARE(r->position, emu::unitsFromMs(at[i] - 1000));
        lastPosition = r->position;
        if (i > 0 && i + 2 < sent.size())
            QVERIFY(at[i] - at[i - 1] >= 100 && at[i] - at[i - 1] <= 110);
    }
    QCOMPARE(lastPosition, emu::kUnitsPerSecond); // the end is reported before playStop
    QCOMPARE(sent.size(), 12);                    // 0, 100, ..., 900 ms, the end and playStop
    QCOMPARE(e.device(0).recorder, emu::Recorder::Idle);
}

void TestEmulator::stopEndsPlayback() {
    Emulator e(identities(1), {{1, 60}});
    e.handle(wire::selectShowCommand(1), kFirst, kManager, kClientPort, 0);
    e.handle(wire::playCommand(), kFirst, kManager, kClientPort, 0);
    e.tick(150);
    const Output o = e.handle(wire::stopCommand(), kFirst, kManager, kClientPort, 200);
    QCOMPARE(o.datagrams.size(), 1);
    QCOMPARE(wire::parseShowReply(o.datagrams[0].data)->kind, wire::ShowReply::PlayStop);
    QVERIFY(e.tick(500).datagrams.isEmpty());
    QVERIFY(e.device(0).shows[0].present); // stopping playback keeps the show
}

void TestEmulator::playingAnEmptySlot() {
    Emulator e(identities(1), {});
    e.handle(wire::selectShowCommand(5), kFirst, kManager, kClientPort, 0);
    const Output o = e.handle(wire::playCommand(), kFirst, kManager, kClientPort, 0);
    QCOMPARE(o.datagrams.size(), 1);
    QCOMPARE(wire::parseShowReply(o.datagrams[0].data)->kind, wire::ShowReply::PlayStop);
    QCOMPARE(e.device(0).recorder, emu::Recorder::Idle);
    // Without a selected slot nothing records.
    e.handle(wire::selectShowCommand(0), kFirst, kManager, kClientPort, 0);
    e.handle(wire::recordCommand(), kFirst, kManager, kClientPort, 0);
    QCOMPARE(e.device(0).recorder, emu::Recorder::Idle);
}

void TestEmulator::eraseAndShowInfo() {
    Emulator e(identities(1), {{1, 10}, {3, 90}});
    auto info = [&e](int n) {
        const Output o = e.handle(wire::showInfoQuery(n), kFirst, kManager, kClientPort, 0);
        Q_ASSERT(o.datagrams.size() == 1 && o.datagrams[0].port == wire::kLiveRecordPort);
        return *wire::parseShowReply(o.datagrams[0].data);
    };
    QVERIFY(info(1).present);
    QCOMPARE(info(3).length, 90 * emu::kUnitsPerSecond);
    QVERIFY(!info(2).present);
    QCOMPARE(info(200).show, 200); // any number is answered, as absent
    QVERIFY(!info(200).present);

    const Output o = e.handle(wire::selectShowCommand(3), kFirst, kManager, kClientPort, 0);
    QCOMPARE(wire::parseShowReply(o.datagrams.value(0).data)->show, 3); // setShow confirms the choice
    e.handle(wire::eraseShowCommand(3), kFirst, kManager, kClientPort, 0);
    QVERIFY(!info(3).present);
    QCOMPARE(info(3).length, 0);
    QVERIFY(info(1).present);
}

// ---- Cues ---------------------------------------------------------------------------------------

void TestEmulator::cuesRoundTrip() {
    Emulator e(identities(1));
    Output o = e.handle(wire::cueQuery(), kFirst, kManager, kClientPort, 0);
    QCOMPARE(o.datagrams.size(), wire::kCueCount);
    for (int k = 0; k < wire::kCueCount; ++k) {
        QCOMPARE(o.datagrams[k].port, wire::kCuePort);
        const auto cue = wire::parseCueReply(o.datagrams[k].data);
        QVERIFY(cue);
        QCOMPARE(cue->number, k + 1);
        QCOMPARE(cue->name, QStringLiteral("Cue %1").arg(k + 1));
    }

    wire::CueValues values{};
    for (int i = 0; i < wire::kCueChannels; ++i)
        values[i] = (i * 3) % 256;
    const QString longName = QStringLiteral("A name that is longer than forty-seven characters in all");
    e.handle(wire::cueWriteCommand(42, longName, values), kFirst, kManager, kClientPort, 0);
    e.handle(wire::cueWriteCommand(7, QStringLiteral("Intro"), {}), kFirst, kManager, kClientPort, 0);
    o = e.handle(wire::cueQuery(), kFirst, kManager, kClientPort, 0);
    const auto c42 = wire::parseCueReply(o.datagrams[41].data);
    QCOMPARE(c42->name, longName.left(47));
    QCOMPARE(c42->dmx, values);
    QCOMPARE(wire::parseCueReply(o.datagrams[6].data)->name, QStringLiteral("Intro"));
    QCOMPARE(wire::parseCueReply(o.datagrams[6].data)->dmx, wire::CueValues{});
    QCOMPARE(wire::parseCueReply(o.datagrams[7].data)->name, QStringLiteral("Cue 8"));
}

// ---- Robustness ---------------------------------------------------------------------------------

void TestEmulator::malformedDatagramsIgnored_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\xff\x00\x13garbage", 10);
    QTest::newRow("AGETI from another device") << QByteArray("AGETI") + QByteArray(207, '\0');
    QTest::newRow("short QGETI") << QByteArray("QGETI");
    QTest::newRow("short !SETI") << wire::configurationPacket(recUrzadzenia{}).left(137);
    QTest::newRow("long !SETI") << wire::configurationPacket(recUrzadzenia{}) + QByteArray(1, '\0');
    QTest::newRow("short !TEST") << QByteArray("!TEST\x20\x07");
    QTest::newRow("short SVOL") << QByteArray("SVOL\x01");
    QTest::newRow("short setMVol") << QByteArray("setMVol");
    QTest::newRow("short SSHOW") << QByteArray("SSHOW");
    QTest::newRow("short ERASESHOW") << QByteArray("ERASESHOW");
    QTest::newRow("short QShowInfo") << QByteArray("QShowInfo");
    QTest::newRow("short !CUEWR") << QByteArray("!CUEWR\x05");
    QTest::newRow("RESD with tail") << QByteArray("RESDX");
    QTest::newRow("!TEST unknown group") << QByteArray("!TEST\x30\x01\x01", 8);
    QTest::newRow("!TEST index 8") << QByteArray("!TEST\x20\x08\x01", 8);
    QTest::newRow("!CUEWR cue 0") << wire::cueWriteCommand(0, "x", {});
    QTest::newRow("!CUEWR cue 101") << wire::cueWriteCommand(101, "x", {});
    QTest::newRow("ArtDmx length past the end") << artDmx(QByteArray(512, '\x05')).left(300);
    QTest::newRow("ArtDmx header only") << artDmx(QByteArray(2, '\x05')).left(artnet::kHeaderSize);
    QTest::newRow("Art-Net ID only") << QByteArray("Art-Net\0", 8);
    QTest::newRow("ArtPoll") << QByteArray("Art-Net\0\x00\x20\x00\x0e\x00\x00", 14);
}

void TestEmulator::malformedDatagramsIgnored() {
    QFETCH(QByteArray, data);
    Emulator e(identities(1), {{1, 5}});
    e.handle(wire::selectShowCommand(2), kFirst, kManager, kClientPort, 0);
    e.handle(wire::recordCommand(), kFirst, kManager, kClientPort, 0); // waiting: any ArtDmx would start it
    const QByteArray before = infoOf(e, 0);
    const Output o = e.handle(data, kFirst, kManager, kClientPort, 10);
    QVERIFY(o.datagrams.isEmpty());
    QVERIFY(o.lines.size() <= 1);
    QCOMPARE(infoOf(e, 0), before);
    QCOMPARE(e.device(0).recorder, emu::Recorder::WaitingForPacket);
    QVERIFY(!e.device(0).outputTest[0]);
    QCOMPARE(e.device(0).cue(1).name, QByteArray("Cue 1"));
    QVERIFY(e.tick(1000).datagrams.isEmpty());
}

void TestEmulator::artDmxLayout() {
    QByteArray values(5, '\0');
    values[0] = 9;
    const QByteArray p = artnet::dmxPacket(200, 3, 0x1234, values);
    // ID, OpCode 0x5000 low byte first, version 14, sequence, physical, SubUni, Net, length (padded even).
    QCOMPARE(p.left(18), QByteArray("Art-Net\0\x00\x50\x00\x0e\xc8\x03\x34\x12\x00\x06", 18));
    QCOMPARE(p.size(), 24);
    const auto dmx = artnet::parseDmx(p);
    QVERIFY(dmx);
    QCOMPARE(dmx->sequence, 200);
    QCOMPARE(dmx->physical, 3);
    QCOMPARE(dmx->net(), 0x12);
    QCOMPARE(dmx->subUni(), 0x34);
    QCOMPARE(dmx->data.size(), 6);
    QVERIFY(dmx->hasNonZeroValue());
    QVERIFY(!artnet::parseDmx(artnet::dmxPacket(1, 0, 0, QByteArray(512, '\0')))->hasNonZeroValue());
    QByteArray old = p;
    old[11] = 13; // protocol version below 14
    QVERIFY(!artnet::parseDmx(old));
}

// ---- Command line -------------------------------------------------------------------------------

void TestEmulator::badOptions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "frobnicate";
    QTest::newRow("devices 0") << QStringList{"--devices", "0"} << "--devices";
    QTest::newRow("devices text") << QStringList{"--devices", "many"} << "--devices";
    QTest::newRow("address short") << QStringList{"--address", "127.1"} << "--address";
    QTest::newRow("address octet") << QStringList{"--address", "127.0.0.300"} << "--address";
    QTest::newRow("address broadcast") << QStringList{"--address", "255.255.255.255"} << "--address";
    QTest::newRow("range past loopback")
        << QStringList{"--address", "127.255.255.250", "--devices", "6"} << "--devices";
    QTest::newRow("mac") << QStringList{"--mac", "00:11:22:33:44"} << "--mac";
    QTest::newRow("firmware") << QStringList{"--firmware", "1.256"} << "--firmware";
    QTest::newRow("module") << QStringList{"--module", "gold"} << "--module";
    QTest::newRow("module byte") << QStringList{"--module", "256"} << "--module";
    QTest::newRow("name too long") << QStringList{"--name", QString(63, 'n'), "--devices", "2"} << "--name";
    QTest::newRow("shows slot") << QStringList{"--shows", "9:10"} << "--shows";
    QTest::newRow("missing value") << QStringList{"--devices"} << "devices";
    QTest::newRow("positional") << QStringList{"extra"} << "extra";
    QTest::newRow("stream option alone") << QStringList{"--fps", "30"} << "--fps";
    QTest::newRow("stream with devices")
        << QStringList{"--send-artnet", "127.0.0.2", "--devices", "2"} << "--devices";
    QTest::newRow("stream host") << QStringList{"--send-artnet", "nowhere"} << "--send-artnet";
    QTest::newRow("stream fps") << QStringList{"--send-artnet", "127.0.0.2", "--fps", "0"} << "--fps";
    QTest::newRow("stream universe") << QStringList{"--send-artnet", "127.0.0.2", "--universe", "32768"}
                                     << "--universe";
}

void TestEmulator::badOptions() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const emu::ParsedOptions p = emu::parseOptions(QStringList{"zentri-emulator"} + arguments);
    QVERIFY(!p.ok);
    QVERIFY2(p.text.contains(named), qPrintable(p.text));
}

void TestEmulator::deviceNumbering() {
    const emu::ParsedOptions p = emu::parseOptions(
        {"zentri-emulator", "--devices", "300", "--address", "127.0.0.200", "--mac", "02:00:00:00:00:FF",
         "--name", "Stage", "--module", "standard", "--firmware", "2.5", "--no-sd-card"});
    QVERIFY2(p.ok, qPrintable(p.text));
    const auto &d = p.options.devices;
    QCOMPARE(d.size(), 300);
    QCOMPARE(d[0].address, QHostAddress(QStringLiteral("127.0.0.200")));
    QCOMPARE(d[56].address, QHostAddress(QStringLiteral("127.0.1.0"))); // counts over the octet
    QCOMPARE(d[0].mac.toHex(':').toUpper(), QByteArray("02:00:00:00:00:FF"));
    QCOMPARE(d[1].mac.toHex(':').toUpper(), QByteArray("02:00:00:00:01:00"));
    QCOMPARE(d[299].name, QStringLiteral("Stage 300"));
    QCOMPARE(d[0].module, kModuleStandard);
    QCOMPARE(d[0].firmwareMajor, 2);
    QCOMPARE(d[0].firmwareMinor, 5);
    QVERIFY(!d[0].sdCard);

    const emu::ParsedOptions one = emu::parseOptions({"zentri-emulator"});
    QVERIFY(one.ok);
    QCOMPARE(one.options.devices.size(), 1);
    QCOMPARE(one.options.devices[0].name, QStringLiteral("Zentri emulator")); // one device: no number
    QCOMPARE(one.options.devices[0].address, QHostAddress(QStringLiteral("127.0.0.1")));
    QCOMPARE(one.options.devices[0].module, kModulePremium);
    QVERIFY(one.options.devices[0].sdCard);
}

// ---- The program ----------------------------------------------------------------------------------

namespace {

// Starts the emulator and waits until it listens.
bool startEmulator(QProcess &p, const QStringList &arguments) {
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(QStringLiteral(ZENTRI_EMULATOR_PATH), arguments);
    if (!p.waitForStarted(5000))
        return false;
    QByteArray out;
    QElapsedTimer t;
    t.start();
    while (!out.contains("listening") && t.elapsed() < 5000 && p.state() == QProcess::Running) {
        p.waitForReadyRead(100);
        out += p.readAllStandardOutput();
    }
    return out.contains("listening");
}

void stopEmulator(QProcess &p) {
    p.terminate();
    if (!p.waitForFinished(3000))
        p.kill();
    p.waitForFinished(1000);
}

QVector<QNetworkDatagram> receive(QUdpSocket &s, int count, int timeoutMs = 3000) {
    QVector<QNetworkDatagram> got;
    QElapsedTimer t;
    t.start();
    while (got.size() < count && t.elapsed() < timeoutMs) {
        if (!s.hasPendingDatagrams())
            s.waitForReadyRead(50);
        while (s.hasPendingDatagrams())
            got << s.receiveDatagram();
    }
    return got;
}

} // namespace

void TestEmulator::programAnswersOnLoopback() {
    QUdpSocket main;
    QVERIFY2(main.bind(QHostAddress::AnyIPv4, wire::kMainPort), qPrintable(main.errorString()));
    QProcess p;
    QVERIFY2(startEmulator(p, {"--address", "127.0.0.2", "--devices", "3"}),
             p.readAllStandardError().constData());

    QVERIFY(main.writeDatagram(wire::discoveryRequest(), kBroadcast, wire::kDevicePort) ==
            wire::kDiscoverySize);
    const QVector<QNetworkDatagram> got = receive(main, 3);
    QSet<QString> from;
    for (const QNetworkDatagram &d : got) {
        QCOMPARE(d.senderPort(), int(wire::kDevicePort));
        QVERIFY(wire::parseInfoReply(d.data(), d.senderAddress().toString()));
        from.insert(d.senderAddress().toString());
    }
    QCOMPARE(from, (QSet<QString>{"127.0.0.2", "127.0.0.3", "127.0.0.4"}));

    // A query from any port is answered on port 7800.
    QUdpSocket client;
    client.writeDatagram(wire::sdCardQuery(), QHostAddress(QStringLiteral("127.0.0.4")), wire::kDevicePort);
    const QVector<QNetworkDatagram> sd = receive(main, 1);
    QCOMPARE(sd.size(), 1);
    QCOMPARE(sd[0].senderAddress(), QHostAddress(QStringLiteral("127.0.0.4")));
    QCOMPARE(wire::parseSdCardReply(sd[0].data()), std::optional<bool>(true));

    // The emulator prints its line after sending the reply: wait for it before stopping the program.
    QByteArray log;
    QElapsedTimer t;
    t.start();
    while (!log.contains("qchkSD 6 bytes") && t.elapsed() < 5000 && p.state() == QProcess::Running) {
        p.waitForReadyRead(50);
        log += p.readAllStandardOutput();
    }
    stopEmulator(p);
    log += p.readAllStandardOutput();
    QVERIFY2(log.contains("QGETI 10 bytes") && log.contains("qchkSD 6 bytes"), log.constData());
}

void TestEmulator::programRecordsItsOwnArtNetStream() {
    QUdpSocket live;
    QVERIFY2(live.bind(QHostAddress::AnyIPv4, wire::kLiveRecordPort), qPrintable(live.errorString()));
    QProcess p;
    QVERIFY2(startEmulator(p, {"--address", "127.0.0.2", "--quiet"}), p.readAllStandardError().constData());
    QUdpSocket client;
    const QHostAddress device(QStringLiteral("127.0.0.2"));
    client.writeDatagram(wire::selectShowCommand(6), device, wire::kDevicePort);
    client.writeDatagram(wire::synchroRecordCommand(), device, wire::kDevicePort);
    QCOMPARE(receive(live, 1).size(), 1); // setShow

    // 10 empty frames, then 20 lit ones, at 100 frames a second: about 0.2 s recorded.
    const int rc = QProcess::execute(QStringLiteral(ZENTRI_EMULATOR_PATH),
                                     {"--send-artnet", "127.0.0.2", "--frames", "30", "--start-empty", "10",
                                      "--fps", "100", "--channels", "32"});
    QCOMPARE(rc, 0);
    QTest::qWait(150);
    client.writeDatagram(wire::stopCommand(), device, wire::kDevicePort);
    QTest::qWait(50);
    while (live.hasPendingDatagrams())
        live.receiveDatagram();
    client.writeDatagram(wire::showInfoQuery(6), device, wire::kDevicePort);
    const QVector<QNetworkDatagram> got = receive(live, 1);
    stopEmulator(p);
    QCOMPARE(got.size(), 1);
    const auto info = wire::parseShowReply(got[0].data());
    QVERIFY(info && info->kind == wire::ShowReply::ShowInfo);
    QVERIFY(info->present);
    // From the first lit frame to the stop: 0.19 s of frames plus the 0.15 s wait, give or take.
    QVERIFY2(info->length > emu::unitsFromMs(250) && info->length < emu::unitsFromMs(2000),
             qPrintable(QString::number(info->length)));
}

void TestEmulator::programRejectsBadOption_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("bad value") << QStringList{"--devices", "abc"} << 2;
    QTest::newRow("unknown option") << QStringList{"--colour", "red"} << 2;
    QTest::newRow("help") << QStringList{"--help"} << 0;
}

void TestEmulator::programRejectsBadOption() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QProcess p;
    p.start(QStringLiteral(ZENTRI_EMULATOR_PATH), arguments);
    QVERIFY(p.waitForFinished(5000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), status);
    if (status == 2) {
        const QByteArray err = p.readAllStandardError();
        QVERIFY2(err.contains(arguments[0].mid(2).toLatin1()), err.constData());
    } else {
        QVERIFY(p.readAllStandardOutput().contains("--send-artnet"));
    }
}

QTEST_GUILESS_MAIN(TestEmulator)
#include "tst_emulator.moc"
