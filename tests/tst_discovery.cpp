// Which network interfaces the discovery request leaves by, and what is reported when it cannot.
#include "device/discovery.h"
#include "device/udp.h"

#include <QtTest>

using namespace zentri;
Q_DECLARE_METATYPE(QVector<InterfaceInfo>)

namespace {

InterfaceInfo nic(const QString &name, int index, const QString &address, int prefix, bool up = true,
                  bool broadcast = true, bool loopback = false) {
    InterfaceInfo i;
    i.name = name;
    i.index = index;
    i.up = up;
    i.canBroadcast = broadcast;
    i.loopback = loopback;
    if (!address.isEmpty())
        i.addresses.append({QHostAddress(address), prefix});
    return i;
}

} // namespace

class TestDiscovery : public QObject {
    Q_OBJECT
private slots:
    void interfaces_data();
    void interfaces();
    void askedBeyondTheBroadcast_data();
    void askedBeyondTheBroadcast();
    void nothingToSendOn_data();
    void nothingToSendOn();
};

void TestDiscovery::interfaces_data() {
    QTest::addColumn<QVector<InterfaceInfo>>("all");
    QTest::addColumn<QStringList>("expected"); // name/address of each interface used
    const auto lo = nic("lo", 1, "127.0.0.1", 8, true, false, true);
    QTest::newRow("loopback only") << QVector<InterfaceInfo>{lo} << QStringList{};
    QTest::newRow("wired and wireless")
        << QVector<InterfaceInfo>{lo, nic("eth0", 2, "192.168.1.10", 24), nic("wlan0", 3, "10.0.0.5", 16)}
        << QStringList{"eth0/192.168.1.10", "wlan0/10.0.0.5"};
    QTest::newRow("down interface left out")
        << QVector<InterfaceInfo>{nic("eth0", 2, "192.168.1.10", 24, false), nic("eth1", 3, "10.1.0.1", 24)}
        << QStringList{"eth1/10.1.0.1"};
    QTest::newRow("point-to-point left out")
        << QVector<InterfaceInfo>{nic("tun0", 4, "10.8.0.2", 24, true, false), nic("eth1", 3, "10.1.0.1", 24)}
        << QStringList{"eth1/10.1.0.1"};
    QTest::newRow("no IPv4 address left out")
        << QVector<InterfaceInfo>{nic("eth0", 2, "", 0), nic("eth1", 3, "10.1.0.1", 24)}
        << QStringList{"eth1/10.1.0.1"};
    QTest::newRow("one subnet on two interfaces: once")
        << QVector<InterfaceInfo>{nic("eth0", 2, "10.1.0.1", 24), nic("eth1", 3, "10.1.0.2", 24)}
        << QStringList{"eth0/10.1.0.1"};
    QTest::newRow("same network, other prefix: both")
        << QVector<InterfaceInfo>{nic("eth0", 2, "10.1.0.1", 24), nic("eth1", 3, "10.1.0.2", 16)}
        << QStringList{"eth0/10.1.0.1", "eth1/10.1.0.2"};
    auto two = nic("eth0", 2, "10.1.0.1", 24);
    two.addresses.append({QHostAddress("10.2.0.1"), 24});
    QTest::newRow("first address of an interface")
        << QVector<InterfaceInfo>{two} << QStringList{"eth0/10.1.0.1"};
}

void TestDiscovery::interfaces() {
    QFETCH(QVector<InterfaceInfo>, all);
    QFETCH(QStringList, expected);
    QStringList got;
    for (const BroadcastInterface &b : broadcastInterfaces(all))
        got << b.name + '/' + b.address.toString();
    QCOMPARE(got, expected);
}

void TestDiscovery::askedBeyondTheBroadcast_data() {
    // Which of the rig's addresses are asked one by one, when the broadcast leaves by these interfaces.
    QTest::addColumn<QVector<InterfaceInfo>>("all");
    QTest::addColumn<QStringList>("asked");
    const QStringList addresses{"10.1.0.5", "10.1.0.200", "10.2.0.5", "192.168.1.9"};
    QTest::newRow("no broadcast interface: all") << QVector<InterfaceInfo>{} << addresses;
    QTest::newRow("one local /24 is asked by the broadcast")
        << QVector<InterfaceInfo>{nic("eth0", 2, "10.1.0.1", 24)} << QStringList{"10.2.0.5", "192.168.1.9"};
    QTest::newRow("a /16 covers two")
        << QVector<InterfaceInfo>{nic("eth0", 2, "10.1.0.1", 16)} << QStringList{"10.2.0.5", "192.168.1.9"};
    QTest::newRow("a /8 covers three")
        << QVector<InterfaceInfo>{nic("eth0", 2, "10.0.0.1", 8)} << QStringList{"192.168.1.9"};
    QTest::newRow("a down interface broadcasts nothing")
        << QVector<InterfaceInfo>{nic("eth0", 2, "10.1.0.1", 24, false)} << addresses;
}

void TestDiscovery::askedBeyondTheBroadcast() {
    QFETCH(QVector<InterfaceInfo>, all);
    QFETCH(QStringList, asked);
    QVector<QHostAddress> addresses;
    for (const char *a : {"10.1.0.5", "10.1.0.200", "10.2.0.5", "192.168.1.9"})
        addresses << QHostAddress(QLatin1String(a));
    QStringList got;
    for (const QHostAddress &a : beyondBroadcast(addresses, broadcastInterfaces(all)))
        got << a.toString();
    QCOMPARE(got, asked);
}

void TestDiscovery::nothingToSendOn_data() {
    QTest::addColumn<QVector<InterfaceInfo>>("all");
    QTest::addColumn<QString>("only");
    QTest::addColumn<QString>("failure");
    const auto lo = nic("lo", 1, "127.0.0.1", 8, true, false, true);
    QTest::newRow("no broadcast interface")
        << QVector<InterfaceInfo>{lo} << QString() << "no network interface is up and can broadcast";
    QTest::newRow("named interface missing")
        << QVector<InterfaceInfo>{lo} << "eth7"
        << "eth7: no such network interface that is up and can broadcast";
    QTest::newRow("named interface down")
        << QVector<InterfaceInfo>{nic("eth0", 2, "10.1.0.1", 24, false)} << "eth0"
        << "eth0: no such network interface that is up and can broadcast";
}

void TestDiscovery::nothingToSendOn() {
    QFETCH(QVector<InterfaceInfo>, all);
    QFETCH(QString, only);
    QFETCH(QString, failure);
    UdpListener closed; // nothing may be sent, so it need not be open
    const DiscoveryReport r = sendDiscovery(closed, QHostAddress(QHostAddress::Broadcast), only, all);
    QVERIFY(!r.anySent());
    QCOMPARE(r.failures, QStringList{failure});
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
