#include "engine.h"

#include <QCoreApplication>
#include <QSet>

namespace zentri::rig {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::rig::Engine)
};
} // namespace

QHash<QString, QVector<QHostAddress>> awaitedOf(const Rig &rig, const QVector<recUrzadzenia> &lastSeen) {
    QHash<QString, QVector<QHostAddress>> awaited;
    auto know = [&](const QString &mac, const QString &ip) {
        const QHostAddress at(ip);
        if (at.protocol() != QAbstractSocket::IPv4Protocol)
            return;
        QVector<QHostAddress> &list = awaited[mac];
        if (!list.contains(at))
            list << at;
    };
    for (const recUrzadzenia &d : rig.devices) {
        awaited[d.MAC];
        know(d.MAC, d.IP);
    }
    for (const recUrzadzenia &d : lastSeen)
        if (awaited.contains(d.MAC))
            know(d.MAC, d.IP);
    return awaited;
}

RoundPlan roundPlanFor(const Rig &rig, const QVector<BroadcastInterface> &ways,
                       const QVector<recUrzadzenia> &lastSeen, int waitMs, bool afterPaced) {
    RoundPlan plan;
    QString ignored; // the rig file's addresses were checked when it was read
    QVector<QHostAddress> extra;
    for (const AddressRange &r : addressRanges(rig, &ignored))
        extra << r.addresses;
    plan.paced = beyondBroadcast(extra, ways);
    plan.awaited = awaitedOf(rig, lastSeen);
    plan.waitMs = waitMs;
    plan.afterPaced = afterPaced;
    return plan;
}

Engine::Engine(Network &network, Document &document, QObject *parent)
    : QObject(parent), network_(network), document_(document) {
    steady_.start();
    clock_ = [this] { return steady_.elapsed(); };
    timer_.setSingleShot(true);
    refresh_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Engine::advance);
    connect(&refresh_, &QTimer::timeout, this, &Engine::refresh);
    connect(&network_, &Network::infoReply, this, &Engine::infoReply);
    connect(&network_, &Network::sdCardReply, this, &Engine::sdCardReply);
    connect(&document_, &Document::replaced, this, [this] { watch_.replaceRig(document_.rig().devices); });
    connect(&document_, &Document::changed, this, [this] {
        watch_.expect(document_.rig().devices);
        refresh();
    });
    watch_.expect(document_.rig().devices);
    refresh();
}

const Row *Engine::row(const QString &mac) const {
    for (const Row &r : rows_)
        if (r.mac == mac)
            return &r;
    return nullptr;
}

QVector<recUrzadzenia> Engine::answersShown() const {
    if (!round_) {
        const QVector<recUrzadzenia> found = network_.devicesFound();
        return found.isEmpty() ? lastRound_ : mergeAnswers(found);
    }
    QVector<recUrzadzenia> answers = round_->answers();
    QSet<QString> macs;
    for (const recUrzadzenia &a : answers)
        macs.insert(a.MAC);
    for (const recUrzadzenia &a : lastRound_)
        if (!macs.contains(a.MAC))
            answers.append(a);
    return answers;
}

SdCard Engine::sdCard(const Row &row) const {
    if (!row.device)
        return SdCard::Unknown;
    const QString &ip = row.device->IP;
    std::optional<bool> card;
    if (round_ && round_->sdCards().contains(ip))
        card = round_->sdCards().value(ip);
    else if (lastSdCards_.contains(ip))
        card = lastSdCards_.value(ip);
    else
        for (const Watch::Device &d : watch_.devices())
            if (d.mac == row.mac)
                card = d.sdCard;
    if (!card)
        return SdCard::Unknown;
    return *card ? SdCard::Present : SdCard::Absent;
}

void Engine::setWatching(bool on) {
    watching_ = on;
    if (on && !round_)
        startRound();
}

void Engine::findDevices() {
    startRound();
}

void Engine::startRound() {
    if (round_)
        closeRound(true);
    round_ = std::make_unique<Round>(
        network_, roundPlanFor(document_.rig(), network_.broadcastWays(), lastRound_, roundMs_, false));
    round_->start(now());
    if (!round_->failures().isEmpty())
        emit discoveryFailed(round_->failures());
    if (confirmation_)
        confirmation_->askedAll(now());
    emit roundStarted();
    advance();
    refresh();
}

void Engine::closeRound(bool poll) {
    if (!round_)
        return;
    const std::unique_ptr<Round> round = std::move(round_);
    if (!poll)
        return;
    lastRound_ = round->answers();
    lastSdCards_ = round->sdCards();
    const QDateTime time = QDateTime::currentDateTime();
    QVector<Event> events = watch_.poll(time, lastRound_);
    for (auto it = lastSdCards_.cbegin(); it != lastSdCards_.cend(); ++it)
        events << watch_.sdCard(time, it.key(), it.value());
    emitEvents(events);
    emit roundClosed();
    refresh();
}

