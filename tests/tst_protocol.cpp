// Byte layouts of every datagram, checked against hand-written bytes.
#include "device/protocol.h"

#include <QtTest>
#include <functional>

using namespace zentri;
using Field = std::function<int(const recUrzadzenia &)>;
using Setter = std::function<void(recUrzadzenia &)>;
using Reader = std::function<bool(const QByteArray &)>;
Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(Reader)
Q_DECLARE_METATYPE(std::function<QString(const QByteArray &)>)

namespace {

QByteArray infoWith(std::initializer_list<std::pair<int, int>> bytes, int size = wire::kInfoReplySize) {
    QByteArray d(size, '\0');
    d.replace(0, 5, "AGETI");
    for (auto [offset, value] : bytes)
        d[offset] = static_cast<char>(value);
    return d;
}

QByteArray hex(const char *text) {
    return QByteArray::fromHex(text);
}

// A record in which every field that travels holds a value of its own, and the two packets that carry
// it, written out byte by byte: a field read from or written to a wrong offset shows here.
recUrzadzenia goldenRecord() {
    recUrzadzenia r;
    for (int i = 0; i < 8; ++i) {
        r.Trigger[i] = {0x10 + i, 0x18 + i, 0x0120 + i, 0x30 + i, 0x38 + i, 0x40 + i, 0x48 + i};
        r.Output[i].NET = 0x60 + i;
        r.Output[i].Universe = 0x68 + i;
        r.Output[i].Channel = 0x0270 + i;
        r.Output[i].PWM = i % 2 == 1;
    }
    r.TriggerButtonPlayMode = true;
    r.dap = {0x0380, 0x0381, 0x0382, 0x0383, 0x0384, 0x0385, 0x0386, 0x0387, 0x88};
    r.InputSelect = 0x50;
    r.DestinationIP = {0x58, 0x59, 0x5A, 0x5B, 0};
    r.dmx = {0x89, 0x8A};
    r.ZentriVersion = 0xFE;
    r.MasterVolume = 0x8B;
    r.playAfterPowerOn = 0x8C;
    r.blackoutAtEndOfTheShow = true;
    return r;
}

const char kGoldenInfo[] = "41 47 45 54 49"    // 0: AGETI
                           "07 01 0C"          // 5: equipment, firmware 1.12
                           "47 6F 6C 64 65 6E" // 8: name Golden, then zeros to byte 70
                           "00000000000000000000000000000000000000000000000000000000"
                           "0000000000000000000000000000000000000000000000000000000000"
                           "00 00"                                           // 71: not read
                           "02 5A 45 0A 0B 0C"                               // 73: MAC
                           "10 11 12 13 14 15 16 17"                         // 79: trigger NETs
                           "18 19 1A 1B 1C 1D 1E 1F"                         // 87: trigger universes
                           "01 20 01 21 01 22 01 23 01 24 01 25 01 26 01 27" // 95: trigger channels
                           "50"                                              // 111: input source
                           "58 59 5A 5B"                                     // 112: destination address
                           "60 61 62 63 64 65 66 67"                         // 116: output NETs
                           "68 69 6A 6B 6C 6D 6E 6F"                         // 124: output universes
                           "02 70 02 71 02 72 02 73 02 74 02 75 02 76 02 77" // 132: output channels
                           "00 01 00 01 00 01 00 01"                         // 148: output PWM flags
                           "03 80 03 81 03 82 03 83 03 84 03 85 03 86 03 87" // 156: audio player patch
                           "89 8A"                                           // 172: DMX output NET, universe
                           "30 31 32 33 34 35 36 37"                         // 174: trigger functions
                           "38 39 3A 3B 3C 3D 3E 3F"                         // 182: trigger catalogs
                           "40 41 42 43 44 45 46 47"                         // 190: trigger files
                           "01"                                              // 198: play-button option
                           "48 49 4A 4B 4C 4D 4E 4F"                         // 199: trigger volumes
                           "FE 8B 8C 88 01"; // 207: module, master volume, power-on, loop, blackout

const char kGoldenSeti[] = "21 53 45 54 49"                                  // 0: !SETI
                           "10 11 12 13 14 15 16 17"                         // 5: trigger NETs
                           "18 19 1A 1B 1C 1D 1E 1F"                         // 13: trigger universes
                           "01 20 01 21 01 22 01 23 01 24 01 25 01 26 01 27" // 21: trigger channels
                           "60 61 62 63 64 65 66 67"                         // 37: output NETs
                           "68 69 6A 6B 6C 6D 6E 6F"                         // 45: output universes
                           "02 70 02 71 02 72 02 73 02 74 02 75 02 76 02 77" // 53: output channels
                           "50"                                              // 69: input source
                           "58 59 5A 5B"                                     // 70: destination address
                           "00 01 00 01 00 01 00 01"                         // 74: output PWM flags
                           "03 80 03 81 03 82 03 83 03 84 03 85 03 86 03 87" // 82: audio player patch
                           "89 8A"                                           // 98: DMX output NET, universe
                           "30 31 32 33 34 35 36 37"                         // 100: trigger functions
                           "38 39 3A 3B 3C 3D 3E 3F"                         // 108: trigger catalogs
                           "40 41 42 43 44 45 46 47"                         // 116: trigger files
                           "01"                                              // 124: play-button option
                           "48 49 4A 4B 4C 4D 4E 4F"                         // 125: trigger volumes
                           "FE 8B 8C 88 01"; // 133: module, master volume, power-on, loop, blackout

} // namespace

