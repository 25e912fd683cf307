#include "service.h"

#include "device/files.h"
#include "device/portholder.h"
#include "device/protocol.h"
#include "journal.h"

#include <QDir>
#include <QFileInfo>
#include <systemd/sd-daemon.h>
#include <unistd.h>

namespace zentri::watchsvc {

namespace {
void notify(const QString &state) {
    sd_notify(0, state.toUtf8().constData());
}
} // namespace

Service::Service(Config config, QObject *parent)
    : QObject(parent), config_(std::move(config)), log_(config_.stateDir), hooks_(config_.onEvent),
      webhooks_(config_.webhooks) {
    startTime_ = double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
    events_ = std::make_shared<const QVector<ServiceEvent>>();
    reloadSoon_.setSingleShot(true);
    reloadSoon_.setInterval(300); // an editor's save comes as several changes
    connect(&reloadSoon_, &QTimer::timeout, this, &Service::reloadRig);
    connect(&fileWatcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        watchRigFile();
        reloadSoon_.start();
    });
    connect(&fileWatcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        watchRigFile(); // a file put in place by a rename is a new file to watch
        reloadSoon_.start();
    });
    logRetry_.setInterval(10000);
    connect(&logRetry_, &QTimer::timeout, this, [this] {
        if (log_.retry()) {
            logRetry_.stop();
            journal::note(5, QStringLiteral("the event log is written again: %1").arg(log_.path()));
        }
    });
}

Service::~Service() = default;

bool Service::quietNow() const {
    return config_.quietHours && config_.quietHours->contains(QTime::currentTime());
}

bool Service::start(QString *error) {
    if (!QDir().mkpath(config_.stateDir) ||
        ::access(QFile::encodeName(config_.stateDir).constData(), W_OK) != 0) {
        *error = QStringLiteral("the state directory %1 cannot be written").arg(config_.stateDir);
        return false;
    }
    events_ = std::make_shared<const QVector<ServiceEvent>>(log_.readLast(kKeptEvents));
    quiet_ = quietNow();
    loadRig(true);
    watchRigFile();
    publish();
    if (!http_.start(config_.listenAddress, config_.listenPort, error))
        return false;
    poller_ = network_ ? std::make_unique<Poller>(document_, std::move(network_), config_.interval)
                       : std::make_unique<Poller>(document_, config_.discoveryTarget, config_.interval);
    connect(poller_.get(), &Poller::events, this, &Service::engineEvents);
    connect(poller_.get(), &Poller::roundFinished, this, &Service::roundFinished);
    connect(poller_.get(), &Poller::discoveryFailed, this, [](const QStringList &failures) {
        journal::note(
            4, QStringLiteral("discovery request not sent: %1").arg(failures.join(QStringLiteral("; "))));
    });
    QString why;
    if (!poller_->start(&why)) {
        const QString held = watchServiceHoldsPort(wire::kMainPort);
        const QString holder = udpPortHolder(wire::kMainPort);
        *error =
            !held.isEmpty()
                ? QStringLiteral("cannot receive replies on UDP port %1: %2").arg(wire::kMainPort).arg(held)
            : holder.isEmpty()
                ? QStringLiteral("cannot receive replies on UDP port %1: %2").arg(wire::kMainPort).arg(why)
                : QStringLiteral("cannot receive replies on UDP port %1: it is held by %2")
                      .arg(wire::kMainPort)
                      .arg(holder);
        return false;
    }
    uint64_t usec = 0;
    if (sd_watchdog_enabled(0, &usec) > 0 && usec > 0) {
        connect(&watchdog_, &QTimer::timeout, this, [] { notify(QStringLiteral("WATCHDOG=1")); });
        watchdog_.start(static_cast<int>(std::max<uint64_t>(usec / 2000, 100)));
    }
    return true;
}

void Service::stopping() {
    notify(QStringLiteral("STOPPING=1"));
}

void Service::watchRigFile() {
    const QFileInfo info(config_.rigPath);
    const QString dir = info.absolutePath();
    if (!fileWatcher_.directories().contains(dir) && QFileInfo(dir).isDir())
        fileWatcher_.addPath(dir);
    if (!fileWatcher_.files().contains(info.absoluteFilePath()) && info.exists())
        fileWatcher_.addPath(info.absoluteFilePath());
}

void Service::reloadRig() {
    loadRig(false);
    publish();
}

