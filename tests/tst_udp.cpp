// The UDP endpoints on loopback: ordering, bursts, held ports, failing handlers.
#include "device/protocol.h"
#include "device/udp.h"
#include "device/wirelog.h"

#include <QMutex>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>
#include <stdexcept>

using namespace zentri;

namespace {
constexpr quint16 kPort = wire::kMainPort;
const QHostAddress kLocal(QStringLiteral("127.0.0.1"));

// The wire log's lines as "level: text"; the listener's thread writes some of them.
QMutex logMutex;
QStringList wireLines;
QtMessageHandler otherMessages = nullptr;
void catchWireLines(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (qstrcmp(context.category, "zentri.wire") != 0)
        return otherMessages(type, context, text);
    QMutexLocker lock(&logMutex);
    wireLines << (type == QtDebugMsg ? QStringLiteral("debug: ") : QStringLiteral("info: ")) + text;
}
} // namespace

class TestUdp : public QObject {
    Q_OBJECT
private slots:
    void deliversInArrivalOrderWithSender();
    void burstIsNotLost();
    void batchHooksBracketEachDelivery();
    void heldPortIsReportedAndRecovers();
    void failingHandlerKeepsListening();
    void closedListenerDropsQueuedDatagrams();
    void sendsFromItsOwnPort();
    void clientReportsRefusal_data();
    void clientReportsRefusal();
    void queueIsBoundedByWhatItHolds_data();
    void queueIsBoundedByWhatItHolds();
    void logsDatagramsAndWhyTheyAreDropped_data();
    void logsDatagramsAndWhyTheyAreDropped();
};

void TestUdp::deliversInArrivalOrderWithSender() {
    UdpListener listener;
    QVector<QByteArray> got;
    QHostAddress from;
    listener.setHandler([&](const QByteArray &d, const QHostAddress &s) {
        QVERIFY(UdpListener::isHandlingDatagram());
        got.append(d);
        from = s;
    });
    QString error;
    QVERIFY2(listener.open(kPort, &error), qPrintable(error));
    QVERIFY(listener.open(kPort, &error)); // already open: nothing changes

    UdpClient client;
    for (int i = 0; i < 20; ++i)
        QVERIFY(client.send(QByteArray::number(i), kLocal, kPort, &error));
    QTRY_COMPARE(got.size(), 20);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(got[i], QByteArray::number(i));
    QCOMPARE(QHostAddress(from.toIPv4Address()), kLocal);
    QVERIFY(!UdpListener::isHandlingDatagram());
}

void TestUdp::burstIsNotLost() {
    UdpListener listener;
    int count = 0, outOfOrder = 0;
    listener.setHandler([&](const QByteArray &d, const QHostAddress &) {
        if (d.toInt() != count)
            ++outOfOrder;
        ++count;
    });
    QString error;
    QVERIFY(listener.open(kPort, &error));
    UdpClient client;
    const int n = 3000;
    for (int i = 0; i < n; ++i)
        QVERIFY(client.send(QByteArray::number(i).leftJustified(212, ' '), kLocal, kPort, &error));
    QTRY_COMPARE_WITH_TIMEOUT(count, n, 10000);
    QCOMPARE(outOfOrder, 0);
}

void TestUdp::batchHooksBracketEachDelivery() {
    UdpListener listener;
    int count = 0, outside = 0, batches = 0, open = 0;
    bool inBatch = false;
    listener.setHandler([&](const QByteArray &, const QHostAddress &) {
        if (!inBatch)
            ++outside;
        ++count;
    });
    listener.setBatchHooks(
        [&] {
            if (inBatch)
                ++open; // a batch began inside another
            inBatch = true;
        },
        [&] {
            QVERIFY(UdpListener::isHandlingDatagram()); // still part of the reply handling
            inBatch = false;
            ++batches;
        });
    QString error;
    QVERIFY(listener.open(kPort, &error));
    UdpClient client;
    const int n = 2000;
    for (int i = 0; i < n; ++i)
        QVERIFY(client.send(QByteArray::number(i).leftJustified(212, ' '), kLocal, kPort, &error));
    QTRY_COMPARE_WITH_TIMEOUT(count, n, 10000);
    QTRY_VERIFY(!inBatch);
    QCOMPARE(outside, 0);
    QCOMPARE(open, 0);
    QVERIFY(batches >= 1 && batches <= n);
    qInfo("%d datagrams in %d batches", n, batches);
}

