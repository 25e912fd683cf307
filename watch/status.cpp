#include "status.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sys/resource.h>
#include <unistd.h>

namespace zentri::watchsvc {

const char *stateKey(rig::State state) {
    switch (state) {
    case rig::State::InSync:
        return "in_sync";
    case rig::State::Differs:
        return "differs";
    case rig::State::Missing:
        return "missing";
    case rig::State::NotInRig:
        return "not_in_rig";
    case rig::State::Duplicate:
        return "duplicate";
    }
    return "missing";
}

namespace {

const rig::State kStates[] = {rig::State::InSync, rig::State::Differs, rig::State::Missing,
                              rig::State::NotInRig, rig::State::Duplicate};
const rig::Presence kPresences[] = {rig::Presence::Online, rig::Presence::Missed, rig::Presence::Offline};

const char *presenceKey(rig::Presence p) {
    switch (p) {
    case rig::Presence::Online:
        return "online";
    case rig::Presence::Missed:
        return "missed";
    case rig::Presence::Offline:
        return "offline";
    }
    return "offline";
}

bool up(const DeviceStatus &d) {
    return d.presence != rig::Presence::Offline && d.lastSeen.isValid();
}

// A label value: backslash, double quote and line feed escaped.
QByteArray label(const QString &value) {
    const QByteArray bytes = value.toUtf8();
    if (bytes.indexOf('\\') < 0 && bytes.indexOf('"') < 0 && bytes.indexOf('\n') < 0)
        return bytes;
    QByteArray out;
    for (const char c : bytes) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '"')
            out += "\\\"";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

QByteArray number(double v) {
    return QByteArray::number(v, 'g', 15);
}

class Writer {
public:
    Writer() { text_.reserve(64 * 1024); }
    void family(const char *name, const char *type, const char *help) {
        text_ += QByteArray("# HELP ") + name + ' ' + help + "\n# TYPE " + name + ' ' + type + '\n';
    }
    void sample(const char *name, const QByteArray &labels, const QByteArray &value) {
        text_ += name;
        if (!labels.isEmpty())
            text_ += '{' + labels + '}';
        text_ += ' ' + value + '\n';
    }
    QByteArray text_;
};

QByteArray deviceLabels(const DeviceStatus &d) {
    return "mac=\"" + label(d.mac) + "\",name=\"" + label(d.name) + '"';
}

void processMetrics(Writer &w, const Snapshot &s) {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    const double cpu =
        double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    w.family("process_cpu_seconds_total", "counter", "Total user and system CPU time spent in seconds.");
    w.sample("process_cpu_seconds_total", {}, number(cpu));
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (statm.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> f = statm.readAll().split(' ');
        const double page = double(::sysconf(_SC_PAGESIZE));
        if (f.size() >= 2) {
            w.family("process_virtual_memory_bytes", "gauge", "Virtual memory size in bytes.");
            w.sample("process_virtual_memory_bytes", {}, number(f[0].toDouble() * page));
            w.family("process_resident_memory_bytes", "gauge", "Resident memory size in bytes.");
            w.sample("process_resident_memory_bytes", {}, number(f[1].toDouble() * page));
        }
    }
    const int fds = static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                         .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                                         .size());
    w.family("process_open_fds", "gauge", "Number of open file descriptors.");
    w.sample("process_open_fds", {}, QByteArray::number(fds));
    rlimit lim{};
    if (::getrlimit(RLIMIT_NOFILE, &lim) == 0) {
        w.family("process_max_fds", "gauge", "Maximum number of open file descriptors.");
        w.sample("process_max_fds", {}, number(double(lim.rlim_cur)));
    }
    w.family("process_start_time_seconds", "gauge", "Start time of the process since unix epoch in seconds.");
    w.sample("process_start_time_seconds", {}, number(s.startTime));
}

} // namespace