void Service::loadRig(bool atStart) {
    QString error;
    const auto text = files::readWhole(config_.rigPath, rig::kMaxFileSize, &error);
    const QByteArray bytes = text.value_or(QByteArray());
    if (!atStart && text && bytes == lastText_)
        return; // nothing changed (a touch, a second notification of one change)
    const QDateTime now = QDateTime::currentDateTime();
    if (!text) {
        if (!atStart && !rigFileOk_ && lastText_.isNull() && rigFileError_ == error)
            return; // still not there, for the same reason
        lastText_ = QByteArray();
        rigFileOk_ = false;
        rigFileError_ = error;
        dispatch(makeEvent(now, QStringLiteral("rig_file_refused"), document_.rig().name,
                           QStringLiteral("%1: %2%3")
                               .arg(config_.rigPath, error,
                                    document_.rig().devices.isEmpty() && atStart
                                        ? QStringLiteral("; watching the devices found")
                                        : QStringLiteral("; the last good rig is watched"))));
        return;
    }
    lastText_ = bytes;
    if (!goodText_.isNull() && bytes == goodText_) {
        rigFileOk_ = true; // back to the rig watched: nothing to read again
        rigFileError_.clear();
        dispatch(makeEvent(now, QStringLiteral("rig_file_loaded"), document_.rig().name,
                           QStringLiteral("%1 (unchanged)").arg(config_.rigPath)));
        return;
    }
    rig::Parsed parsed = rig::parse(bytes);
    if (!parsed.rig) {
        rigFileOk_ = false;
        rigFileError_ = QStringLiteral("%1: %2").arg(QFileInfo(config_.rigPath).fileName(), parsed.error);
        dispatch(makeEvent(now, QStringLiteral("rig_file_refused"), document_.rig().name,
                           rigFileError_ + (document_.rig().devices.isEmpty()
                                                ? QStringLiteral("; watching the devices found")
                                                : QStringLiteral("; the last good rig is watched"))));
        return;
    }
    goodText_ = bytes;
    rigFileOk_ = true;
    rigFileError_.clear();
    document_.set(*parsed.rig, config_.rigPath, false);
    dispatch(makeEvent(now, QStringLiteral("rig_file_loaded"), parsed.rig->name,
                       QStringLiteral("%1: %2 devices, %3 addresses")
                           .arg(config_.rigPath)
                           .arg(parsed.rig->devices.size())
                           .arg(parsed.rig->addresses.size())));
}

void Service::engineEvents(const QVector<rig::Event> &events) {
    const rig::Rig &r = document_.rig();
    for (const rig::Event &e : events) {
        auto s = fromEngine(e, r.name);
        if (!s)
            continue;
        const int entry = r.indexOf(e.mac);
        if (entry >= 0 && !r.devices[entry].Nazwa.isEmpty() && s->name != r.devices[entry].Nazwa) {
            s->name = r.devices[entry].Nazwa; // the rig's name, as the page and the metrics show it
            *s = makeEvent(s->time, s->event, s->rig, s->fields, s->mac, s->name, s->ip);
        }
        dispatch(*s);
    }
    publish();
}

void Service::dispatch(const ServiceEvent &event) {
    ++eventsTotal_[event.event];
    journal::send(event);
    if (!log_.append(event)) {
        if (!logRetry_.isActive()) {
            journal::note(3, QStringLiteral("cannot write the event log (%1); events still go to the journal "
                                            "and the hooks, and wait to be written")
                                 .arg(log_.lastError()));
            logRetry_.start();
        }
    }
    // A new list of its own size for every event (the snapshots share the old one). A copy that grew
    // by one and was cut at the front would keep the space cut off: the list's memory would grow by
    // an event's size at every event, for as long as the service runs.
    const qsizetype kept = std::min<qsizetype>(events_->size(), kKeptEvents - 1);
    auto list = std::make_shared<QVector<ServiceEvent>>();
    list->reserve(kept + 1);
    list->append(events_->cend() - kept, events_->cend());
    list->append(event);
    events_ = list;
    if (quiet_ && event.event != QLatin1String("readiness"))
        return;
    hooks_.post(event);
    webhooks_.post(event);
}

void Service::roundFinished(qint64 ms) {
    ++polls_;
    pollSeconds_ = double(ms) / 1000.0;
    // The engine brings its rows up to date right after it tells the round closed.
    QTimer::singleShot(0, this, &Service::afterRound);
}

