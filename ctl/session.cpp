#include "session.h"
#include "cli.h"

#include "device/configfile.h"
#include "device/discovery.h"
#include "device/portholder.h"
#include "device/protocol.h"
#include "rig/engine.h"
#include "rig/round.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace zentri::ctl {

namespace {
// The context of this file's messages in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::ctl::Session)
};

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
        *error = Words::tr("%1 did not answer").arg(ip.toString());
    return found;
}

} // namespace

Session::Session() {
    network_.setOtherHandler([this](const QByteArray &data, const QHostAddress &sender) {
        received_.append({data, sender});
    });
}

bool Session::listen(QString *error) {
    if (network_.listen(error))
        return true;
    const QString held = watchServiceHoldsPort(wire::kMainPort);
    if (!held.isEmpty()) {
        *error = Words::tr("cannot receive replies on UDP port %1: %2").arg(wire::kMainPort).arg(held);
        return false;
    }
    *error = Words::tr("cannot receive replies on UDP port %1: %2 (is the Zentri manager running?)")
                 .arg(wire::kMainPort)
                 .arg(*error);
    return false;
}

bool Session::send(const QByteArray &datagram, const QHostAddress &to, QString *error) {
    return network_.send(to, datagram, error);
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
        *this, ip, ms, error, [&] { return network_.ask(ip, error); },
        [&](const QByteArray &data) { return wire::parseInfoReply(data, ip.toString()); });
}

std::optional<bool> Session::sdCard(const QHostAddress &ip, int ms, QString *error) {
    return ask(
        *this, ip, ms, error, [&] { return send(wire::sdCardQuery(), ip, error); }, wire::parseSdCardReply);
}

Session::Found Session::discover(const QHostAddress &target, const QString &interfaceName,
                                 const QVector<QHostAddress> &extra, int ms, const rig::Rig *rig) {
    network_.setDiscovery(target, interfaceName);
    rig::RoundPlan plan;
    plan.paced = beyondBroadcast(extra, network_.broadcastWays());
    if (rig)
        plan.awaited = rig::awaitedOf(*rig, {});
    plan.waitMs = ms;
    plan.afterPaced = true;
    rig::Round round(network_, plan);
    QElapsedTimer clock;
    clock.start();
    const QMetaObject::Connection replies =
        QObject::connect(&network_, &rig::Network::infoReply,
                         [&](const recUrzadzenia &rec) { round.infoReply(rec, clock.elapsed()); });
    const QMetaObject::Connection cards =
        QObject::connect(&network_, &rig::Network::sdCardReply,
                         [&](const QString &ip, bool present) { round.sdCardReply(ip, present); });
    round.start(clock.elapsed());
    while (!round.isOver(clock.elapsed())) {
        const int next = round.advance(clock.elapsed());
        waitUntil([] { return false; }, std::clamp(next, 1, 20));
    }
    QObject::disconnect(replies);
    QObject::disconnect(cards);
    Found found;
    found.answers = round.answers();
    for (auto it = round.sdCards().cbegin(); it != round.sdCards().cend(); ++it)
        found.sdCard[it.key()] = it.value();
    found.anySent = round.discovery().anySent() || !extra.isEmpty();
    for (const QString &f : round.failures())
        fail(kNoAnswer, Words::tr("discovery request not sent: %1").arg(f));
    return found;
}

QVector<rig::Outcome> Session::carryOut(const QVector<rig::Send> &sends) {
    rig::Confirmation confirmation(network_, sends);
    QElapsedTimer clock;
    clock.start();
    const QMetaObject::Connection replies =
        QObject::connect(&network_, &rig::Network::infoReply,
                         [&](const recUrzadzenia &rec) { confirmation.infoReply(rec, clock.elapsed()); });
    confirmation.start(clock.elapsed());
    for (;;) {
        const int next = confirmation.advance(clock.elapsed());
        if (confirmation.isOver())
            break;
        waitUntil([] { return false; }, std::clamp(next, 1, 20));
    }
    QObject::disconnect(replies);
    return confirmation.outcomes();
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
