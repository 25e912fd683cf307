// Sending the discovery request out of every network interface. The limited broadcast leaves only by
// the interface of the routing table's default route, so a PC whose devices sit on a second network
// would never reach them; the request is therefore sent once out of each IPv4 interface that is up and
// can broadcast (one interface per subnet), and the replies come back to the same port-7800 socket.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QTimer;

namespace zentri {

class UdpListener;

// One IPv4 address of a network interface, as the system reports it.
struct InterfaceAddress {
    QHostAddress address;
    int prefixLength = 0;
};

// What the discovery needs to know about a network interface.
struct InterfaceInfo {
    QString name;
    int index = 0;
    bool up = false;
    bool canBroadcast = false;
    bool loopback = false;
    QVector<InterfaceAddress> addresses;
};

// An interface the discovery request leaves by, with the address it is sent from.
struct BroadcastInterface {
    QString name;
    int index = 0;
    QHostAddress address;
    int prefixLength = 0;
};

// The system's interfaces.
QVector<InterfaceInfo> systemInterfaces();

// Those of `all` that are up, can broadcast and have an IPv4 address, in the order given; an interface
// whose first IPv4 subnet an earlier one already covers is left out, so each subnet hears one request.
QVector<BroadcastInterface> broadcastInterfaces(const QVector<InterfaceInfo> &all);

// Those of `addresses` that a broadcast out of `ways` does not reach: the others are asked already, and
// asking them again would have each such device answer twice.
QVector<QHostAddress> beyondBroadcast(const QVector<QHostAddress> &addresses,
                                      const QVector<BroadcastInterface> &ways);

// What one discovery send did: the interfaces (or the address) it went out by, and one text per
// failure, naming the interface.
struct DiscoveryReport {
    QStringList sent;
    QStringList failures;
    bool anySent() const { return !sent.isEmpty(); }
};

// Sends the discovery request from `listener` (which must be open). To the limited broadcast address it
// goes out of every broadcast interface, or only out of `interfaceName` when one is given; to any
// other address (tests aim it at the loopback network) it is one plain datagram. A failing interface
// does not stop the others.
DiscoveryReport sendDiscovery(UdpListener &listener, const QHostAddress &target,
                              const QString &interfaceName = QString(),
                              const QVector<InterfaceInfo> &interfaces = systemInterfaces());

// Asks a list of addresses one by one with the discovery request, as unicast datagrams from the
// listener's port (the replies of devices behind a router come back to it), paced on the event loop so
// that a show network is never flooded: at most kPerTick requests every kTickMs.
class PacedDiscovery : public QObject {
    Q_OBJECT
public:
    static constexpr int kPerTick = 10, kTickMs = 10; // 1000 a second

    explicit PacedDiscovery(UdpListener &listener, QObject *parent = nullptr);
    // Starts again from the first of `addresses` (a run still going is dropped).
    void start(const QVector<QHostAddress> &addresses);
    bool isRunning() const { return next_ < addresses_.size(); }
    // Sends failed so far, one text each.
    const QStringList &failures() const { return failures_; }

signals:
    void finished();

private:
    void tick();

    UdpListener &listener_;
    QVector<QHostAddress> addresses_;
    int next_ = 0;
    QStringList failures_;
    QTimer *timer_;
};

} // namespace zentri
