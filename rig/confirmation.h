// Carrying out a plan's sends and confirming them: nothing acknowledges "!SETI", so each device is
// asked again until it reports what it was sent. On a network that loses datagrams a lost "!SETI"
// (the device still reports its old settings) is sent again, a lost question or answer asked again.
// Time comes in from outside (`now`, in milliseconds), so the rules run the same in a test.
#pragma once

#include "network.h"
#include "plans.h"

#include <QVector>
#include <optional>

namespace zentri::rig {

struct Outcome {
    enum Result { Pending, Confirmed, Differs, Silent, NotSent } result = Pending;
    Send send;
    int sends = 0;                         // "!SETI" datagrams sent
    std::optional<recUrzadzenia> reported; // the last answer since the first send
    QString error;                         // NotSent: the socket layer's text

    bool confirmed() const { return result == Confirmed; }
    // What the device reports instead, "Output 6 channel sent 26, reported 400, ..."; empty without an
    // answer.
    QString reportedText() const;
    // Why it is not confirmed, as the rig window and its events say it; empty when confirmed.
    QString why() const;
};

class Confirmation {
public:
    static constexpr int kMaxSends = 5;
    // A device that was just sent its configuration gets a moment to store it before it is asked.
    static constexpr int kSettleMs = 300;
    // A device that has not answered since the last send is asked again this often.
    static constexpr int kAskEveryMs = 400;
    // A device silent this long (since its last answer, or the first send) is not confirmed.
    static constexpr int kSilenceMs = 3000;

    Confirmation(Network &network, const QVector<Send> &sends);

    // Sends every "!SETI"; a send the socket layer refuses is NotSent at once.
    void start(qint64 now);
    // Asks, sends again and gives up as is due; returns the milliseconds until something is due next,
    // or -1 once every device is decided.
    int advance(qint64 now);
    // An info reply (from any request: a discovery round's serves as well).
    void infoReply(const recUrzadzenia &record, qint64 now);
    // A discovery that every device hears was sent at `now`: it counts as asking each of them.
    void askedAll(qint64 now);

    bool isOver() const;
    const QVector<Outcome> &outcomes() const { return outcomes_; }

private:
    struct Track {
        qint64 sentAt = 0, askedAt = -1, heardAt = 0;
        bool answeredSinceSend = false;
    };
    void sendTo(int i, qint64 now);

    Network &network_;
    QVector<Outcome> outcomes_;
    QVector<Track> tracks_;
};

} // namespace zentri::rig