void Engine::advance() {
    const qint64 t = now();
    int next = -1;
    auto due = [&](int ms) { next = next < 0 ? ms : std::min(next, ms); };
    if (confirmation_) {
        if (confirmRoundAt_ >= 0 && t >= confirmRoundAt_) {
            confirmRoundAt_ = -1;
            startRound(); // counts as asking every device (askedAll)
            return;       // startRound advanced already
        }
        if (confirmRoundAt_ >= 0)
            due(static_cast<int>(confirmRoundAt_ - t));
        const int c = confirmation_->advance(t);
        if (confirmation_->isOver())
            finishConfirmation();
        else if (c >= 0)
            due(c);
    }
    if (round_) {
        const int r = round_->advance(t);
        if (round_->isOver(t) && !confirmation_) {
            closeRound(true);
            // The next round starts in an event-loop pass of its own, so that other events (the GUI's
            // timers, painting) get a turn between closing one round and starting the next.
            if (watching_)
                QTimer::singleShot(0, this, [this] {
                    if (watching_ && !round_)
                        startRound();
                });
        } else {
            due(round_->isOver(t) ? 100 : r);
        }
    }
    if (next >= 0)
        timer_.start(next);
}

void Engine::infoReply(const recUrzadzenia &record) {
    const qint64 t = now();
    if (round_)
        round_->infoReply(record, t);
    if (confirmation_) {
        confirmation_->infoReply(record, t);
        if (confirmation_->isOver())
            finishConfirmation();
    }
    if (round_)
        timer_.start(0); // its SD card question goes out in the next pass
    refreshLater();
}

void Engine::sdCardReply(const QString &ip, bool present) {
    if (!round_)
        return;
    round_->sdCardReply(ip, present);
    refreshLater();
}

QVector<Outcome> Engine::carryOut(const Plan &plan) {
    // The round under way holds answers from before the sends: it ends here, and a new one confirms.
    closeRound(true);
    confirmation_ = std::make_unique<Confirmation>(network_, plan.sends);
    confirmation_->start(now());
    QVector<Event> events;
    const QDateTime time = QDateTime::currentDateTime();
    for (const Outcome &o : confirmation_->outcomes())
        events << Event{time,       o.result == Outcome::NotSent ? Words::tr("not sent") : Words::tr("sent"),
                        o.send.mac, o.send.name,
                        o.send.ip,  o.error};
    emitEvents(events);
    QVector<Outcome> notSent;
    for (const Outcome &o : confirmation_->outcomes())
        if (o.result == Outcome::NotSent)
            notSent << o;
    if (confirmation_->isOver()) {
        finishConfirmation();
        return notSent;
    }
    confirmRoundAt_ = now() + Confirmation::kSettleMs;
    timer_.start(Confirmation::kSettleMs);
    refresh();
    return notSent;
}

void Engine::finishConfirmation() {
    std::unique_ptr<Confirmation> done = std::move(confirmation_);
    confirmRoundAt_ = -1;
    QVector<Outcome> outcomes = done->outcomes();
    QVector<Event> events;
    const QDateTime time = QDateTime::currentDateTime();
    for (Outcome &o : outcomes) {
        if (o.result == Outcome::Pending)
            o.result = o.reported ? Outcome::Differs : Outcome::Silent;
        if (o.result == Outcome::NotSent)
            continue;
        events << Event{time,       o.confirmed() ? Words::tr("confirmed") : Words::tr("not confirmed"),
                        o.send.mac, o.send.name,
                        o.send.ip,  o.why()};
    }
    emitEvents(events);
    const Document::Adopted adopted = document_.adopt(outcomes);
    events.clear();
    for (const Outcome &o : outcomes)
        if (adopted.replacedMacs.contains(o.send.mac))
            events << Event{time,       Words::tr("replaced"),
                            o.send.mac, o.send.name,
                            o.send.ip,  Words::tr("for %1").arg(o.send.replacedMac)};
    emitEvents(events);
    emit confirmed(outcomes, adopted);
    if (round_)
        timer_.start(0); // the round that confirmed ends as usual
    refresh();
}

void Engine::stop() {
    watching_ = false;
    timer_.stop();
    closeRound(false);
    if (confirmation_)
        finishConfirmation();
}

void Engine::addEvent(const QString &word, const QString &mac, const QString &name, const QString &ip,
                      const QString &detail) {
    emitEvents({Event{QDateTime::currentDateTime(), word, mac, name, ip, detail}});
}

void Engine::emitEvents(QVector<Event> events) {
    if (events.isEmpty())
        return;
    events_ << events;
    if (events_.size() > kMaxEvents)
        events_.erase(events_.begin(), events_.begin() + (events_.size() - kMaxEvents));
    emit eventsAdded(events);
}

void Engine::refreshLater() {
    if (!refresh_.isActive())
        refresh_.start(kRefreshMs);
}

void Engine::refresh() {
    refresh_.stop();
    rows_ = compare(document_.rig(), answersShown());
    emit rowsChanged();
}

} // namespace zentri::rig