QString onlineSummary(const Snapshot &s) {
    int total = 0, online = 0;
    for (const DeviceStatus &d : s.devices) {
        if (s.rigDevices > 0 && !d.inRig)
            continue;
        ++total;
        online += up(d) ? 1 : 0;
    }
    return QStringLiteral("%1 of %2 online").arg(online).arg(total);
}

QString readinessSummary(const Snapshot &s) {
    QString text = onlineSummary(s);
    for (const rig::State st :
         {rig::State::Missing, rig::State::Differs, rig::State::NotInRig, rig::State::Duplicate}) {
        QStringList names;
        for (const DeviceStatus &d : s.devices)
            if (d.state == st)
                names << (d.name.isEmpty() ? d.mac : d.name);
        if (!names.isEmpty())
            text += QStringLiteral("; %1: %2").arg(rig::stateText(st), names.join(QStringLiteral(", ")));
    }
    if (!s.rigFileOk)
        text += QStringLiteral("; rig file refused: %1").arg(s.rigFileError);
    return text;
}

QByteArray metricsText(const Snapshot &s, bool process) {
    Writer w;
    w.text_.reserve(s.devices.size() * 1200 + 8192);
    // Each device's labels, made once.
    QVector<QByteArray> labels;
    labels.reserve(s.devices.size());
    for (const DeviceStatus &d : s.devices)
        labels << deviceLabels(d);
    auto deviceLabels = [&](const DeviceStatus &d) -> const QByteArray & {
        return labels[static_cast<int>(&d - s.devices.constData())];
    };
    w.family("zentri_device_up", "gauge",
             "1 when the device answered one of the last 3 polls, 0 when offline or never seen.");
    for (const DeviceStatus &d : s.devices)
        w.sample("zentri_device_up", deviceLabels(d), up(d) ? "1" : "0");
    w.family("zentri_device_watch_state", "gauge",
             "The device's presence: online, missed (silent at the last poll) or offline (silent for 3).");
    for (const DeviceStatus &d : s.devices)
        for (const rig::Presence p : kPresences)
            w.sample("zentri_device_watch_state", deviceLabels(d) + ",state=\"" + presenceKey(p) + '"',
                     d.presence == p ? "1" : "0");
    w.family("zentri_device_rig_state", "gauge", "The device's state against the rig file.");
    for (const DeviceStatus &d : s.devices)
        for (const rig::State st : kStates)
            w.sample("zentri_device_rig_state", deviceLabels(d) + ",state=\"" + stateKey(st) + '"',
                     d.state == st ? "1" : "0");
    w.family("zentri_device_last_seen_timestamp_seconds", "gauge",
             "When the device last answered, in seconds since the epoch.");
    for (const DeviceStatus &d : s.devices)
        if (d.lastSeen.isValid())
            w.sample("zentri_device_last_seen_timestamp_seconds", deviceLabels(d),
                     number(double(d.lastSeen.toMSecsSinceEpoch()) / 1000.0));
    w.family("zentri_device_sd_card_present", "gauge",
             "1 when the device reported an SD card, 0 when it reported none.");
    for (const DeviceStatus &d : s.devices)
        if (d.sdCard)
            w.sample("zentri_device_sd_card_present", deviceLabels(d), *d.sdCard ? "1" : "0");
    w.family("zentri_device_info", "gauge",
             "The device's address, firmware and module, as it last answered.");
    for (const DeviceStatus &d : s.devices)
        if (d.lastSeen.isValid())
            w.sample("zentri_device_info",
                     deviceLabels(d) + ",ip=\"" + label(d.ip) + "\",firmware=\"" + label(d.firmware) +
                         "\",module=\"" + label(d.module) + '"',
                     "1");
    w.family("zentri_events_total", "counter", "Events since the service started, by kind.");
    for (const EventKind &k : eventKinds())
        w.sample("zentri_events_total", QByteArray("event=\"") + k.key + '"',
                 QByteArray::number(s.eventsTotal.value(QString::fromLatin1(k.key))));
    w.family("zentri_rig_file_ok", "gauge",
             "1 when the rig file was read at its last change, 0 when it was refused or is missing.");
    w.sample("zentri_rig_file_ok", {}, s.rigFileOk ? "1" : "0");
    w.family("zentri_rig_devices", "gauge", "Devices in the rig watched.");
    w.sample("zentri_rig_devices", {}, QByteArray::number(s.rigDevices));
    w.family("zentri_polls_total", "counter", "Discovery rounds finished.");
    w.sample("zentri_polls_total", {}, QByteArray::number(s.polls));
    w.family("zentri_poll_duration_seconds", "gauge",
             "How long the last discovery round took, from its request to its end.");
    w.sample("zentri_poll_duration_seconds", {}, number(s.pollSeconds));
    w.family("zentri_webhook_dropped_total", "counter",
             "Webhook deliveries dropped: the queue was full, or 10 minutes of retries failed.");
    w.sample("zentri_webhook_dropped_total", {}, QByteArray::number(s.webhookDropped));
    w.family("zentri_hook_dropped_total", "counter",
             "On-event commands not run because their queue was full.");
    w.sample("zentri_hook_dropped_total", {}, QByteArray::number(s.hookDropped));
    w.family("zentri_hook_failures_total", "counter",
             "On-event commands that failed or were killed after 30 s.");
    w.sample("zentri_hook_failures_total", {}, QByteArray::number(s.hookFailures));
    w.family("zentri_event_log_write_errors_total", "counter",
             "Failed writes of the event log (the event waits and is written again).");
    w.sample("zentri_event_log_write_errors_total", {}, QByteArray::number(s.eventLogErrors));
    if (process)
        processMetrics(w, s);
    return w.text_;
}