class TestProtocol : public QObject {
    Q_OBJECT
private slots:
    void infoReplyFields_data();
    void infoReplyFields();
    void infoReplyTexts_data();
    void infoReplyTexts();
    void infoReplyRefusals_data();
    void infoReplyRefusals();
    void sdCardReply_data();
    void sdCardReply();
    void configurationBytes_data();
    void configurationBytes();
    void configurationMirrorsInfoReply();
    void configurationOmitsTextsAndUnsentFields();
    void commands_data();
    void commands();
    void masterVolumeReply_data();
    void masterVolumeReply();
    void showReplies_data();
    void showReplies();
    void cueReply_data();
    void cueReply();
    void cueWrite();
    void deviceSideRoundTrip();
    void goldenPair();
    void commandsAsTheDeviceReadsThem_data();
    void commandsAsTheDeviceReadsThem();
    void portsTakeWhatTheReadersRead_data();
    void portsTakeWhatTheReadersRead();
};

void TestProtocol::infoReplyFields_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<Field>("field");
    QTest::addColumn<int>("expected");

    QTest::newRow("equipment") << infoWith({{5, 0x42}}) << Field([](auto &r) { return r.Equipment; }) << 0x42;
    QTest::newRow("trigger 1 net") << infoWith({{79, 7}}) << Field([](auto &r) { return r.Trigger[0].NET; })
                                   << 7;
    QTest::newRow("trigger 8 universe")
        << infoWith({{94, 200}}) << Field([](auto &r) { return r.Trigger[7].Universe; }) << 200;
    QTest::newRow("trigger 1 channel big-endian")
        << infoWith({{95, 0x01}, {96, 0x2C}}) << Field([](auto &r) { return r.Trigger[0].Channel; }) << 300;
    QTest::newRow("trigger 8 channel")
        << infoWith({{109, 0x02}, {110, 0x00}}) << Field([](auto &r) { return r.Trigger[7].Channel; }) << 512;
    QTest::newRow("input select") << infoWith({{111, 1}}) << Field([](auto &r) { return r.InputSelect; })
                                  << 1;
    QTest::newRow("destination D") << infoWith({{115, 254}})
                                   << Field([](auto &r) { return r.DestinationIP[3]; }) << 254;
    QTest::newRow("output 1 net") << infoWith({{116, 3}}) << Field([](auto &r) { return r.Output[0].NET; })
                                  << 3;
    QTest::newRow("output 8 universe")
        << infoWith({{131, 9}}) << Field([](auto &r) { return r.Output[7].Universe; }) << 9;
    QTest::newRow("output 3 channel 16-bit max")
        << infoWith({{136, 0xFF}, {137, 0xFF}}) << Field([](auto &r) { return r.Output[2].Channel; })
        << 65535;
    QTest::newRow("output 4 PWM non-zero")
        << infoWith({{151, 0x80}}) << Field([](auto &r) { return int(r.Output[3].PWM); }) << 1;
    QTest::newRow("player net 16-bit")
        << infoWith({{156, 0x01}, {157, 0x02}}) << Field([](auto &r) { return r.dap.NET; }) << 0x0102;
    QTest::newRow("treble channel") << infoWith({{170, 0x00}, {171, 0x11}})
                                    << Field([](auto &r) { return r.dap.Treble_DMXch; }) << 17;
    QTest::newRow("dmx universe") << infoWith({{173, 5}})
                                  << Field([](auto &r) { return r.dmx.Output_Universe; }) << 5;
    QTest::newRow("trigger 2 function")
        << infoWith({{175, 11}}) << Field([](auto &r) { return r.Trigger[1].Function; }) << 11;
    QTest::newRow("trigger 8 file") << infoWith({{197, 255}})
                                    << Field([](auto &r) { return r.Trigger[7].File; }) << 255;
    QTest::newRow("play mode") << infoWith({{198, 2}})
                               << Field([](auto &r) { return int(r.TriggerButtonPlayMode); }) << 1;
    QTest::newRow("trigger 8 volume")
        << infoWith({{206, 77}}) << Field([](auto &r) { return r.Trigger[7].Volume; }) << 77;
    QTest::newRow("module version") << infoWith({{207, 254}})
                                    << Field([](auto &r) { return r.ZentriVersion; }) << 254;
    QTest::newRow("master volume") << infoWith({{208, 199}}) << Field([](auto &r) { return r.MasterVolume; })
                                   << 199;
    QTest::newRow("play after power-on")
        << infoWith({{209, 8}}) << Field([](auto &r) { return r.playAfterPowerOn; }) << 8;
    QTest::newRow("play loop") << infoWith({{210, 2}}) << Field([](auto &r) { return r.dap.playLoop; }) << 2;
    QTest::newRow("blackout") << infoWith({{211, 1}})
                              << Field([](auto &r) { return int(r.blackoutAtEndOfTheShow); }) << 1;
    QTest::newRow("bytes 71 and 72 are not read")
        << infoWith({{71, 0xFF}, {72, 0xFF}}) << Field([](auto &r) { return r.Nazwa.size(); }) << 0;
}

