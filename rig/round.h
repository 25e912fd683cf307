// One discovery round of the rig: the discovery request out of every interface, the rig's addresses
// asked one by one (paced, so a show network is never flooded), every device that answers asked for
// its SD card, and the rig's devices that stay silent asked again by themselves, so that one lost
// datagram does not make a device "missing". Answers of one device (one MAC from one address) are
// merged: a repeated request never makes a "duplicate". Time comes in from outside (`now`, in ms).
#pragma once

#include "network.h"

#include <QHash>
#include <QHostAddress>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QVector>

namespace zentri::rig {

struct RoundPlan {
    // Asked one by one after the broadcast: the rig's addresses beyond what the broadcast reaches.
    QVector<QHostAddress> paced;
    // The rig's devices by MAC, with the addresses they were last known at (the rig file's, the last
    // rounds'): asked there again while they stay silent.
    QHash<QString, QVector<QHostAddress>> awaited;
    // How long the round listens: from its start, or (`afterPaced`) from when the paced requests are out.
    int waitMs = 2000;
    bool afterPaced = false;
};

// `answers` with the answers of one device (one MAC from one address) merged into the first, which
// takes the latest record.
QVector<recUrzadzenia> mergeAnswers(const QVector<recUrzadzenia> &answers);

class Round {
public:
    static constexpr int kPerTick = 10, kTickMs = 10; // paced: 1000 requests a second
    // Silent rig devices and unanswered SD card questions are asked again this often.
    static constexpr int kAgainMs = 150;
    // SD card questions sent in one pass: a thousand answers at once do not hold the caller that long.
    static constexpr int kSdPerPass = 100;
    static constexpr int kSdAsks = 3; // at most, per address and round

    Round(Network &network, RoundPlan plan);

    // Sends the discovery request; what it could not be sent by goes to failures().
    void start(qint64 now);
    // Sends what is due; returns the milliseconds until something is due next (the end included).
    int advance(qint64 now);
    void infoReply(const recUrzadzenia &record, qint64 now);
    void sdCardReply(const QString &ip, bool present);

    bool isOver(qint64 now) const;
    // Every device that answered, once per MAC and address, with its latest answer, in order of the
    // first; and the SD card replies by address.
    const QVector<recUrzadzenia> &answers() const { return answers_; }
    const QMap<QString, bool> &sdCards() const { return sdCards_; }
    bool allAwaitedAnswered() const { return silent_.isEmpty(); }
    const QStringList &failures() const { return failures_; }
    // What the discovery request at the start went out by.
    const DiscoveryReport &discovery() const { return discovery_; }
    // Requests sent (discovery requests by address, SD card questions), for the curious and the tests.
    int requestsSent() const { return requests_; }

private:
    void askSdCards(qint64 now);

    Network &network_;
    RoundPlan plan_;
    qint64 start_ = 0, pacedDone_ = -1, againAt_ = 0;
    int nextPaced_ = 0;
    QVector<recUrzadzenia> answers_;
    QHash<QString, int> answerOf_; // "MAC IP" -> answers_
    QSet<QString> silent_;         // awaited MACs that have not answered
    QMap<QString, bool> sdCards_;
    struct SdAsk {
        QString ip;
        int asks = 0;
        qint64 askedAt = 0;
    };
    QVector<SdAsk> sdAsks_; // in order of the first answer from each address
    QHash<QString, int> sdAskOf_;
    int sdNext_ = 0; // the first not asked yet
    QStringList failures_;
    DiscoveryReport discovery_;
    int requests_ = 0;
};

} // namespace zentri::rig
