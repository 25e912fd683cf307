// Audio player setup window: loading and saving the patch, the live master volume and the window's
// listener on the audio reply port.
#include "device/protocol.h"
#include "device/udp.h"
#include "fakelink.h"
#include "records.h"
#include "setup/setup_audio.h"
#include "testkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QUdpSocket>
#include <QtTest>
#include <memory>

using namespace zentri;

namespace {

constexpr quint16 kAudioPort = 7802;

QByteArray setMVol(int volume) {
    return bytes("setMVol", {volume});
}

const char *const kChannelLists[6] = {"cbxCatalog", "cbxFile", "cbxVolume",
                                      "cbxState",   "cbxBass", "cbxTreble"};

} // namespace

class TestSetupAudio : public QObject {
    Q_OBJECT

    QSlider *slider(QWidget &w) { return child<QSlider>(w, QStringLiteral("tb1")); }
    void click(QWidget &w, const char *button) { child<QPushButton>(w, QLatin1String(button))->click(); }

private slots:
    void init() { QVERIFY(portFree(kAudioPort)); }
    void loadAndSave_data();
    void loadAndSave();
    void volumeNeverCarriedToAnotherDevice();
    void reply_data();
    void reply();
    void replyOverLoopback();
    void listenerOpenOnlyWhileShown_data();
    void listenerOpenOnlyWhileShown();
    void portHeldByAnotherProgram();
    void reset_data();
    void reset();
    void sliderIsLive();
    void versionRestrictions_data();
    void versionRestrictions();
};

void TestSetupAudio::loadAndSave_data() {
    QTest::addColumn<QList<int>>("fields"); // NET, Universe, six channels, playLoop
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<QList<int>>("saved");
    QTest::newRow("typical") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 1} << QList<int>{1, 2, 2, 3, 4, 5, 6, 7}
                             << true << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 1};
    QTest::newRow("bounds") << QList<int>{0, 255, 1, 512, 1, 512, 1, 512, 0}
                            << QList<int>{0, 255, 0, 511, 0, 511, 0, 511} << false
                            << QList<int>{0, 255, 1, 512, 1, 512, 1, 512, 0};
    QTest::newRow("without list entries")
        << QList<int>{256, -1, 0, 513, 0, 600, -4, 512, 2} << QList<int>{-1, -1, -1, -1, -1, -1, -1, 511}
        << true << QList<int>{-1, -1, 0, 0, 0, 0, 0, 512, 1};
    QTest::newRow("negative play loop")
        << QList<int>{9, 9, 9, 9, 9, 9, 9, 9, -1} << QList<int>{9, 9, 8, 8, 8, 8, 8, 8} << false
        << QList<int>{9, 9, 9, 9, 9, 9, 9, 9, 0};
}

void TestSetupAudio::loadAndSave() {
    QFETCH(QList<int>, fields);
    QFETCH(QList<int>, positions);
    QFETCH(bool, loop);
    QFETCH(QList<int>, saved);
    FakeLink link(2);
    link.selectedIndex = 1;
    link.records[1] = records::audio();
    link.records[1].dap = {fields[0], fields[1], fields[2], fields[3], fields[4],
                           fields[5], fields[6], fields[7], fields[8]};
    MessageCatcher messages;
    TfSetupAudio w(&link);
    w.show();
    QCOMPARE(child<QComboBox>(w, QStringLiteral("cbxNET"))->currentIndex(), positions[0]);
    QCOMPARE(child<QComboBox>(w, QStringLiteral("cbxUniverse"))->currentIndex(), positions[1]);
    for (int k = 0; k < 6; ++k)
        QCOMPARE(child<QComboBox>(w, QLatin1String(kChannelLists[k]))->currentIndex(), positions[2 + k]);
    QCOMPARE(child<QCheckBox>(w, QStringLiteral("cbPlayLoop"))->isChecked(), loop);

    click(w, "btSaveClose");
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(ResultOk));
    QCOMPARE(messages.texts, QStringList{});
    recUrzadzenia expected = records::audio();
    expected.dap = {saved[0], saved[1], saved[2], saved[3], saved[4], saved[5], saved[6], saved[7], saved[8]};
    QCOMPARE(link.records[1], expected); // no reply came: the stored master volume stays
    QVERIFY(link.sentWith("!SETI").isEmpty());

    const QByteArray seti = wire::configurationPacket(link.records[1]);
    for (int k = 0; k < 8; ++k) {
        QCOMPARE(quint8(seti[82 + 2 * k]), quint8((saved[k] >> 8) & 0xFF));
        QCOMPARE(quint8(seti[83 + 2 * k]), quint8(saved[k] & 0xFF));
    }
    QCOMPARE(quint8(seti[134]), quint8(60));
    QCOMPARE(quint8(seti[136]), quint8(saved[8]));
}