void TestUdp::heldPortIsReportedAndRecovers() {
    auto holder = std::make_unique<QUdpSocket>();
    QVERIFY(holder->bind(QHostAddress::AnyIPv4, kPort));
    UdpListener listener;
    QString error;
    QVERIFY(!listener.open(kPort, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!listener.isOpen());
    holder.reset();
    QVERIFY2(listener.open(kPort, &error), qPrintable(error));
}

void TestUdp::failingHandlerKeepsListening() {
    UdpListener listener;
    QVector<QByteArray> got;
    listener.setHandler([&](const QByteArray &d, const QHostAddress &) {
        if (d == "bad")
            throw std::runtime_error("handler failure");
        got.append(d);
    });
    QString error;
    QVERIFY(listener.open(kPort, &error));
    UdpClient client;
    for (const char *d : {"a", "bad", "b"})
        QVERIFY(client.send(d, kLocal, kPort, &error));
    QTRY_COMPARE(got.size(), 2);
    QCOMPARE(got, (QVector<QByteArray>{"a", "b"}));
}

void TestUdp::closedListenerDropsQueuedDatagrams() {
    UdpListener listener;
    int count = 0;
    listener.setHandler([&](const QByteArray &, const QHostAddress &) { ++count; });
    QString error;
    QVERIFY(listener.open(kPort, &error));
    UdpClient client;
    QVERIFY(client.send("x", kLocal, kPort, &error));
    QThread::msleep(50); // received on the listener's thread, not yet handled here
    listener.close();
    QCoreApplication::processEvents();
    QCOMPARE(count, 0);
    QVERIFY(listener.open(kPort, &error));
    QVERIFY(client.send("z", kLocal, kPort, &error));
    QTRY_COMPARE(count, 1);
}

void TestUdp::sendsFromItsOwnPort() {
    QUdpSocket peer;
    QVERIFY(peer.bind(kLocal, wire::kDevicePort));
    UdpListener listener;
    QString error;
    QVERIFY(listener.open(kPort, &error));
    QVERIFY(listener.send(wire::discoveryRequest(), kLocal, wire::kDevicePort, &error));
    QTRY_VERIFY(peer.hasPendingDatagrams());
    QNetworkDatagram d = peer.receiveDatagram();
    QCOMPARE(d.senderPort(), int(kPort));
    QCOMPARE(d.data(), wire::discoveryRequest());
    listener.close();
    QVERIFY(!listener.send("x", kLocal, wire::kDevicePort, &error));
}

void TestUdp::clientReportsRefusal_data() {
    QTest::addColumn<QString>("address");
    QTest::newRow("not an address") << "no.such.address";
    QTest::newRow("empty") << "";
}

void TestUdp::clientReportsRefusal() {
    QFETCH(QString, address);
    UdpClient client;
    QString error;
    QVERIFY(!client.send("RESE", QHostAddress(address), wire::kDevicePort, &error));
    QVERIFY(!error.isEmpty());
}

void TestUdp::queueIsBoundedByWhatItHolds_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("drops");
    // Small datagrams cost their own bytes, not the receive buffer's: 20,000 of them fit easily.
    QTest::newRow("small") << 10 << 20000 << false;
    // Full-size datagrams behind a GUI thread that handles nothing fill the queue's bound.
    QTest::newRow("full size") << wire::kReceiveBufferSize << 9000 << true;
}

void TestUdp::queueIsBoundedByWhatItHolds() {
    QFETCH(int, size);
    QFETCH(int, count);
    QFETCH(bool, drops);
    UdpListener listener;
    QVector<int> got;
    listener.setHandler([&](const QByteArray &d, const QHostAddress &) { got.append(d.left(8).toInt()); });
    QString error;
    QVERIFY2(listener.open(kPort, &error), qPrintable(error));

    // The GUI thread sends and handles nothing meanwhile; the listener's thread keeps receiving.
    QUdpSocket sender;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer wait;
        wait.start();
        while (listener.receivedCount() + 16 < static_cast<quint64>(i) && wait.elapsed() < 5000)
            QThread::yieldCurrentThread();
        QByteArray d = QByteArray::number(i).leftJustified(8, ' ');
        d = d.leftJustified(size, 'x');
        QCOMPARE(sender.writeDatagram(d, kLocal, kPort), qint64(size));
    }
    QElapsedTimer wait;
    wait.start();
    while (listener.receivedCount() < static_cast<quint64>(count) && wait.elapsed() < 5000)
        QThread::msleep(1); // no event processing: nothing is handled yet
    QCOMPARE(listener.receivedCount(), static_cast<quint64>(count));

    const int kept = listener.pendingCount();
    QCOMPARE(listener.droppedCount(), static_cast<quint64>(count - kept));
    QCOMPARE(listener.droppedCount() > 0, drops);
    QVERIFY(static_cast<qint64>(kept) * size <= UdpListener::kMaxQueuedBytes);
    // What was kept is handled in order: the oldest datagrams, none missing between them.
    listener.deliverPending();
    QCOMPARE(got.size(), kept);
    for (int i = 0; i < kept; ++i)
        QCOMPARE(got[i], i);
    // Once handled, the queue takes datagrams again.
    QCOMPARE(sender.writeDatagram(QByteArray("again"), kLocal, kPort), qint64(5));
    QTRY_COMPARE(got.size(), kept + 1);
}

