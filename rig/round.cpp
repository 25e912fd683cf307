#include "round.h"

#include "device/protocol.h"

namespace zentri::rig {

namespace {
QString deviceKey(const recUrzadzenia &record) {
    return record.MAC + QLatin1Char(' ') + record.IP;
}
} // namespace

QVector<recUrzadzenia> mergeAnswers(const QVector<recUrzadzenia> &answers) {
    QVector<recUrzadzenia> merged;
    QHash<QString, int> at;
    for (const recUrzadzenia &a : answers) {
        const auto it = at.constFind(deviceKey(a));
        if (it != at.cend()) {
            merged[*it] = a;
        } else {
            at.insert(deviceKey(a), static_cast<int>(merged.size()));
            merged << a;
        }
    }
    return merged;
}

Round::Round(Network &network, RoundPlan plan) : network_(network), plan_(std::move(plan)) {
    for (auto it = plan_.awaited.cbegin(); it != plan_.awaited.cend(); ++it)
        silent_.insert(it.key());
}

void Round::start(qint64 now) {
    start_ = now;
    discovery_ = network_.discover();
    failures_ << discovery_.failures;
    if (plan_.paced.isEmpty())
        pacedDone_ = now;
    againAt_ = now + kAgainMs;
}

bool Round::isOver(qint64 now) const {
    if (pacedDone_ < 0)
        return false;
    return now >= (plan_.afterPaced ? pacedDone_ : start_) + plan_.waitMs;
}

int Round::advance(qint64 now) {
    qint64 next = -1;
    auto due = [&](qint64 at) { next = next < 0 ? at : std::min(next, at); };
    if (pacedDone_ < 0) {
        // As many as the ticks since the start allow, at most kPerTick at once.
        const qint64 allowed = (now - start_) / kTickMs * kPerTick + kPerTick;
        for (int n = 0; n < kPerTick && nextPaced_ < plan_.paced.size() && nextPaced_ < allowed; ++n) {
            QString error;
            if (!network_.ask(plan_.paced[nextPaced_], &error))
                failures_ << QStringLiteral("%1: %2").arg(plan_.paced[nextPaced_].toString(), error);
            ++nextPaced_;
            ++requests_;
        }
        if (nextPaced_ >= plan_.paced.size())
            pacedDone_ = now;
        else
            due(now + kTickMs);
    }
    askSdCards(now);
    if (sdNext_ < sdAsks_.size())
        due(now);
    // Again once the paced requests are out: the rig's silent devices, and the SD card questions
    // without an answer.
    if (pacedDone_ >= 0 && now >= againAt_) {
        againAt_ = now + kAgainMs;
        for (const QString &mac : std::as_const(silent_))
            for (const QHostAddress &at : plan_.awaited.value(mac)) {
                QString ignored; // asked again at the next pass
                network_.ask(at, &ignored);
                ++requests_;
            }
        for (int i = 0; i < sdNext_; ++i) {
            SdAsk &a = sdAsks_[i];
            if (!sdCards_.contains(a.ip) && a.asks < kSdAsks && now >= a.askedAt + kAgainMs) {
                QString ignored;
                network_.send(QHostAddress(a.ip), wire::sdCardQuery(), &ignored);
                ++a.asks;
                a.askedAt = now;
                ++requests_;
            }
        }
    }
    if (pacedDone_ >= 0)
        due(againAt_);
    const qint64 end = pacedDone_ < 0 ? -1 : (plan_.afterPaced ? pacedDone_ : start_) + plan_.waitMs;
    if (end >= 0)
        due(end);
    return next < 0 ? 0 : static_cast<int>(std::max<qint64>(0, next - now));
}

void Round::askSdCards(qint64 now) {
    for (int sent = 0; sdNext_ < sdAsks_.size() && sent < kSdPerPass; ++sdNext_, ++sent) {
        SdAsk &a = sdAsks_[sdNext_];
        QString ignored; // the SD card stays unknown: the reply never comes
        network_.send(QHostAddress(a.ip), wire::sdCardQuery(), &ignored);
        a.asks = 1;
        a.askedAt = now;
        ++requests_;
    }
}

void Round::infoReply(const recUrzadzenia &record, qint64 now) {
    const QString key = deviceKey(record);
    const auto it = answerOf_.constFind(key);
    if (it != answerOf_.cend()) {
        answers_[*it] = record;
    } else {
        answerOf_.insert(key, static_cast<int>(answers_.size()));
        answers_ << record;
    }
    silent_.remove(record.MAC);
    if (!sdAskOf_.contains(record.IP)) {
        sdAskOf_.insert(record.IP, static_cast<int>(sdAsks_.size()));
        sdAsks_ << SdAsk{record.IP, 0, now};
    }
}

void Round::sdCardReply(const QString &ip, bool present) {
    sdCards_.insert(ip, present);
}

} // namespace zentri::rig