void TestSetupAudio::volumeNeverCarriedToAnotherDevice() {
    FakeLink link(2);
    link.records[0] = records::audio();
    link.records[0].MasterVolume = 40;
    link.records[1] = records::audio();
    link.records[1].MasterVolume = 90;
    MessageCatcher messages;
    TfSetupAudio w(&link);
    QCOMPARE(slider(w)->value(), 128);

    // The slider shows the stored volume without telling the device, then asks for the real one.
    w.show();
    QCOMPARE(slider(w)->value(), 40);
    QCOMPARE(link.sentWith(), QVector<QByteArray>{bytes("qMVol", {})});
    QCOMPARE(link.sent[0].device, 0);
    w.IdUDPServer1UDPRead(bytes("aMVol", {200}), QHostAddress::LocalHost);
    QCOMPARE(slider(w)->value(), 200);
    click(w, "Button2");
    QCOMPARE(w.result(), int(ResultCancel));
    QCOMPARE(link.records[0].MasterVolume, 40); // the live volume is not stored by "Close"

    // The second device does not answer: its own stored volume is what gets saved.
    link.sent.clear();
    link.selectedIndex = 1;
    w.show();
    QCOMPARE(slider(w)->value(), 90);
    QCOMPARE(link.sentWith(), QVector<QByteArray>{bytes("qMVol", {})});
    QCOMPARE(link.sent[0].device, 1);
    click(w, "btSaveClose");
    QCOMPARE(link.records[1].MasterVolume, 90);
    QCOMPARE(messages.texts, QStringList{});
}

void TestSetupAudio::reply_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QVector<QByteArray>>("sent");
    QTest::newRow("moves to 200") << 60 << bytes("aMVol", {200}) << 200 << QVector<QByteArray>{setMVol(200)};
    QTest::newRow("moves to 0") << 60 << bytes("aMVol", {0}) << 0 << QVector<QByteArray>{setMVol(0)};
    QTest::newRow("moves to 255") << 60 << bytes("aMVol", {255}) << 255 << QVector<QByteArray>{setMVol(255)};
    QTest::newRow("same position") << 200 << bytes("aMVol", {200}) << 200 << QVector<QByteArray>{};
    QTest::newRow("longer datagram") << 60 << bytes("aMVol", {77, 1, 2, 3}) << 77
                                     << QVector<QByteArray>{setMVol(77)};
    QTest::newRow("short") << 60 << bytes("aMVol", {}) << 60 << QVector<QByteArray>{};
    QTest::newRow("empty") << 60 << QByteArray() << 60 << QVector<QByteArray>{};
    QTest::newRow("first letter") << 60 << bytes("bMVol", {200}) << 60 << QVector<QByteArray>{};
    QTest::newRow("upper case") << 60 << bytes("AMVol", {200}) << 60 << QVector<QByteArray>{};
    QTest::newRow("fifth letter") << 60 << bytes("aMVoL", {200}) << 60 << QVector<QByteArray>{};
    QTest::newRow("other reply") << 60 << bytes("achkSD", {1}) << 60 << QVector<QByteArray>{};
}