void TestUdp::logsDatagramsAndWhyTheyAreDropped_data() {
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("port");
    QTest::addColumn<QStringList>("lines"); // {client} is the sending client's port
    const QString on = QStringLiteral("zentri.*.debug=true");
    const QByteArray info = wire::infoReply({}, 1, 1, 0, QByteArray(6, 0));
    QTest::newRow("off by default") << QString() << info.left(100) << 7800 << QStringList();
    QTest::newRow("taken")
        << on << info << 7800
        << QStringList{"debug: sent to 127.0.0.1:7800 from port {client}: \"AGETI\", 212 bytes",
                       "debug: received from 127.0.0.1:{client} on port 7800: \"AGETI\", 212 bytes"};
    QTest::newRow("too short")
        << on << info.left(100) << 7800
        << QStringList{"debug: sent to 127.0.0.1:7800 from port {client}: \"AGETI\", 100 bytes",
                       "debug: received from 127.0.0.1:{client} on port 7800: \"AGETI\", 100 bytes",
                       "info: dropped from 127.0.0.1:{client} on port 7800: \"AGETI\" too short "
                       "(got 100 of 212 bytes)"};
    QTest::newRow("wrong port")
        << on << wire::sdCardReply(true) << 7803
        << QStringList{"debug: sent to 127.0.0.1:7803 from port {client}: \"achkSD\", 7 bytes",
                       "debug: received from 127.0.0.1:{client} on port 7803: \"achkSD\", 7 bytes",
                       "info: dropped from 127.0.0.1:{client} on port 7803: unknown leading "
                       "letters \"achkSD\""};
    QTest::newRow("binary")
        << on << QByteArray("\x00\xff\x13", 3) << 7802
        << QStringList{
               "debug: sent to 127.0.0.1:7802 from port {client}: (no letters: 00 ff 13), 3 bytes",
               "debug: received from 127.0.0.1:{client} on port 7802: (no letters: 00 ff 13), 3 bytes",
               "info: dropped from 127.0.0.1:{client} on port 7802: unknown leading letters "
               "(no letters: 00 ff 13)"};
    QTest::newRow("placeholders")
        << on << QByteArray("%2%1 x") << 7801
        << QStringList{"debug: sent to 127.0.0.1:7801 from port {client}: \"%2%1\", 6 bytes",
                       "debug: received from 127.0.0.1:{client} on port 7801: \"%2%1\", 6 bytes",
                       "info: dropped from 127.0.0.1:{client} on port 7801: unknown leading "
                       "letters \"%2%1\""};
    QTest::newRow("drops only")
        << QStringLiteral("zentri.wire.info=true") << info.left(5) << 7800
        << QStringList{"info: dropped from 127.0.0.1:{client} on port 7800: \"AGETI\" too short "
                       "(got 5 of 212 bytes)"};
}

void TestUdp::logsDatagramsAndWhyTheyAreDropped() {
    QFETCH(QString, rules);
    QFETCH(QByteArray, datagram);
    QFETCH(int, port);
    QFETCH(QStringList, lines);
    QLoggingCategory::setFilterRules(rules);
    wireLines.clear();
    otherMessages = qInstallMessageHandler(catchWireLines);
    auto restore = qScopeGuard([] {
        qInstallMessageHandler(otherMessages);
        QLoggingCategory::setFilterRules({});
    });

    UdpListener listener;
    int handled = 0;
    listener.setHandler([&](const QByteArray &, const QHostAddress &) { ++handled; });
    QString error;
    QVERIFY2(listener.open(quint16(port), &error), qPrintable(error));
    UdpClient client;
    QVERIFY(client.send(datagram, kLocal, quint16(port), &error));
    QTRY_COMPARE(handled, 1); // the listener logs before it hands the datagram over
    lines.replaceInStrings(QStringLiteral("{client}"), QString::number(client.localPort()));
    QMutexLocker lock(&logMutex);
    wireLines.sort(); // the two threads write in either order
    lines.sort();
    QCOMPARE(wireLines, lines);
}

QTEST_GUILESS_MAIN(TestUdp)
#include "tst_udp.moc"
