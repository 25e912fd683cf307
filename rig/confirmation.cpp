#include "confirmation.h"

#include "device/configfile.h"
#include "device/protocol.h"

#include <QCoreApplication>

namespace zentri::rig {

QString Outcome::reportedText() const {
    if (!reported)
        return {};
    return configfile::labelledList(
        configfile::differencesForPeople(send.record, *reported),
        QCoreApplication::translate("zentri::rig::Confirmation", "%1 sent %2, reported %3"));
}

QString Outcome::why() const {
    if (result == Confirmed)
        return {};
    if (result == NotSent)
        return error;
    return reported
               ? QCoreApplication::translate("zentri::rig::Confirmation", "it reports other settings: %1")
                     .arg(reportedText())
               : QCoreApplication::translate("zentri::rig::Confirmation", "it did not answer");
}

Confirmation::Confirmation(Network &network, const QVector<Send> &sends)
    : network_(network), tracks_(sends.size()) {
    for (const Send &s : sends) {
        Outcome o;
        o.send = s;
        outcomes_ << o;
    }
}

void Confirmation::sendTo(int i, qint64 now) {
    Outcome &o = outcomes_[i];
    QString error;
    if (!network_.send(QHostAddress(o.send.ip), wire::configurationPacket(o.send.record), &error)) {
        if (o.sends == 0) {
            o.result = Outcome::NotSent;
            o.error = error;
        }
        // A later send that fails is one more attempt spent: the next is due as usual.
    }
    ++o.sends;
    Track &t = tracks_[i];
    t.sentAt = now;
    t.askedAt = -1;
    t.answeredSinceSend = false;
    if (o.sends == 1)
        t.heardAt = now;
}

void Confirmation::start(qint64 now) {
    for (int i = 0; i < outcomes_.size(); ++i)
        sendTo(i, now);
}

void Confirmation::askedAll(qint64 now) {
    for (int i = 0; i < outcomes_.size(); ++i)
        if (outcomes_[i].result == Outcome::Pending && now >= tracks_[i].sentAt + kSettleMs)
            tracks_[i].askedAt = now;
}

void Confirmation::infoReply(const recUrzadzenia &record, qint64 now) {
    for (int i = 0; i < outcomes_.size(); ++i) {
        Outcome &o = outcomes_[i];
        Track &t = tracks_[i];
        if (o.result != Outcome::Pending || record.MAC != o.send.mac)
            continue;
        // An answer before the device had time to store the last send may predate it.
        if (now < t.sentAt + kSettleMs)
            continue;
        o.reported = record;
        t.heardAt = now;
        t.answeredSinceSend = true;
        if (configfile::sameConfiguration(record, o.send.record))
            o.result = Outcome::Confirmed;
        else if (o.sends >= kMaxSends)
            o.result = Outcome::Differs;
        else
            sendTo(i, now); // the "!SETI" was lost, or not stored: once more
    }
}

int Confirmation::advance(qint64 now) {
    qint64 next = -1;
    auto due = [&](qint64 at) { next = next < 0 ? at : std::min(next, at); };
    for (int i = 0; i < outcomes_.size(); ++i) {
        Outcome &o = outcomes_[i];
        Track &t = tracks_[i];
        if (o.result != Outcome::Pending)
            continue;
        if (now >= t.heardAt + kSilenceMs) {
            o.result = o.reported ? Outcome::Differs : Outcome::Silent;
            continue;
        }
        const qint64 askAt = t.askedAt < 0 ? t.sentAt + kSettleMs : t.askedAt + kAskEveryMs;
        if (now >= askAt) {
            QString ignored; // a question that cannot leave is asked again
            network_.ask(QHostAddress(o.send.ip), &ignored);
            t.askedAt = now;
            due(now + kAskEveryMs);
        } else {
            due(askAt);
        }
        due(t.heardAt + kSilenceMs);
    }
    return next < 0 ? -1 : static_cast<int>(std::max<qint64>(0, next - now));
}

bool Confirmation::isOver() const {
    return std::none_of(outcomes_.begin(), outcomes_.end(),
                        [](const Outcome &o) { return o.result == Outcome::Pending; });
}

} // namespace zentri::rig