void TestProtocol::infoReplyFields() {
    QFETCH(QByteArray, datagram);
    QFETCH(Field, field);
    QFETCH(int, expected);
    auto rec = wire::parseInfoReply(datagram, QStringLiteral("10.0.0.9"));
    QVERIFY(rec);
    QCOMPARE(field(*rec), expected);
    QCOMPARE(rec->IP, QStringLiteral("10.0.0.9"));
}

void TestProtocol::infoReplyTexts_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QString>("mac");

    QByteArray named = infoWith({{6, 1}, {7, 5}});
    named.replace(8, 6, QByteArray("Stage\0", 6));
    named[14] = 'X'; // after the terminating zero: ignored
    named.replace(73, 6, hex("001A2B3C4D5E"));
    QTest::newRow("name ends at zero") << named << "Stage"
                                       << "1.5"
                                       << "00:1A:2B:3C:4D:5E";

    QByteArray full = infoWith({{7, 12}});
    full.replace(8, 63, QByteArray(63, 'n'));
    full[71] = 'x'; // not part of the name
    QTest::newRow("63 characters whole") << full << QString(63, 'n') << "0.12"
                                         << "00:00:00:00:00:00";

    QByteArray high = infoWith({{6, 255}, {7, 255}, {8, 'A'}, {9, 0xE9}, {10, 0x80}, {11, 'b'}});
    high.replace(73, 6, hex("FFFFFFFFFFFF"));
    QTest::newRow("bytes above 127 show as ?") << high << "A??b"
                                               << "255.255"
                                               << "FF:FF:FF:FF:FF:FF";

    QTest::newRow("empty name") << infoWith({{8, 0}, {9, 'z'}}) << ""
                                << "0.0"
                                << "00:00:00:00:00:00";
}

void TestProtocol::infoReplyTexts() {
    QFETCH(QByteArray, datagram);
    auto rec = wire::parseInfoReply(datagram, QString());
    QVERIFY(rec);
    QTEST(rec->Nazwa, "name");
    QTEST(rec->FWVer, "firmware");
    QTEST(rec->MAC, "mac");
    QVERIFY(rec->OpisUzytkownika.isEmpty() && rec->HWVer.isEmpty());
    QCOMPARE(rec->Output[0].Reserved, 0);
    QCOMPARE(rec->DestinationIP[4], 0);
}

void TestProtocol::infoReplyRefusals_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("recognised");
    QTest::newRow("211 bytes") << infoWith({}, 211) << true;
    QTest::newRow("keyword only") << QByteArray("AGETI") << true;
    QByteArray wrong = infoWith({});
    wrong[4] = 'X';
    QTest::newRow("AGET then not I") << wrong << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("lower case") << QByteArray("ageti").leftJustified(212, '\0') << false;
}

void TestProtocol::infoReplyRefusals() {
    QFETCH(QByteArray, datagram);
    QTEST(wire::isInfoReply(datagram), "recognised");
    QVERIFY(!wire::parseInfoReply(datagram, QString()));
}

void TestProtocol::sdCardReply_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("expected"); // -1: refused, 0: no card, 1: card
    QTest::newRow("no card") << hex("6163686B534400") << 0;
    QTest::newRow("card 1") << hex("6163686B534401") << 1;
    QTest::newRow("card 255") << hex("6163686B5344FF") << 1;
    QTest::newRow("longer datagram") << hex("6163686B53440100FF") << 1;
    QTest::newRow("6 bytes: no state") << QByteArray("achkSD") << -1;
    QTest::newRow("other keyword") << hex("6163686B534501") << -1;
}

void TestProtocol::sdCardReply() {
    QFETCH(QByteArray, datagram);
    QFETCH(int, expected);
    auto present = wire::parseSdCardReply(datagram);
    QCOMPARE(present.has_value(), expected >= 0);
    if (present)
        QCOMPARE(int(*present), expected);
}