void TestSetupAudio::reply() {
    QFETCH(int, stored);
    QFETCH(QByteArray, datagram);
    QFETCH(int, slider);
    QFETCH(QVector<QByteArray>, sent);
    FakeLink link(2);
    link.selectedIndex = 1;
    link.records[1] = records::audio();
    link.records[1].MasterVolume = stored;
    MessageCatcher messages;
    TfSetupAudio w(&link);
    w.show();
    link.sent.clear();
    w.IdUDPServer1UDPRead(datagram, QHostAddress(QStringLiteral("127.0.0.5")));
    QCOMPARE(this->slider(w)->value(), slider);
    QCOMPARE(link.sentWith(), sent);
    for (const SentDatagram &d : link.sent)
        QCOMPARE(d.device, 1);
    click(w, "btSaveClose");
    QCOMPARE(link.records[1].MasterVolume, slider);
    QCOMPARE(quint8(wire::configurationPacket(link.records[1])[134]), quint8(slider));
}

void TestSetupAudio::replyOverLoopback() {
    FakeLink link;
    link.records[0] = records::audio();
    MessageCatcher messages;
    TfSetupAudio w(&link);
    w.show();
    QCOMPARE(messages.texts, QStringList{});
    link.sent.clear();

    // A short datagram, then a real reply: only the reply moves the slider (they arrive in order).
    QUdpSocket device;
    QCOMPARE(device.writeDatagram(bytes("aMVol", {}), QHostAddress::LocalHost, kAudioPort), qint64(5));
    QCOMPARE(device.writeDatagram(bytes("aMVol", {201}), QHostAddress::LocalHost, kAudioPort), qint64(6));
    QTRY_COMPARE(slider(w)->value(), 201);
    QCOMPARE(link.sentWith(), QVector<QByteArray>{setMVol(201)});

    click(w, "Button2");
    QCOMPARE(device.writeDatagram(bytes("aMVol", {9}), QHostAddress::LocalHost, kAudioPort), qint64(6));
    QTest::qWait(100);
    QCOMPARE(slider(w)->value(), 201); // closed: nobody listens any more
    QCOMPARE(link.sentWith("setMVol").size(), 1);
}

void TestSetupAudio::listenerOpenOnlyWhileShown_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Save & Close") << QStringLiteral("save");
    QTest::newRow("Close") << QStringLiteral("close");
    QTest::newRow("close box") << QStringLiteral("box");
    QTest::newRow("Escape") << QStringLiteral("escape");
}

void TestSetupAudio::listenerOpenOnlyWhileShown() {
    QFETCH(QString, way);
    FakeLink link;
    link.records[0] = records::audio();
    MessageCatcher messages;
    TfSetupAudio w(&link);
    QVERIFY(!w.listener()->isOpen());
    for (int round = 0; round < 2; ++round) {
        w.show();
        QVERIFY(w.listener()->isOpen());
        QCOMPARE(w.listener()->port(), kAudioPort);
        QVERIFY(!portFree(kAudioPort));
        if (way == QLatin1String("save"))
            click(w, "btSaveClose");
        else if (way == QLatin1String("close"))
            click(w, "Button2");
        else if (way == QLatin1String("box"))
            w.close();
        else
            QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QVERIFY(!w.listener()->isOpen());
        QVERIFY(portFree(kAudioPort));
    }
    QCOMPARE(link.sentWith("qMVol").size(), 2);
    QCOMPARE(messages.texts, QStringList{});
}

void TestSetupAudio::portHeldByAnotherProgram() {
    FakeLink link;
    link.records[0] = records::audio();
    link.records[0].dap.playLoop = 1;
    TfSetupAudio w(&link);
    auto holder = std::make_unique<QUdpSocket>(); // released even when a check fails
    QVERIFY(holder->bind(QHostAddress::AnyIPv4, kAudioPort, QAbstractSocket::DontShareAddress));

    MessageCatcher messages;
    w.show();
    QTRY_COMPARE(messages.texts.size(), 1);
    QVERIFY(!messages.texts[0].isEmpty()); // the socket layer's own text
    QVERIFY(w.isVisible());
    QVERIFY(!w.listener()->isOpen());
    QVERIFY(link.sentWith("qMVol").isEmpty()); // nobody could hear the answer
    QVERIFY(child<QCheckBox>(w, QStringLiteral("cbPlayLoop"))->isChecked());

    // Still usable: the slider is live and saving works.
    slider(w)->setValue(70);
    QCOMPARE(link.sentWith("setMVol"), QVector<QByteArray>{setMVol(70)});
    click(w, "btSaveClose");
    QCOMPARE(w.result(), int(ResultOk));
    QCOMPARE(link.records[0].MasterVolume, 70);

    // Once the port is free the next showing listens again.
    holder.reset();
    link.sent.clear();
    w.show();
    QVERIFY(w.listener()->isOpen());
    QCOMPARE(link.sentWith(), QVector<QByteArray>{bytes("qMVol", {})});
    QCOMPARE(messages.texts.size(), 1);
    click(w, "Button2");
    QVERIFY(portFree(kAudioPort));
}

