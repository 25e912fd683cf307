// The watch service: the rig file (read at start, on SIGHUP and when it changes), the polling, and
// every event out to the journal, the event log, the hooks and the webhooks (those two not inside
// the quiet hours), the snapshot for HTTP after each round, and systemd's READY, STATUS and WATCHDOG.
#pragma once

#include "config.h"
#include "eventlog.h"
#include "hooks.h"
#include "httpserver.h"
#include "poller.h"
#include "webhook.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <memory>

namespace zentri::watchsvc {

// The devices of a snapshot: the engine's rows (the rig's devices, then those not in it), with each
// one's presence, last answer and SD card, and the devices not in the rig gone silent.
void addDevices(Snapshot &s, const rig::Engine &engine, const rig::Rig &rig);

class Service : public QObject {
    Q_OBJECT
public:
    explicit Service(Config config, QObject *parent = nullptr);
    ~Service() override;

    // Before start(): the rounds on `network` instead of the reply port's own listener (benchmarks
    // and tests play the devices on it).
    void useNetwork(std::unique_ptr<rig::Network> network) { network_ = std::move(network); }
    // Everything up: the state directory, the HTTP listener, the reply port. False with the reason.
    bool start(QString *error);
    // The rig file read again (SIGHUP; a change seen by the watcher).
    void reloadRig();
    // Tells systemd the service stops.
    void stopping();

    const HttpServer &http() const { return http_; }
    // The engine's rounds, once started (null before).
    const Poller *poller() const { return poller_.get(); }
    std::shared_ptr<const Snapshot> snapshot() const { return http_.snapshot(); }

private:
    void loadRig(bool atStart);
    void watchRigFile();
    void engineEvents(const QVector<rig::Event> &events);
    void dispatch(const ServiceEvent &event);
    void roundFinished(qint64 ms);
    void afterRound();
    std::shared_ptr<Snapshot> build() const;
    void publish();
    bool quietNow() const;

    Config config_;
    rig::Document document_;
    std::unique_ptr<rig::Network> network_; // given by useNetwork(), until start()
    std::unique_ptr<Poller> poller_;
    HttpServer http_;
    EventLog log_;
    Hooks hooks_;
    Webhooks webhooks_;
    QFileSystemWatcher fileWatcher_;
    QTimer reloadSoon_, logRetry_, watchdog_;
    QByteArray lastText_, goodText_; // the rig file's text as last read, and as last accepted
    bool rigFileOk_ = false;
    QString rigFileError_;
    bool quiet_ = false;
    bool ready_ = false;
    quint64 polls_ = 0;
    double pollSeconds_ = 0;
    QMap<QString, quint64> eventsTotal_;
    std::shared_ptr<const QVector<ServiceEvent>> events_;
    double startTime_ = 0;
};

} // namespace zentri::watchsvc
