#include "session.h"
#include "cli.h"

#include "device/configfile.h"
#include "device/discovery.h"
#include "device/portholder.h"
#include "device/protocol.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSet>
#include <QTimer>

namespace zentri::ctl {

namespace {
// How often a request is sent again while its reply is awaited (UDP may lose one).
constexpr int kRepeatMs = 300;

// Sends a request to `ip` by `send` until `parse` reads a reply from `ip` that arrives after the call,
// or `ms` have passed; "IP did not answer" in `error` then.
template <typename Send, typename Parse>
auto ask(Session &session, const QHostAddress &ip, int ms, QString *error, Send send, Parse parse) {
    const int from = static_cast<int>(session.received().size());
    decltype(parse(QByteArray())) found;
    QElapsedTimer clock;
    clock.start();
    while (!found && clock.elapsed() < ms) {
        if (!send())
            return found;
        session.waitUntil(
            [&] {
                const QVector<Datagram> &received = session.received();
                for (int i = from; i < received.size() && !found; ++i)
                    if (received[i].sender == ip)
                        found = parse(received[i].data);
                return found.has_value();
            },
            int(std::min<qint64>(kRepeatMs, ms - clock.elapsed())));
    }
    if (!found)
        *error = QStringLiteral("%1 did not answer").arg(ip.toString());
    return found;
}

} // namespace

Session::Session() {
    listener_.setHandler([this](const QByteArray &data, const QHostAddress &sender) {
        received_.append({data, QHostAddress(sender.toIPv4Address())});
    });
}

bool Session::listen(QString *error) {
    if (listener_.open(wire::kMainPort, error))
        return true;
    const QString held = watchServiceHoldsPort(wire::kMainPort);
    if (!held.isEmpty()) {
        *error = QStringLiteral("cannot receive replies on UDP port %1: %2").arg(wire::kMainPort).arg(held);
        return false;
    }
    *error = QStringLiteral("cannot receive replies on UDP port %1: %2 (is the Zentri manager running?)")
                 .arg(wire::kMainPort)
                 .arg(*error);
    return false;
}

bool Session::send(const QByteArray &datagram, const QHostAddress &to, QString *error) {
    return client_.send(datagram, to, wire::kDevicePort, error);
}

bool Session::waitUntil(const std::function<bool()> &done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        const qint64 left = ms - clock.elapsed();
        if (left <= 0)
            return false;
        QEventLoop loop;
        QTimer::singleShot(int(std::min<qint64>(left, 20)), &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

std::optional<recUrzadzenia> Session::query(const QHostAddress &ip, int ms, QString *error) {
    return ask(
        *this, ip, ms, error,
        [&] { return listener_.send(wire::discoveryRequest(), ip, wire::kDevicePort, error); },
        [&](const QByteArray &data) { return wire::parseInfoReply(data, ip.toString()); });
}

std::optional<bool> Session::sdCard(const QHostAddress &ip, int ms, QString *error) {
    return ask(
        *this, ip, ms, error, [&] { return send(wire::sdCardQuery(), ip, error); }, wire::parseSdCardReply);
}

Session::Found Session::discover(const QHostAddress &target, const QString &interfaceName,
                                 const QVector<QHostAddress> &extra, int ms) {
    Found found;
    const DiscoveryReport report = sendDiscovery(listener_, target, interfaceName);
    found.anySent = report.anySent() || !extra.isEmpty();
    PacedDiscovery paced(listener_);
    QVector<BroadcastInterface> ways;
    if (target == QHostAddress(QHostAddress::Broadcast))
        for (const BroadcastInterface &w : broadcastInterfaces(systemInterfaces()))
            if (interfaceName.isEmpty() || w.name == interfaceName)
                ways.append(w);
    paced.start(beyondBroadcast(extra, ways));
    QSet<QString> asked;
    int handled = static_cast<int>(received_.size());
    auto take = [&] {
        for (; handled < received_.size(); ++handled) {
            const Datagram &d = received_[handled];
            const QString ip = d.sender.toString();
            if (auto rec = wire::parseInfoReply(d.data, ip)) {
                found.answers.append(*rec);
                if (!asked.contains(ip)) {
                    asked.insert(ip);
                    QString ignored;
                    send(wire::sdCardQuery(), d.sender, &ignored);
                }
            } else if (auto card = wire::parseSdCardReply(d.data)) {
                found.sdCard[ip] = *card;
            }
        }
        return false;
    };
    waitUntil([&] { return take() || !paced.isRunning(); }, 24 * 3600 * 1000);
    waitUntil(take, ms);
    take();
    for (const QString &f : report.failures + paced.failures())
        fail(kNoAnswer, QStringLiteral("discovery request not sent: %1").arg(f));
    return found;
}

Session::Check Session::confirm(const QHostAddress &ip, const recUrzadzenia &sent, int ms) {
    // A device that is still storing gets a moment before it is asked again.
    Check check;
    QElapsedTimer clock;
    clock.start();
    QString error;
    for (;;) {
        auto answer = query(ip, std::max<int>(100, ms - int(clock.elapsed())), &error);
        if (!answer)
            break;
        check.now = answer;
        check.confirmed = configfile::sameConfiguration(*answer, sent);
        if (check.confirmed || clock.elapsed() >= ms)
            break;
        waitUntil([] { return false; }, 100);
    }
    return check;
}

} // namespace zentri::ctl