void TestSetupAudio::reset_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QVector<QByteArray>>("sent");
    QTest::newRow("already 128") << 128 << QVector<QByteArray>{};
    QTest::newRow("from 50") << 50 << QVector<QByteArray>{setMVol(128)};
    QTest::newRow("from 255") << 255 << QVector<QByteArray>{setMVol(128)};
}

void TestSetupAudio::reset() {
    QFETCH(int, stored);
    QFETCH(QVector<QByteArray>, sent);
    FakeLink link;
    link.records[0] = records::audio();
    link.records[0].MasterVolume = stored;
    MessageCatcher messages;
    TfSetupAudio w(&link);
    w.show();
    link.sent.clear();
    click(w, "Button1");
    QCOMPARE(slider(w)->value(), 128);
    QCOMPARE(link.sentWith(), sent);
    w.reject();
}

void TestSetupAudio::sliderIsLive() {
    FakeLink link(2);
    link.selectedIndex = 1;
    link.records[1] = records::audio();
    MessageCatcher messages;
    TfSetupAudio w(&link);
    w.show();
    link.sent.clear();
    slider(w)->setValue(61);
    slider(w)->triggerAction(QAbstractSlider::SliderSingleStepAdd); // as a user's key press
    slider(w)->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(link.sentWith(), (QVector<QByteArray>{setMVol(61), setMVol(62), setMVol(255)}));
    QCOMPARE(child<QLabel>(w, QStringLiteral("lbMasterVolume"))->text(), QStringLiteral("255"));
    for (const SentDatagram &d : link.sent)
        QCOMPARE(d.device, 1);
    w.close();
    QCOMPARE(w.result(), int(ResultCancel));
    QCOMPARE(link.records[1], records::audio());
}

void TestSetupAudio::versionRestrictions_data() {
    QTest::addColumn<QList<int>>("versions");
    QTest::addColumn<bool>("artNet");
    QTest::newRow("Standard") << QList<int>{kModuleStandard} << false;
    QTest::newRow("Premium after Standard") << QList<int>{kModuleStandard, kModulePremium} << true;
    QTest::newRow("not recognized after Standard") << QList<int>{kModuleStandard, 7} << true;
    QTest::newRow("Standard after Premium") << QList<int>{kModulePremium, kModuleStandard} << false;
}

void TestSetupAudio::versionRestrictions() {
    QFETCH(QList<int>, versions);
    QFETCH(bool, artNet);
    FakeLink link(int(versions.size()));
    MessageCatcher messages;
    TfSetupAudio w(&link);
    showForEachVersion(w, link, versions, records::audio());
    for (const char *c : {"Label17", "Label18"})
        QCOMPARE(child<QLabel>(w, QLatin1String(c))->isEnabled(), artNet);
    for (const char *c : {"cbxNET", "cbxUniverse"})
        QCOMPARE(child<QComboBox>(w, QLatin1String(c))->isEnabled(), artNet);
    for (const char *c : kChannelLists)
        QVERIFY(child<QComboBox>(w, QLatin1String(c))->isEnabled());
    QVERIFY(slider(w)->isEnabled());

    const int last = int(versions.size()) - 1;
    const recUrzadzenia expected = link.records[last];
    click(w, "btSaveClose");
    QCOMPARE(link.records[last], expected);
}

QTEST_MAIN(TestSetupAudio)
#include "tst_setup_audio.moc"
