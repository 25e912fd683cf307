// A scripted Zentri device on a loopback address: it records what it receives on port 6454 and sends
// the replies a test asks for to the manager's fixed ports.
#pragma once

#include "device/protocol.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>

class FakeDevice {
public:
    explicit FakeDevice(const QString &address) : address_(address) {
        if (!socket_.bind(address_, zentri::wire::kDevicePort))
            qFatal("cannot bind %s:6454: %s", qPrintable(address), qPrintable(socket_.errorString()));
    }

    QString ip() const { return address_.toString(); }

    // Everything received since the last call.
    QVector<QByteArray> take() {
        QVector<QByteArray> out;
        while (socket_.hasPendingDatagrams())
            out.append(socket_.receiveDatagram().data());
        return out;
    }
    // Waits until a datagram starting with `word` arrives; returns it (empty on time-out).
    QByteArray waitFor(const char *word, int timeoutMs = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            for (const QByteArray &d : take())
                if (d.startsWith(word))
                    return d;
            QTest::qWait(5);
        }
        return {};
    }

    void reply(const QByteArray &datagram, quint16 port = zentri::wire::kMainPort) {
        socket_.writeDatagram(datagram, QHostAddress(QStringLiteral("127.0.0.1")), port);
    }
    void replyInfo(const zentri::recUrzadzenia &rec, int fwMajor = 1, int fwMinor = 12) {
        reply(zentri::wire::infoReply(rec, 1, fwMajor, fwMinor, QByteArray::fromHex("001A2B3C4D5E")));
    }

private:
    QHostAddress address_;
    QUdpSocket socket_;
};
