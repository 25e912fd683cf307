// What the service knows after a round, as an immutable snapshot: the HTTP thread answers every
// request from one (std::shared_ptr<const Snapshot>), so that no client ever waits for the Qt thread
// or makes it wait. Also the texts built from one: the metrics, the status JSON, the events JSON,
// the readiness summary.
#pragma once

#include "event.h"
#include "rig/rigstates.h"
#include "rig/watch.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QVector>
#include <memory>
#include <optional>

namespace zentri::watchsvc {

struct DeviceStatus {
    QString mac, name, ip, firmware, module;
    rig::State state = rig::State::Missing;
    bool inRig = false;
    rig::Presence presence = rig::Presence::Offline;
    QDateTime lastSeen; // invalid: never seen
    std::optional<bool> sdCard;
    QVector<configfile::Difference> differences; // `file` is the rig's value
    QString detail;                              // as zentrictl rig check prints it
};

struct Snapshot {
    QDateTime time;
    QString rigName, rigPath;
    bool rigFileOk = false;
    QString rigFileError; // why the file was refused (the last good rig is watched)
    int rigDevices = 0;
    int interval = 3;
    bool quiet = false; // inside the quiet hours
    QVector<DeviceStatus> devices;
    QMap<QString, quint64> eventsTotal; // by kind key
    quint64 polls = 0;
    double pollSeconds = 0;
    quint64 webhookDropped = 0;
    quint64 hookDropped = 0, hookFailures = 0;
    quint64 eventLogErrors = 0;
    double startTime = 0; // seconds since the epoch
    // The latest events, oldest first (at most kKeptEvents), shared between snapshots.
    std::shared_ptr<const QVector<ServiceEvent>> events;
};
constexpr int kKeptEvents = 1000;

// "38 of 40 online", counting the rig's devices (every device seen, without a rig).
QString onlineSummary(const Snapshot &s);
// "38 of 40 online; missing: Vault, Stage left; differs: Bar".
QString readinessSummary(const Snapshot &s);

// The metrics in the Prometheus text format (version 0.0.4). `process` adds the process's own
// (process_*); the tests compare the rest as a whole.
QByteArray metricsText(const Snapshot &s, bool process = true);
QByteArray statusJson(const Snapshot &s);
// The events later than `since` (all of those kept without it), as a JSON array.
QByteArray eventsJson(const Snapshot &s, const QDateTime &since);

// "in_sync", "differs", "missing", "not_in_rig", "duplicate".
const char *stateKey(rig::State state);

} // namespace zentri::watchsvc
