// The rig at work: discovery rounds against the rig (once, or repeated while watching), the states
// of every device, the events of watching, and the plans carried out and confirmed. The rig window
// and the watch service show what it says; zentrictl runs its rounds and confirmations the same way.
#pragma once

#include "confirmation.h"
#include "document.h"
#include "network.h"
#include "plans.h"
#include "rigstates.h"
#include "round.h"
#include "watch.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

namespace zentri::rig {

// The rig's devices by MAC, with the addresses the rig and `lastSeen` (answers of earlier rounds)
// know them at.
QHash<QString, QVector<QHostAddress>> awaitedOf(const Rig &rig, const QVector<recUrzadzenia> &lastSeen);
// What a round's plan asks for the rig `rig`: its addresses beyond what `ways` reaches, paced, and
// its devices awaited (awaitedOf).
RoundPlan roundPlanFor(const Rig &rig, const QVector<BroadcastInterface> &ways,
                       const QVector<recUrzadzenia> &lastSeen, int waitMs, bool afterPaced);

class Engine : public QObject {
    Q_OBJECT
public:
    // How many events are kept (the oldest go first): a watch that runs for weeks stays small.
    static constexpr int kMaxEvents = 10000;
    // Replies are shown together once they stop coming for this long.
    static constexpr int kRefreshMs = 50;

    Engine(Network &network, Document &document, QObject *parent = nullptr);

    // Milliseconds on a steady clock; tests give their own.
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

    // A round listens this long; watching starts the next one as the last ends.
    void setRoundMs(int ms) { roundMs_ = ms; }
    void setWatching(bool on);
    bool isWatching() const { return watching_; }
    // Starts a round now (ending the one under way).
    void findDevices();
    // Ends the round under way without taking its answers, stops watching, and decides a confirmation
    // still under way as it stands.
    void stop();

    bool roundOpen() const { return round_ != nullptr; }
    bool confirming() const { return confirmation_ != nullptr; }

    // The states: the rig's devices in the rig's order, then the devices not in the rig. While a round
    // is under way a device that answered the last one stands as it did then until it answers again.
    const QVector<Row> &rows() const { return rows_; }
    const Row *row(const QString &mac) const;
    // The answers the rows stand on.
    QVector<recUrzadzenia> answersShown() const;
    SdCard sdCard(const Row &row) const;
    const Watch &watch() const { return watch_; }
    // The events, oldest first, at most kMaxEvents.
    const QVector<Event> &events() const { return events_; }

    // Sends the plan's "!SETI"s and confirms them; confirmed() tells the outcome. Returns the sends
    // that the socket layer refused (nothing more happens to them).
    QVector<Outcome> carryOut(const Plan &plan);
    // Brings the rows up to date now (they follow the replies kRefreshMs late).
    void refresh();
    // Adds an event of the front end's own ("taken"), as the engine's are kept.
    void addEvent(const QString &word, const QString &mac, const QString &name, const QString &ip,
                  const QString &detail);

signals:
    void roundStarted(); // rowsChanged follows, with the round open
    void roundClosed();
    // The rows or the SD cards changed (at most every kRefreshMs while replies come).
    void rowsChanged();
    void eventsAdded(const QVector<zentri::rig::Event> &events);
    // The sends of carryOut were decided; the rig took what confirmed.
    void confirmed(const QVector<zentri::rig::Outcome> &outcomes,
                   const zentri::rig::Document::Adopted &adopted);
    // Discovery requests that could not be sent, one text each.
    void discoveryFailed(const QStringList &failures);

private:
    qint64 now() const { return clock_(); }
    void startRound();
    void closeRound(bool poll);
    void finishConfirmation();
    void advance();
    void infoReply(const recUrzadzenia &record);
    void sdCardReply(const QString &ip, bool present);
    void refreshLater();
    void emitEvents(QVector<Event> events);

    Network &network_;
    Document &document_;
    std::function<qint64()> clock_;
    QElapsedTimer steady_;
    int roundMs_ = kDefaultInterval * 1000;
    bool watching_ = false;
    std::unique_ptr<Round> round_;
    std::unique_ptr<Confirmation> confirmation_;
    qint64 confirmRoundAt_ = -1; // when the round that confirms starts
    QVector<recUrzadzenia> lastRound_;
    QMap<QString, bool> lastSdCards_;
    Watch watch_;
    QVector<Row> rows_;
    QVector<Event> events_;
    QTimer timer_, refresh_;
};

} // namespace zentri::rig
