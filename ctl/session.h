// What zentrictl's commands share: the port-7800 listener for the replies, the client for the
// commands, and waiting for the reply a command needs.
#pragma once

#include "device/records.h"
#include "device/udp.h"
#include "rig/confirmation.h"
#include "rig/rigfile.h"
#include "rig/udpnetwork.h"

#include <QHostAddress>
#include <QVector>
#include <functional>
#include <map>
#include <optional>

namespace zentri::ctl {

class Session {
public:
    Session();

    // Opens the listener on port 7800; false with the reason in `error`.
    bool listen(QString *error);
    bool send(const QByteArray &datagram, const QHostAddress &to, QString *error);

    // Every datagram received so far, in order of arrival.
    const QVector<Datagram> &received() const { return received_; }
    // Runs the event loop until `done` holds for what was received or `ms` have passed; true if it held.
    bool waitUntil(const std::function<bool()> &done, int ms);

    // The device's info reply by a discovery request to its own address: the first reply whose sender is
    // `ip` that arrives after the call, within `ms`.
    std::optional<recUrzadzenia> query(const QHostAddress &ip, int ms, QString *error);
    // The device's SD card state, the same way.
    std::optional<bool> sdCard(const QHostAddress &ip, int ms, QString *error);

    // One discovery round: the request broadcast out of every interface (or `interfaceName`, or sent
    // to `target` alone), then to each of `extra` one by one, paced; the answers for `ms` after that.
    // Each address that answers is asked for its SD card; the devices of `rig` that stay silent are
    // asked again by themselves. Requests that could not be sent are printed at the end.
    struct Found {
        QVector<recUrzadzenia> answers; // once per device (MAC and address), in order of the first answer
        std::map<QString, bool> sdCard; // by IP
        bool anySent = false;
    };
    Found discover(const QHostAddress &target, const QString &interfaceName,
                   const QVector<QHostAddress> &extra, int ms, const rig::Rig *rig = nullptr);

    // Sends each "!SETI" and confirms it, sending again while a device reports otherwise.
    QVector<rig::Outcome> carryOut(const QVector<rig::Send> &sends);

    // After sending `sent` to the device at `ip`: asks it again until it reports those settings or
    // `ms` have passed. The last answer, if any, and whether it reports them.
    struct Check {
        std::optional<recUrzadzenia> now;
        bool confirmed = false;
    };
    Check confirm(const QHostAddress &ip, const recUrzadzenia &sent, int ms);

private:
    rig::UdpNetwork network_;
    QVector<Datagram> received_;
};

} // namespace zentri::ctl
