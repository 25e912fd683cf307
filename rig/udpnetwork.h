// The rig engine's network on a reply-port listener of its own: for the programs that run without the
// main window (zentrictl, the watch service).
#pragma once

#include "device/udp.h"
#include "network.h"

namespace zentri::rig {

class UdpNetwork : public Network {
    Q_OBJECT
public:
    // The discovery goes to `target` (the limited broadcast, out of every interface, or only out of
    // `interfaceName`); tests aim it at one loopback address.
    explicit UdpNetwork(const QHostAddress &target = QHostAddress(QHostAddress::Broadcast),
                        const QString &interfaceName = QString(), QObject *parent = nullptr);

    void setDiscovery(const QHostAddress &target, const QString &interfaceName) {
        target_ = target;
        interface_ = interfaceName;
    }
    // Opens the listener on the reply port; false with the socket layer's reason.
    bool listen(QString *error);
    UdpListener &listener() { return listener_; }
    // Every other datagram that arrives, for the caller's own questions.
    void setOtherHandler(UdpListener::Handler handler) { other_ = std::move(handler); }

    DiscoveryReport discover() override;
    QVector<BroadcastInterface> broadcastWays() const override;
    bool ask(const QHostAddress &to, QString *error) override;
    bool send(const QHostAddress &to, const QByteArray &datagram, QString *error) override;

private:
    QHostAddress target_;
    QString interface_;
    UdpListener listener_;
    UdpClient client_;
    UdpListener::Handler other_;
};

} // namespace zentri::rig
