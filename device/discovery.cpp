#include "discovery.h"

#include "address.h"
#include "protocol.h"
#include "udp.h"
#include <QCoreApplication>

#include <QNetworkInterface>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <algorithm>

namespace zentri {

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::discovery)
};
} // namespace

QVector<InterfaceInfo> systemInterfaces() {
    QVector<InterfaceInfo> out;
    const auto all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &i : all) {
        InterfaceInfo info;
        info.name = i.name();
        info.index = i.index();
        info.up = i.flags().testFlag(QNetworkInterface::IsUp);
        info.canBroadcast = i.flags().testFlag(QNetworkInterface::CanBroadcast);
        info.loopback = i.flags().testFlag(QNetworkInterface::IsLoopBack);
        const auto entries = i.addressEntries();
        for (const QNetworkAddressEntry &e : entries)
            if (e.ip().protocol() == QAbstractSocket::IPv4Protocol)
                info.addresses.append({e.ip(), e.prefixLength()});
        out.append(info);
    }
    return out;
}

QVector<BroadcastInterface> broadcastInterfaces(const QVector<InterfaceInfo> &all) {
    QVector<BroadcastInterface> out;
    QSet<quint64> subnets; // network address and prefix length of every subnet already covered
    for (const InterfaceInfo &i : all) {
        if (!i.up || !i.canBroadcast || i.loopback || i.addresses.isEmpty() || i.index <= 0)
            continue;
        const InterfaceAddress &a = i.addresses.first();
        const quint32 network = a.address.toIPv4Address() & subnetMask(a.prefixLength);
        const quint64 key = (quint64(network) << 8) | quint64(a.prefixLength & 0xFF);
        if (subnets.contains(key))
            continue;
        subnets.insert(key);
        out.append({i.name, i.index, a.address, a.prefixLength});
    }
    return out;
}

QVector<QHostAddress> beyondBroadcast(const QVector<QHostAddress> &addresses,
                                      const QVector<BroadcastInterface> &ways) {
    QVector<QHostAddress> out;
    for (const QHostAddress &a : addresses) {
        const bool reached = std::any_of(ways.begin(), ways.end(), [&](const BroadcastInterface &w) {
            const quint32 mask = subnetMask(w.prefixLength);
            return (a.toIPv4Address() & mask) == (w.address.toIPv4Address() & mask);
        });
        if (!reached)
            out.append(a);
    }
    return out;
}

DiscoveryReport sendDiscovery(UdpListener &listener, const QHostAddress &target, const QString &interfaceName,
                              const QVector<InterfaceInfo> &interfaces) {
    DiscoveryReport report;
    const QByteArray request = wire::discoveryRequest();
    QString error;
    if (target != QHostAddress(QHostAddress::Broadcast)) {
        if (listener.send(request, target, wire::kDevicePort, &error))
            report.sent << target.toString();
        else
            report.failures << Words::tr("%1: %2").arg(target.toString(), error);
        return report;
    }
    QVector<BroadcastInterface> ways = broadcastInterfaces(interfaces);
    if (!interfaceName.isEmpty()) {
        QVector<BroadcastInterface> named;
        for (const BroadcastInterface &b : ways)
            if (b.name == interfaceName)
                named.append(b);
        if (named.isEmpty()) {
            report.failures
                << Words::tr("%1: no such network interface that is up and can broadcast").arg(interfaceName);
            return report;
        }
        ways = named;
    }
    if (ways.isEmpty()) {
        report.failures << Words::tr("no network interface is up and can broadcast");
        return report;
    }
    for (const BroadcastInterface &b : ways) {
        if (listener.sendVia(request, target, wire::kDevicePort, b.index, b.address, &error))
            report.sent << b.name;
        else
            report.failures << Words::tr("%1: %2").arg(b.name, error);
    }
    return report;
}

PacedDiscovery::PacedDiscovery(UdpListener &listener, QObject *parent)
    : QObject(parent), listener_(listener), timer_(new QTimer(this)) {
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &PacedDiscovery::tick);
}

void PacedDiscovery::start(const QVector<QHostAddress> &addresses) {
    addresses_ = addresses;
    next_ = 0;
    failures_.clear();
    tick();
    if (isRunning())
        timer_->start();
}

void PacedDiscovery::tick() {
    const QByteArray request = wire::discoveryRequest();
    QString error;
    for (int sent = 0; sent < kPerTick && isRunning(); ++sent, ++next_)
        if (!listener_.send(request, addresses_[next_], wire::kDevicePort, &error))
            failures_ << Words::tr("%1: %2").arg(addresses_[next_].toString(), error);
    if (!isRunning()) {
        timer_->stop();
        emit finished();
    }
}

} // namespace zentri
