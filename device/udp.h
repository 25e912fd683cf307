// UDP endpoints: the client through which every command leaves, and the listeners on the fixed
// desktop ports. A listener receives on a thread of its own so that the kernel buffer is drained even
// while the GUI thread is busy; datagrams are handed to the GUI thread and handled there one at a time,
// in arrival order.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMutex>
#include <QObject>
#include <QString>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QThread;
class QUdpSocket;

namespace zentri {

// A check that every outgoing datagram's destination must pass before it leaves; without one (the
// program's own case) every destination is allowed. The test suites install one that stops the run at
// the first datagram aimed outside the loopback network.
using DestinationCheck = bool (*)(const QHostAddress &to, quint16 port);
void setDestinationCheck(DestinationCheck check);

// One datagram through the socket `fd`, as sendmsg(2) sends it: the bytes sent, or -1 with errno set.
// With an interface index it leaves through that interface, with a source address from that address
// (IP_PKTINFO); with neither, as the routing table chooses.
qint64 sendDatagram(int fd, const QByteArray &data, const QHostAddress &to, quint16 port,
                    int interfaceIndex = 0, const QHostAddress &source = {});

struct Datagram {
    QByteArray data;
    QHostAddress sender;
    quint16 senderPort = 0;
};

// The client socket `UDPcl`: bound to a free port at its first send, open until the program ends.
class UdpClient : public QObject {
    Q_OBJECT
public:
    explicit UdpClient(QObject *parent = nullptr);
    ~UdpClient() override;

    // Sends one datagram; on a refusal by the socket layer returns false with its text in `error`.
    bool send(const QByteArray &data, const QHostAddress &to, quint16 port, QString *error);
    quint16 localPort() const;

private:
    QUdpSocket *socket_ = nullptr;
};

class ListenerWorker;

// A listener on one fixed local port (all local IPv4 addresses).
class UdpListener : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QByteArray &data, const QHostAddress &sender)>;

    explicit UdpListener(QObject *parent = nullptr);
    ~UdpListener() override;

    void setHandler(Handler handler) { handler_ = std::move(handler); }
    // Called on the GUI thread around each run of handlers: `begin` before the first datagram that one
    // delivery hands over, `end` after its last, so that a window can show a whole batch of replies in
    // one change instead of one change per reply.
    void setBatchHooks(std::function<void()> begin, std::function<void()> end) {
        batchBegin_ = std::move(begin);
        batchEnd_ = std::move(end);
    }

    // Binds the port; true if open afterwards (also when it already was). On failure `error` gets the
    // socket layer's text.
    bool open(quint16 port, QString *error);
    void close();
    bool isOpen() const { return open_; }
    quint16 port() const { return port_; }

    // Sends from the listener's own socket (the discovery broadcast leaves from port 7800; Qt enables
    // broadcasting on every UDP socket).
    bool send(const QByteArray &data, const QHostAddress &to, quint16 port, QString *error);
    // The same, out of one network interface (its index) with `source` as the sender address: a
    // broadcast to 255.255.255.255 then leaves by that interface, whatever the routing table says.
    bool sendVia(const QByteArray &data, const QHostAddress &to, quint16 port, int interfaceIndex,
                 const QHostAddress &source, QString *error);

    // True while a datagram handler of any listener runs on this thread.
    static bool isHandlingDatagram();

    // Handles every datagram that has been received so far (tests use it to flush a listener).
    void deliverPending();

    // Datagrams taken from the socket since the listener was made, and those of them dropped because
    // the queue for the GUI thread already held kMaxQueuedBytes (a flood faster than the handlers).
    quint64 receivedCount() const { return received_.load(); }
    quint64 droppedCount() const { return dropped_.load(); }
    // Datagrams received but not handled yet (GUI thread).
    int pendingCount();

    // Upper bound of the bytes waiting for the GUI thread; beyond it new datagrams are dropped, as
    // the kernel drops them when its own buffer is full.
    static constexpr qsizetype kMaxQueuedBytes = 64 * 1024 * 1024;

private:
    friend class ListenerWorker;
    void enqueue(std::deque<Datagram> &&batch, quint16 port);
    void scheduleDelivery(bool takenLeft = false);
    void deliverSlice();
    std::optional<Datagram> takeNext();
    void handle(const Datagram &d);
    void beginBatch();
    void endBatch();

    Handler handler_;
    std::function<void()> batchBegin_, batchEnd_;
    bool inBatch_ = false;
    QThread *thread_ = nullptr;
    ListenerWorker *worker_ = nullptr;
    bool open_ = false;
    quint16 port_ = 0;

    QMutex mutex_;
    std::deque<Datagram> queue_;             // received, not yet taken by the GUI thread
    std::deque<Datagram> taken_;             // GUI thread only: taken from queue_, handled front first
    std::atomic<qsizetype> waitingBytes_{0}; // what queue_ and taken_ hold, as queuedCost counts it
    std::atomic<quint64> received_{0};
    std::atomic<quint64> dropped_{0};
    bool posted_ = false;     // a delivery is queued on the GUI thread
    bool delivering_ = false; // guards against re-entry from a nested event loop
};

} // namespace zentri
