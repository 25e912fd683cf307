// Watching the devices: the discovery repeated every few seconds. Which devices answer, which went
// dark, which appeared, which were changed elsewhere, and their SD cards; every change an event with
// its time. The polling itself (timer, requests) is the front end's; this is what the answers mean.
#pragma once

#include "device/records.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVector>
#include <optional>

namespace zentri::rig {

// How often watching asks, in seconds: as Art-Net nodes are polled.
constexpr int kDefaultInterval = 3, kMinInterval = 1, kMaxInterval = 60;
// Polls without an answer after which a device is offline.
constexpr int kMissesUntilOffline = 3;
// Events kept in the history: the oldest go first, so that a watch of weeks stays small.
constexpr int kMaxHistory = 10000;

enum class Presence {
    Online, // answered the last poll
    Missed, // did not answer the last poll, but one before it
    Offline // did not answer the last three polls, or never answered
};
QString presenceText(Presence presence); // "online", "missed", "offline"

struct Event {
    QDateTime time;
    QString event; // "offline", "back online", "new", "changed", "SD card removed", "SD card inserted"
    QString mac;
    QString name;
    QString ip;
    QString detail; // the settings that changed, as "Output[2].Channel 1 -> 300"

    // One line of text, tab-separated: time, event, MAC, name, IP, detail.
    QString line() const;
};

class Watch {
public:
    struct Device {
        QString mac;
        std::optional<recUrzadzenia> last; // the last answer
        Presence presence = Presence::Offline;
        QDateTime lastSeen;
        int misses = 0;
        std::optional<bool> sdCard;
        bool expected = false; // in the rig
    };

    // The rig's devices, known before any answer (so that their first answer is no "new" device).
    void expect(const QVector<recUrzadzenia> &rigDevices);
    // Another rig watched from now on: its devices are the ones expected; what is known of every
    // device stays (a device offline before is offline still, and its answer is "back online"), but
    // for the devices of the rig before that never answered, which are forgotten.
    void replaceRig(const QVector<recUrzadzenia> &rigDevices);

    // One poll ended with these answers (the info replies it got, in order of arrival); returns the
    // events it caused, also kept in history().
    QVector<Event> poll(const QDateTime &time, const QVector<recUrzadzenia> &answers);
    // An SD card reply from `ip` (the reply does not carry the MAC: the device that last answered from
    // that address is meant).
    QVector<Event> sdCard(const QDateTime &time, const QString &ip, bool present);

    const QVector<Device> &devices() const { return devices_; }
    // The events, oldest first, at most kMaxHistory.
    const QVector<Event> &history() const { return history_; }
    int polls() const { return polls_; }
    // The history as text, one event a line, for saving.
    QString historyText() const;

private:
    int find(const QString &mac) const;
    void keep(const QVector<Event> &events);
    Event event(const QDateTime &time, const QString &word, const Device &d,
                const QString &detail = {}) const;

    QVector<Device> devices_;
    QHash<QString, int> index_; // MAC -> devices_
    QVector<Event> history_;
    int polls_ = 0;
};

} // namespace zentri::rig