void TestProtocol::configurationBytes_data() {
    QTest::addColumn<Setter>("change");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("output 1 channel 300")
        << Setter([](auto &r) { r.Output[0].Channel = 300; }) << 53 << hex("012C");
    QTest::newRow("output 8 channel 512")
        << Setter([](auto &r) { r.Output[7].Channel = 512; }) << 67 << hex("0200");
    QTest::newRow("trigger 8 volume 255")
        << Setter([](auto &r) { r.Trigger[7].Volume = 255; }) << 132 << hex("FF");
    QTest::newRow("module version 254") << Setter([](auto &r) { r.ZentriVersion = 254; }) << 133 << hex("FE");
    QTest::newRow("blackout") << Setter([](auto &r) { r.blackoutAtEndOfTheShow = true; }) << 137 << hex("01");
    QTest::newRow("output 4 PWM") << Setter([](auto &r) { r.Output[3].PWM = true; }) << 77 << hex("01");
    QTest::newRow("256 sent as its low byte")
        << Setter([](auto &r) { r.Trigger[0].NET = 256; }) << 5 << hex("00");
    QTest::newRow("-1 sent as 255") << Setter([](auto &r) { r.Output[1].Universe = -1; }) << 46 << hex("FF");
    QTest::newRow("channel 0 after no selection")
        << Setter([](auto &r) { r.Trigger[2].Channel = 0; }) << 25 << hex("0000");
    QTest::newRow("16-bit field keeps low sixteen bits")
        << Setter([](auto &r) { r.dap.NET = 0x12345; }) << 82 << hex("2345");
    QTest::newRow("input select") << Setter([](auto &r) { r.InputSelect = 1; }) << 69 << hex("01");
    QTest::newRow("destination address") << Setter([](auto &r) {
        r.DestinationIP = {192, 168, 1, 20, 99};
    }) << 70 << hex("C0A80114");
    QTest::newRow("audio channels") << Setter([](auto &r) {
        r.dap.CatalogID_DMXch = 1;
        r.dap.FileID_DMXch = 2;
        r.dap.Volume_DMXch = 3;
        r.dap.State_DMXch = 4;
        r.dap.Bass_DMXch = 5;
        r.dap.Treble_DMXch = 0x1FF;
    }) << 86 << hex("00010002000300040005 01FF");
    QTest::newRow("dmx output") << Setter([](auto &r) { r.dmx = {3, 4}; }) << 98 << hex("0304");
    QTest::newRow("trigger 1 function, catalog, file") << Setter([](auto &r) {
        r.Trigger[0].Function = 4, r.Trigger[0].Catalog = 99, r.Trigger[0].File = 255;
    }) << 100 << hex("04 00000000000000 63 00000000000000 FF");
    QTest::newRow("play mode") << Setter([](auto &r) { r.TriggerButtonPlayMode = true; }) << 124 << hex("01");
    QTest::newRow("master volume, power-on, loop")
        << Setter([](auto &r) { r.MasterVolume = 200, r.playAfterPowerOn = 8, r.dap.playLoop = 1; }) << 134
        << hex("C80801");
}

void TestProtocol::configurationBytes() {
    QFETCH(Setter, change);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    recUrzadzenia rec;
    change(rec);
    const QByteArray p = wire::configurationPacket(rec);
    QCOMPARE(p.size(), 138);
    QCOMPARE(p.left(5), QByteArray("!SETI"));
    QCOMPARE(p.mid(offset, bytes.size()).toHex(), bytes.toHex());
    // Nothing else but the keyword is set.
    QByteArray rest = p;
    rest.replace(offset, bytes.size(), QByteArray(bytes.size(), '\0'));
    QCOMPARE(rest.mid(5), QByteArray(133, '\0'));
}

void TestProtocol::configurationMirrorsInfoReply() {
    // The packet carries bytes 79..211 of the info reply, with the input source and the destination
    // address moved behind the output channels.
    QByteArray info = infoWith({});
    for (int i = 79; i < 212; ++i)
        info[i] = static_cast<char>(i * 7 + 3);
    for (int i : {148, 149, 150, 151, 152, 153, 154, 155, 198, 211})
        info[i] = static_cast<char>(i % 2); // flags travel as 1 or 0
    auto rec = wire::parseInfoReply(info, QString());
    QVERIFY(rec);
    const QByteArray expected =
        "!SETI" + info.mid(79, 32) + info.mid(116, 32) + info.mid(111, 5) + info.mid(148, 64);
    QCOMPARE(wire::configurationPacket(*rec).toHex(), expected.toHex());
}

void TestProtocol::configurationOmitsTextsAndUnsentFields() {
    recUrzadzenia rec;
    rec.Nazwa = QStringLiteral("x");
    rec.IP = QStringLiteral("1.2.3.4");
    rec.Equipment = 9;
    rec.Output[5].Reserved = 77;
    rec.DestinationIP[4] = 55;
    rec.PINGLive = rec.KanalDMX = rec.WorkMode = 3;
    QCOMPARE(wire::configurationPacket(rec), wire::configurationPacket(recUrzadzenia()));
}

