// The main window on a PC with two networks, the default route on the first, one emulated device on
// each: "Find devices" finds both, each once. Run by tests/e2e/two_networks.sh, which makes the hosts.
#include "app/application.h"
#include "app/devicetable.h"
#include "app/mainwindow.h"
#include "device/discovery.h"
#include "device/protocol.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace zentri;

namespace {

QString tag() {
    return qEnvironmentVariable("ZENTRI_NET_TAG");
}

// Only the test's own networks: the loopback, the broadcast and the two device subnets.
bool ownNetworksOnly(const QHostAddress &to, quint16 port) {
    if (to.isLoopback() || to == QHostAddress(QHostAddress::Broadcast) ||
        to.isInSubnet(QHostAddress(QStringLiteral("10.80.0.0")), 16))
        return true;
    qFatal("test bug: a datagram to %s:%u would leave the test's networks", qPrintable(to.toString()),
           unsigned(port));
}

} // namespace

class TestTwoNetworks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bothDevicesFoundEachOnce();
    void aFailingInterfaceDoesNotStopTheOthers();

private:
    // Waits until both devices have answered an SD card query sent after the info replies: replies
    // of one device arrive in order, so any second info reply would have been handled by then.
    void settle();
    QWidget *main() { return windows->MainForm.get(); }
    std::unique_ptr<Windows> windows;
    int sdReplies = 0;
};

void TestTwoNetworks::initTestCase() {
    if (qEnvironmentVariable("ZENTRI_E2E_NETWORKS") != QLatin1String("1") || tag().isEmpty())
        QSKIP("runs only on the two networks that tests/e2e/two_networks.sh makes");
    // Refuse to broadcast anywhere but on the hosts that the script made.
    const auto ways = broadcastInterfaces(systemInterfaces());
    QCOMPARE(ways.size(), 2);
    for (const BroadcastInterface &b : ways)
        QVERIFY2(b.name.startsWith(tag()), qPrintable(b.name));
    setDestinationCheck(&ownNetworksOnly);
    windows = std::make_unique<Windows>();
    windows->MainForm->show();
}

void TestTwoNetworks::settle() {
    const DeviceArray &devices = windows->MainForm->devices();
    UdpClient client;
    QString error;
    const int before = sdReplies;
    auto *listener = windows->MainForm->listener();
    listener->setHandler([this](const QByteArray &data, const QHostAddress &sender) {
        if (wire::isSdCardReply(data))
            ++sdReplies;
        windows->MainForm->UDPsvrUDPRead(data, sender);
    });
    for (const recUrzadzenia &d : devices)
        QVERIFY(client.send(wire::sdCardQuery(), QHostAddress(d.IP), wire::kDevicePort, &error));
    QTRY_COMPARE_WITH_TIMEOUT(sdReplies - before, 2, 10000);
}

void TestTwoNetworks::bothDevicesFoundEachOnce() {
    windows->MainForm->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(windows->MainForm->devices().size(), 2, 10000);
    settle();
    QCOMPARE(windows->MainForm->devices().size(), 2);
    QSet<QString> ips;
    for (const recUrzadzenia &d : windows->MainForm->devices())
        ips << d.IP;
    QCOMPARE(ips, (QSet<QString>{"10.80.1.2", "10.80.2.2"}));
    QCOMPARE(main()->findChild<QLabel *>(QStringLiteral("sb1Panel0"))->text(),
             QStringLiteral("Select device"));
}

void TestTwoNetworks::aFailingInterfaceDoesNotStopTheOthers() {
    // An interface that vanished between the listing and the sending, listed first.
    QVector<InterfaceInfo> interfaces = systemInterfaces();
    InterfaceInfo ghost;
    ghost.name = tag() + QStringLiteral("ghost");
    ghost.index = 999999;
    ghost.up = ghost.canBroadcast = true;
    ghost.addresses.append({QHostAddress(QStringLiteral("10.80.9.1")), 24});
    interfaces.prepend(ghost);
    windows->MainForm->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(windows->MainForm->devices().size(), 2, 10000);
    settle();
    windows->MainForm->clearDeviceTable();

    const DiscoveryReport r = sendDiscovery(*windows->MainForm->listener(),
                                            QHostAddress(QHostAddress::Broadcast), QString(), interfaces);
    QCOMPARE(r.sent.size(), 2);
    QCOMPARE(r.failures.size(), 1);
    QVERIFY2(r.failures.first().startsWith(ghost.name + QStringLiteral(": ")),
             qPrintable(r.failures.first()));
    QTRY_COMPARE_WITH_TIMEOUT(windows->MainForm->devices().size(), 2, 10000);
}

QTEST_MAIN(TestTwoNetworks)
#include "tst_e2e_networks.moc"