void Service::afterRound() {
    const bool quiet = quietNow();
    if (quiet && !quiet_)
        journal::note(5, QStringLiteral("quiet hours begin (%1): events go to the journal and the log only")
                             .arg(config_.quietHours->text()));
    const bool ending = quiet_ && !quiet;
    quiet_ = quiet;
    publish();
    const std::shared_ptr<const Snapshot> s = http_.snapshot();
    if (ending) {
        dispatch(makeEvent(QDateTime::currentDateTime(), QStringLiteral("readiness"), s->rigName,
                           readinessSummary(*s)));
        publish();
    }
    if (!ready_) {
        ready_ = true;
        notify(QStringLiteral("READY=1\nSTATUS=") + onlineSummary(*s));
    } else {
        notify(QStringLiteral("STATUS=") + onlineSummary(*s));
    }
}

void addDevices(Snapshot &s, const rig::Engine &engine, const rig::Rig &r) {
    QHash<QString, const rig::Watch::Device *> watched;
    for (const rig::Watch::Device &d : engine.watch().devices())
        watched.insert(d.mac, &d);
    QSet<QString> shown;
    for (const rig::Row &row : engine.rows()) {
        DeviceStatus ds;
        ds.mac = row.mac;
        ds.name = row.name(r);
        ds.state = row.state;
        ds.inRig = row.entry >= 0;
        const rig::Watch::Device *w = watched.value(row.mac);
        const recUrzadzenia *rec = row.device ? &*row.device : (w && w->last ? &*w->last : nullptr);
        if (rec) {
            ds.firmware = rec->FWVer;
            ds.module = wire::moduleVersionName(rec->ZentriVersion);
        }
        ds.ip = row.device ? row.ips.join(QStringLiteral(", "))
                : rec      ? rec->IP
                           : (row.entry >= 0 ? r.devices[row.entry].IP : QString());
        if (w) {
            ds.presence = w->presence;
            ds.lastSeen = w->lastSeen;
        }
        switch (engine.sdCard(row)) {
        case rig::SdCard::Present:
            ds.sdCard = true;
            break;
        case rig::SdCard::Absent:
            ds.sdCard = false;
            break;
        case rig::SdCard::Unknown:
            if (w && w->sdCard && ds.presence != rig::Presence::Offline)
                ds.sdCard = w->sdCard;
            break;
        }
        ds.differences = row.differences;
        ds.detail = row.detail();
        shown.insert(row.mac);
        s.devices << ds;
    }
    // Devices not in the rig that answered before and are silent now: still there, offline or missed.
    for (const rig::Watch::Device &w : engine.watch().devices()) {
        if (shown.contains(w.mac) || !w.last)
            continue;
        DeviceStatus ds;
        ds.mac = w.mac;
        ds.name = w.last->Nazwa;
        ds.ip = w.last->IP;
        ds.firmware = w.last->FWVer;
        ds.module = wire::moduleVersionName(w.last->ZentriVersion);
        ds.state = rig::State::NotInRig;
        ds.presence = w.presence;
        ds.lastSeen = w.lastSeen;
        s.devices << ds;
    }
}

std::shared_ptr<Snapshot> Service::build() const {
    auto s = std::make_shared<Snapshot>();
    const rig::Rig &r = document_.rig();
    s->time = QDateTime::currentDateTime();
    s->rigName = r.name;
    s->rigPath = config_.rigPath;
    s->rigFileOk = rigFileOk_;
    s->rigFileError = rigFileError_;
    s->rigDevices = static_cast<int>(r.devices.size());
    s->interval = config_.interval;
    s->quiet = quiet_;
    s->eventsTotal = eventsTotal_;
    s->polls = polls_;
    s->pollSeconds = pollSeconds_;
    s->webhookDropped = webhooks_.dropped();
    s->hookDropped = hooks_.dropped();
    s->hookFailures = hooks_.failed();
    s->eventLogErrors = log_.writeErrors();
    s->startTime = startTime_;
    s->events = events_;
    if (!poller_) {
        for (const recUrzadzenia &d : r.devices) {
            DeviceStatus ds;
            ds.mac = d.MAC;
            ds.name = d.Nazwa;
            ds.ip = d.IP;
            ds.inRig = true;
            s->devices << ds;
        }
        return s;
    }
    addDevices(*s, poller_->engine(), r);
    return s;
}

void Service::publish() {
    http_.setSnapshot(build());
}

} // namespace zentri::watchsvc