void TestProtocol::commands_data() {
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("discovery") << wire::discoveryRequest() << hex("5147455449 0000000000");
    QTest::newRow("sd query") << wire::sdCardQuery() << hex("7163686B5344");
    QTest::newRow("restart") << wire::restartCommand() << hex("52455345");
    QTest::newRow("restore defaults") << wire::restoreDefaultsCommand() << hex("52455344");
    QTest::newRow("output 7 test on") << wire::outputTestCommand(7, true) << hex("2154455354 20 07 01");
    QTest::newRow("output 0 test off") << wire::outputTestCommand(0, false) << hex("2154455354 20 00 00");
    QTest::newRow("trigger 2 test on") << wire::triggerTestCommand(2, true) << hex("2154455354 10 02 01");
    QTest::newRow("trigger 2 test off") << wire::triggerTestCommand(2, false) << hex("2154455354 10 02 00");
    QTest::newRow("test end") << wire::testEndCommand() << hex("2154455354 000000");
    QTest::newRow("trigger 8 volume") << wire::triggerVolumeCommand(7, 255) << hex("53564F4C 07 FF");
    QTest::newRow("master volume query") << wire::masterVolumeQuery() << hex("714D566F6C");
    QTest::newRow("master volume 128") << wire::masterVolumeCommand(128) << hex("7365744D566F6C 80");
    QTest::newRow("select show 0") << wire::selectShowCommand(0) << hex("5353484F57 00");
    QTest::newRow("select show 8") << wire::selectShowCommand(8) << hex("5353484F57 08");
    QTest::newRow("show info 3") << wire::showInfoQuery(3) << hex("5153686F77496E666F 03");
    QTest::newRow("record") << wire::recordCommand() << hex("524543454E41");
    QTest::newRow("synchro record") << wire::synchroRecordCommand() << hex("524543454E53");
    QTest::newRow("stop") << wire::stopCommand() << hex("524543444953");
    QTest::newRow("play") << wire::playCommand() << hex("504C41595348");
    QTest::newRow("erase show 12") << wire::eraseShowCommand(12) << hex("45524153455348 4F57 0C");
    QTest::newRow("erase show low 8 bits") << wire::eraseShowCommand(0x1FF) << hex("45524153455348 4F57 FF");
    QTest::newRow("cue query") << wire::cueQuery() << hex("51435545524400");
}

void TestProtocol::commands() {
    QFETCH(QByteArray, built);
    QFETCH(QByteArray, expected);
    QCOMPARE(built.toHex(' '), expected.toHex(' '));
}

void TestProtocol::masterVolumeReply_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("expected");
    QTest::newRow("200") << hex("614D566F6C C8") << 200;
    QTest::newRow("0 with trailing bytes") << hex("614D566F6C 00 FF") << 0;
    QTest::newRow("5 bytes") << QByteArray("aMVol") << -1;
    QTest::newRow("one letter off") << hex("614D566F6D C8") << -1;
}

void TestProtocol::masterVolumeReply() {
    QFETCH(QByteArray, datagram);
    QFETCH(int, expected);
    QCOMPARE(wire::parseMasterVolumeReply(datagram).value_or(-1), expected);
}

void TestProtocol::showReplies_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("kind"); // -1 refused
    QTest::addColumn<int>("a");    // packets, show or total
    QTest::addColumn<int>("b");    // position, present
    QTest::addColumn<int>("c");    // length
    QTest::newRow("packet count 256")
        << hex("50636E74 00000100") << int(wire::ShowReply::PacketCount) << 256 << 0 << 0;
    QTest::newRow("negative packet count")
        << hex("50636E74 FFFFFFFF") << int(wire::ShowReply::PacketCount) << -1 << 0 << 0;
    QTest::newRow("packet count short") << hex("50636E74 000001") << -1 << 0 << 0 << 0;
    QTest::newRow("set show 12") << hex("73657453686F77 0C") << int(wire::ShowReply::SetShow) << 12 << 0 << 0;
    QTest::newRow("set show short") << QByteArray("setShow") << -1 << 0 << 0 << 0;
    QTest::newRow("position") << hex("73686F77507373 00005000 00002800") << int(wire::ShowReply::ShowPosition)
                              << 0x5000 << 0x2800 << 0;
    QTest::newRow("position short") << hex("73686F77507373 00005000 000028") << -1 << 0 << 0 << 0;
    QTest::newRow("play stop") << QByteArray("playStop") << int(wire::ShowReply::PlayStop) << 0 << 0 << 0;
    QTest::newRow("show info") << hex("4153686F77496E666F 03 01 04650000") << int(wire::ShowReply::ShowInfo)
                               << 3 << 1 << 0x04650000;
    QTest::newRow("show info 255 absent") << hex("4153686F77496E666F FF 00 80000000")
                                          << int(wire::ShowReply::ShowInfo) << 255 << 0 << INT32_MIN;
    QTest::newRow("show info short") << hex("4153686F77496E666F 03 01 046500") << -1 << 0 << 0 << 0;
    QTest::newRow("unknown") << QByteArray("Pcn") << -1 << 0 << 0 << 0;
}

