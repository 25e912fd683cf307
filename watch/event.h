// One event of the service, as every way out carries it: the journal, the event log, the hooks and
// the webhooks. The engine's events (offline, back online, new, changed, SD card removed or inserted)
// plus the service's own (rig file loaded or refused, readiness).
#pragma once

#include "rig/watch.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace zentri::watchsvc {

struct EventKind {
    const char *key;       // ZENTRI_EVENT, the JSON's "event", the metrics' label: "back_online"
    const char *word;      // the engine's word: "back online"
    const char *messageId; // the journal's MESSAGE_ID, fixed per kind
    int priority;          // syslog priority: 4 warning, 5 notice, 6 info
};
// Every kind, in a fixed order (the metrics list them so).
const QVector<EventKind> &eventKinds();
// The kind of an engine word or key; null for one the service does not know.
const EventKind *kindOf(const QString &wordOrKey);

struct ServiceEvent {
    QDateTime time;
    QString event; // the kind's key
    QString mac, name, ip;
    QString fields;  // the settings changed, the reason a rig file was refused, the readiness summary
    QString rig;     // the rig's name
    QString message; // one sentence for people ("Stage 1 (02:5A:...) went offline")

    QJsonObject toJson() const; // time, event, mac, name, ip, fields, rig, message
    static std::optional<ServiceEvent> fromJson(const QJsonObject &o);
    int priority() const;
};

// `time` as ISO 8601 with milliseconds and its offset from UTC ("2026-12-11T14:02:40.568+01:00"), so
// that a reader in another time zone, or in the hour the clocks go back, reads the same instant.
QString isoTime(const QDateTime &time);

// The service event for an engine event of the rig `rigName`; none for a word it does not know.
std::optional<ServiceEvent> fromEngine(const rig::Event &e, const QString &rigName);
// A service event of its own kind, with its message made.
ServiceEvent makeEvent(const QDateTime &time, const QString &key, const QString &rigName,
                       const QString &fields, const QString &mac = {}, const QString &name = {},
                       const QString &ip = {});

} // namespace zentri::watchsvc
