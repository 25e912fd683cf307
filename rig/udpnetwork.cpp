#include "udpnetwork.h"

#include "device/protocol.h"

namespace zentri::rig {

UdpNetwork::UdpNetwork(const QHostAddress &target, const QString &interfaceName, QObject *parent)
    : Network(parent), target_(target), interface_(interfaceName) {
    listener_.setHandler([this](const QByteArray &data, const QHostAddress &sender) {
        const QHostAddress v4(sender.toIPv4Address());
        if (wire::isInfoReply(data)) {
            if (auto rec = wire::parseInfoReply(data, v4.toString()))
                emit infoReply(*rec);
        } else if (wire::isSdCardReply(data)) {
            if (auto present = wire::parseSdCardReply(data))
                emit sdCardReply(v4.toString(), *present);
        }
        if (other_)
            other_(data, v4);
    });
}

bool UdpNetwork::listen(QString *error) {
    return listener_.open(wire::kMainPort, error);
}

DiscoveryReport UdpNetwork::discover() {
    return sendDiscovery(listener_, target_, interface_);
}

QVector<BroadcastInterface> UdpNetwork::broadcastWays() const {
    QVector<BroadcastInterface> ways;
    if (target_ == QHostAddress(QHostAddress::Broadcast))
        for (const BroadcastInterface &w : broadcastInterfaces(systemInterfaces()))
            if (interface_.isEmpty() || w.name == interface_)
                ways.append(w);
    return ways;
}

bool UdpNetwork::ask(const QHostAddress &to, QString *error) {
    return listener_.send(wire::discoveryRequest(), to, wire::kDevicePort, error);
}

bool UdpNetwork::send(const QHostAddress &to, const QByteArray &datagram, QString *error) {
    return client_.send(datagram, to, wire::kDevicePort, error);
}

} // namespace zentri::rig