void TestProtocol::showReplies() {
    QFETCH(QByteArray, datagram);
    QFETCH(int, kind);
    auto r = wire::parseShowReply(datagram);
    QCOMPARE(r.has_value(), kind >= 0);
    if (!r)
        return;
    QCOMPARE(int(r->kind), kind);
    switch (r->kind) {
    case wire::ShowReply::PacketCount:
        QTEST(int(r->packets), "a");
        break;
    case wire::ShowReply::SetShow:
        QTEST(r->show, "a");
        break;
    case wire::ShowReply::ShowPosition:
        QTEST(int(r->total), "a");
        QTEST(int(r->position), "b");
        break;
    case wire::ShowReply::ShowInfo:
        QTEST(r->show, "a");
        QTEST(int(r->present), "b");
        QTEST(int(r->length), "c");
        break;
    case wire::ShowReply::PlayStop:
        break;
    }
}

void TestProtocol::cueReply_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("number"); // 0: refused
    QTest::addColumn<QString>("name");

    auto cue = [](int n, const QByteArray &name, int size = 640) {
        QByteArray d(size, '\0');
        d.replace(0, 6, "ACUERD");
        d[6] = static_cast<char>(n);
        d.replace(7, name.size(), name);
        for (int i = 128; i < size; ++i)
            d[i] = static_cast<char>(i - 128);
        return d;
    };
    QTest::newRow("cue 1") << cue(1, "  Intro ") << 1 << "Intro";
    QTest::newRow("cue 100, name of 64") << cue(100, QByteArray(64, 'z')) << 100 << QString(64, 'z');
    QTest::newRow("all zero name") << cue(7, QByteArray()) << 7 << "";
    QTest::newRow("latin-1 name") << cue(9, "Caf\xE9") << 9 << QString::fromLatin1("Caf\xE9");
    QTest::newRow("cue 0") << cue(0, "x") << 0 << "";
    QTest::newRow("cue 101") << cue(101, "x") << 0 << "";
    QTest::newRow("cue 255") << cue(255, "x") << 0 << "";
    QTest::newRow("639 bytes") << cue(5, "x", 639) << 0 << "";
}

void TestProtocol::cueReply() {
    QFETCH(QByteArray, datagram);
    QFETCH(int, number);
    auto r = wire::parseCueReply(datagram);
    QCOMPARE(r.has_value(), number > 0);
    if (!r)
        return;
    QCOMPARE(r->number, number);
    QTEST(r->name, "name");
    QCOMPARE(r->dmx[0], 0);
    QCOMPARE(r->dmx[511], 511 & 0xFF);
}

void TestProtocol::cueWrite() {
    wire::CueValues values{};
    values[0] = 255;
    values[4] = 128;
    values[511] = 0x1FF; // low byte only
    const QString name =
        QStringLiteral(" ") + QString(50, 'a') + QChar(0x141); // 51 characters after trimming
    const QByteArray b = wire::cueWriteCommand(42, name, values);
    QCOMPARE(b.size(), 640);
    QCOMPARE(b.left(6), QByteArray("!CUEWR"));
    QCOMPARE(int(b[6]), 42);
    QCOMPARE(b.mid(7, 10), QByteArray(10, '\0'));
    QCOMPARE(b.mid(17, 47), QByteArray(47, 'a')); // characters 48 on are not sent
    QCOMPARE(b.mid(64, 64), QByteArray(64, '\0'));
    QCOMPARE(uint8_t(b[128]), uint8_t(255));
    QCOMPARE(uint8_t(b[132]), uint8_t(128));
    QCOMPARE(uint8_t(b[639]), uint8_t(0xFF));

    // A character above 255 travels as the low byte of its code.
    const QByteArray c = wire::cueWriteCommand(1, QString(QChar(0x141)), values);
    QCOMPARE(uint8_t(c[17]), uint8_t(0x41));
    QCOMPARE(c[18], '\0');
}

void TestProtocol::deviceSideRoundTrip() {
    recUrzadzenia rec;
    rec.Nazwa = QStringLiteral("Bar left");
    rec.Output[0].Channel = 300;
    rec.Trigger[5].Function = 7;
    rec.DestinationIP = {10, 77, 0, 1, 0};
    rec.blackoutAtEndOfTheShow = true;
    rec.ZentriVersion = kModulePremium;
    const QByteArray info = wire::infoReply(rec, 3, 1, 12, hex("0A0B0C0D0E0F"));
    QCOMPARE(info.size(), 212);
    auto back = wire::parseInfoReply(info, QStringLiteral("10.77.0.2"));
    QVERIFY(back);
    QCOMPARE(back->FWVer, QStringLiteral("1.12"));
    QCOMPARE(back->MAC, QStringLiteral("0A:0B:0C:0D:0E:0F"));
    QCOMPARE(wire::configurationPacket(*back), wire::configurationPacket(rec));

    recUrzadzenia stored;
    QVERIFY(wire::applyConfigurationPacket(wire::configurationPacket(rec), stored));
    QCOMPARE(wire::configurationPacket(stored), wire::configurationPacket(rec));
    QVERIFY(!wire::applyConfigurationPacket(wire::configurationPacket(rec).left(137), stored));
}

