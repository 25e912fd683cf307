// Sends the emulator's datagrams through its one port-6454 socket, each from its own device's
// address (IP_PKTINFO), so that a thousand devices on a thousand addresses need one socket only.
// Datagrams that the kernel cannot take at once wait in a queue and are retried, in order.
#pragma once

#include "emulator_core.h"

#include <QObject>
#include <QSet>
#include <QTimer>
#include <deque>

class QUdpSocket;

namespace zentri::emu {

class ReplySender : public QObject {
    Q_OBJECT
public:
    explicit ReplySender(QUdpSocket *socket, QObject *parent = nullptr);

    void send(const QVector<Outgoing> &datagrams);

    // Asks the kernel for large send and receive buffers (beyond the system's limit where allowed).
    static void enlargeBuffers(QUdpSocket *socket, int bytes);

signals:
    // A problem worth telling the operator (printed on stderr).
    void warning(const QString &text);

private:
    enum class Result { Sent, Retry, Failed };
    void flush();
    Result sendOne(const Outgoing &d, bool withSource, int *error);

    QUdpSocket *socket_;
    std::deque<Outgoing> queue_;
    QTimer retry_;
    qint64 stalledSinceMs_ = -1;
    qint64 dropped_ = 0;
    QSet<quint32> foreignSources_; // device addresses the system would not send from
};

} // namespace zentri::emu
