// What the rig engine needs of the network, and nothing more: the requests it sends and the replies
// it is given. The windows put it on the main window (whose listener owns the reply port), zentrictl
// and the watch service on a listener of their own (UdpNetwork), and the tests on a fake.
#pragma once

#include "device/discovery.h"
#include "device/records.h"

#include <QHostAddress>
#include <QObject>
#include <QVector>

namespace zentri::rig {

class Network : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The discovery request as "Find devices" sends it (out of every broadcast interface).
    virtual DiscoveryReport discover() = 0;
    // The interfaces discover() reaches devices by: an address behind none of them must be asked by
    // itself. Empty when the discovery is aimed at a single address (tests).
    virtual QVector<BroadcastInterface> broadcastWays() const = 0;
    // The discovery request to one address, from the reply port (devices behind a router answer to it).
    virtual bool ask(const QHostAddress &to, QString *error) = 0;
    // One datagram to port 6454 of `to` (the SD card query, "!SETI").
    virtual bool send(const QHostAddress &to, const QByteArray &datagram, QString *error) = 0;
    // The info replies of the last discovery made outside the engine's rounds (the main window's own
    // "Find devices"), in order of arrival; none where there is no such discovery.
    virtual QVector<recUrzadzenia> devicesFound() const { return {}; }

signals:
    // An info reply; the record's IP is its sender's.
    void infoReply(const zentri::recUrzadzenia &record);
    void sdCardReply(const QString &ip, bool present);
};

} // namespace zentri::rig