void TestProtocol::goldenPair() {
    const QByteArray info = hex(kGoldenInfo), seti = hex(kGoldenSeti);
    QCOMPARE(info.size(), wire::kInfoReplySize);
    QCOMPARE(seti.size(), wire::kConfigurationSize);
    recUrzadzenia rec = goldenRecord();
    rec.Nazwa = QStringLiteral("Golden");
    QCOMPARE(wire::configurationPacket(rec).toHex(' '), seti.toHex(' '));
    QCOMPARE(wire::infoReply(rec, 7, 1, 12, hex("025A450A0B0C")).toHex(' '), info.toHex(' '));
    rec.IP = QStringLiteral("10.77.0.9");
    rec.MAC = QStringLiteral("02:5A:45:0A:0B:0C");
    rec.FWVer = QStringLiteral("1.12");
    rec.Equipment = 7;
    const auto parsed = wire::parseInfoReply(info, rec.IP);
    QVERIFY(parsed);
    QVERIFY(*parsed == rec);
    recUrzadzenia applied;
    QVERIFY(wire::applyConfigurationPacket(seti, applied));
    QCOMPARE(wire::configurationPacket(applied), seti);
}

void TestProtocol::commandsAsTheDeviceReadsThem_data() {
    // Each device-side reader on a datagram: what it reads, as text, or "none".
    using Read = std::function<QString(const QByteArray &)>;
    QTest::addColumn<Read>("read");
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("expected");
    const auto number = [](std::optional<int> v) { return v ? QString::number(*v) : QStringLiteral("none"); };
    const Read test = [](const QByteArray &d) {
        const auto t = wire::parseTestCommand(d);
        return t ? QStringLiteral("%1 %2 %3").arg(t->group).arg(t->index).arg(t->on) : QStringLiteral("none");
    };
    const Read volume = [](const QByteArray &d) {
        const auto v = wire::parseTriggerVolumeCommand(d);
        return v ? QStringLiteral("%1 %2").arg(v->index).arg(v->volume) : QStringLiteral("none");
    };
    const Read master = [=](const QByteArray &d) { return number(wire::parseMasterVolumeCommand(d)); };
    const Read select = [=](const QByteArray &d) { return number(wire::parseSelectShowCommand(d)); };
    const Read info = [=](const QByteArray &d) { return number(wire::parseShowInfoQuery(d)); };
    const Read erase = [=](const QByteArray &d) { return number(wire::parseEraseShowCommand(d)); };
    const Read cues = [=](const QByteArray &d) { return number(wire::parseCueQuery(d)); };
    const Read cueWrite = [](const QByteArray &d) {
        const auto c = wire::parseCueWriteCommand(d);
        return c ? QStringLiteral("%1 \"%2\" %3 %4")
                       .arg(c->number)
                       .arg(QString::fromLatin1(c->name))
                       .arg(c->values.size())
                       .arg(int(uint8_t(c->values.at(511))))
                 : QStringLiteral("none");
    };
    QTest::newRow("output 8 test on") << test << hex("2154455354 20 07 01") << "32 7 1";
    QTest::newRow("trigger test, any non-zero is on") << test << hex("2154455354 10 02 80") << "16 2 1";
    QTest::newRow("test end") << test << hex("2154455354 000000") << "0 0 0";
    QTest::newRow("test one byte short") << test << hex("2154455354 2007") << "none";
    QTest::newRow("trigger volume") << volume << hex("53564F4C 07 FF") << "7 255";
    QTest::newRow("trigger volume short") << volume << hex("53564F4C 07") << "none";
    QTest::newRow("master volume") << master << hex("7365744D566F6C 80") << "128";
    QTest::newRow("master volume, other keyword") << master << hex("714D566F6C 808080") << "none";
    QTest::newRow("select show 8") << select << hex("5353484F57 08") << "8";
    QTest::newRow("show info 3") << info << hex("5153686F77496E666F 03") << "3";
    QTest::newRow("erase show 12") << erase << hex("45524153455348 4F57 0C") << "12";
    QTest::newRow("erase show short") << erase << hex("45524153455348 4F57") << "none";
    QTest::newRow("every cue") << cues << hex("51435545524400") << "0";
    QTest::newRow("cue 7") << cues << hex("51435545524407") << "7";
    wire::CueValues values{};
    values[511] = 200;
    QTest::newRow("cue write") << cueWrite << wire::cueWriteCommand(42, QStringLiteral("  Finale "), values)
                               << "42 \"Finale\" 512 200";
    QByteArray longName = wire::cueWriteCommand(1, QString(60, QLatin1Char('n')), values);
    QTest::newRow("cue write, name cut at 47")
        << cueWrite << longName << QStringLiteral("1 \"%1\" 512 200").arg(QString(47, QLatin1Char('n')));
    QTest::newRow("cue write short") << cueWrite << longName.left(639) << "none";
}