QByteArray statusJson(const Snapshot &s) {
    QJsonArray devices;
    QJsonObject counts;
    for (const rig::State st : kStates)
        counts.insert(rig::stateText(st), 0);
    for (const rig::Presence p : kPresences)
        counts.insert(rig::presenceText(p), 0);
    for (const DeviceStatus &d : s.devices) {
        QJsonArray diffs;
        for (const configfile::Difference &x : d.differences)
            diffs.append(
                QJsonObject{{"field", x.field}, {"label", x.label}, {"rig", x.file}, {"device", x.device}});
        devices.append(
            QJsonObject{{"mac", d.mac},
                        {"name", d.name},
                        {"ip", d.ip},
                        {"state", rig::stateText(d.state)},
                        {"watch", rig::presenceText(d.presence)},
                        {"last_seen", d.lastSeen.isValid() ? QJsonValue(isoTime(d.lastSeen)) : QJsonValue()},
                        {"sd_card", d.sdCard ? QJsonValue(*d.sdCard) : QJsonValue()},
                        {"differences", diffs},
                        {"detail", d.detail},
                        {"in_rig", d.inRig},
                        {"firmware", d.firmware},
                        {"module", d.module}});
        const QString st = rig::stateText(d.state), pr = rig::presenceText(d.presence);
        counts[st] = counts[st].toInt() + 1;
        counts[pr] = counts[pr].toInt() + 1;
    }
    const QJsonObject o{{"rig", s.rigName},
                        {"rig_file", s.rigPath},
                        {"rig_file_ok", s.rigFileOk},
                        {"rig_file_error", s.rigFileError},
                        {"rig_devices", s.rigDevices},
                        {"time", isoTime(s.time)},
                        {"interval", s.interval},
                        {"polls", double(s.polls)},
                        {"quiet_hours", s.quiet},
                        {"summary", readinessSummary(s)},
                        {"online", onlineSummary(s)},
                        {"counts", counts},
                        {"devices", devices}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QByteArray eventsJson(const Snapshot &s, const QDateTime &since) {
    QJsonArray list;
    if (s.events)
        for (const ServiceEvent &e : *s.events)
            if (!since.isValid() || e.time > since)
                list.append(e.toJson());
    return QJsonDocument(list).toJson(QJsonDocument::Compact);
}

} // namespace zentri::watchsvc