void TestProtocol::commandsAsTheDeviceReadsThem() {
    using Read = std::function<QString(const QByteArray &)>;
    QFETCH(Read, read);
    QFETCH(QByteArray, datagram);
    QFETCH(QString, expected);
    QCOMPARE(read(datagram), expected);
}

void TestProtocol::portsTakeWhatTheReadersRead_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("port");
    QTest::addColumn<Reader>("reader"); // none for the commands the manager only sends
    // (the commands that are their keyword alone are left out: nothing shorter carries them)
    const Reader show = [](const QByteArray &d) { return bool(wire::parseShowReply(d)); };
    const Reader none;
    QTest::newRow("AGETI") << wire::infoReply({}, 1, 1, 0, QByteArray(6, 0)) << 7800
                           << Reader([](const QByteArray &d) { return bool(wire::parseInfoReply(d, {})); });
    QTest::newRow("achkSD") << wire::sdCardReply(true) << 7800
                            << Reader([](const QByteArray &d) { return bool(wire::parseSdCardReply(d)); });
    QTest::newRow("Pcnt") << wire::packetCountReply(5) << 7801 << show;
    QTest::newRow("setShow") << wire::setShowReply(2) << 7801 << show;
    QTest::newRow("showPss") << wire::showPositionReply(10, 5) << 7801 << show;
    QTest::newRow("playStop") << wire::playStopReply() << 7801 << show;
    QTest::newRow("AShowInfo") << wire::showInfoReply(1, true, 100) << 7801 << show;
    QTest::newRow("aMVol") << wire::masterVolumeReply(50) << 7802 << Reader([](const QByteArray &d) {
        return bool(wire::parseMasterVolumeReply(d));
    });
    QTest::newRow("ACUERD") << wire::cueReply(1, "x", QByteArray(512, 0)) << 7803
                            << Reader([](const QByteArray &d) { return bool(wire::parseCueReply(d)); });
    QTest::newRow("QGETI") << wire::discoveryRequest() << 6454 << none;
    QTest::newRow("qchkSD") << wire::sdCardQuery() << 6454 << none;
    QTest::newRow("!SETI") << wire::configurationPacket({}) << 6454 << Reader([](const QByteArray &d) {
        recUrzadzenia r;
        return wire::applyConfigurationPacket(d, r);
    });
    QTest::newRow("!TEST") << wire::outputTestCommand(0, true) << 6454 << none;
    QTest::newRow("SVOL") << wire::triggerVolumeCommand(0, 5) << 6454 << none;
    QTest::newRow("qMVol") << wire::masterVolumeQuery() << 6454 << none;
    QTest::newRow("setMVol") << wire::masterVolumeCommand(80) << 6454 << none;
    QTest::newRow("SSHOW") << wire::selectShowCommand(1) << 6454 << none;
    QTest::newRow("QShowInfo") << wire::showInfoQuery(1) << 6454 << none;
    QTest::newRow("ERASESHOW") << wire::eraseShowCommand(1) << 6454 << none;
    QTest::newRow("QCUERD") << wire::cueQuery() << 6454 << none;
    QTest::newRow("!CUEWR") << wire::cueWriteCommand(1, "x", {}) << 6454 << none;
}

// Each port's table entry names what its reader takes: the whole datagram is taken, one byte less is
// too short for the table and for the reader alike.
void TestProtocol::portsTakeWhatTheReadersRead() {
    QFETCH(QByteArray, datagram);
    QFETCH(int, port);
    QFETCH(Reader, reader);
    const auto whole = wire::checkDatagram(datagram, quint16(port));
    QCOMPARE(whole.verdict, wire::DatagramCheck::Taken);
    QCOMPARE(QByteArray(whole.expected->keyword), QByteArray(QTest::currentDataTag()));
    QCOMPARE(whole.expected->minimumSize, datagram.size());
    if (reader)
        QVERIFY(reader(datagram));
    if (datagram.size() == qsizetype(qstrlen(whole.expected->keyword)))
        return; // the keyword alone: nothing shorter carries it
    const auto cut = wire::checkDatagram(datagram.chopped(1), quint16(port));
    QCOMPARE(cut.verdict, wire::DatagramCheck::TooShort);
    if (reader)
        QVERIFY(!reader(datagram.chopped(1)));
}

QTEST_APPLESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
