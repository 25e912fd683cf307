// --on-event: each command run through /bin/sh -c for every event, with ZENTRI_EVENT, ZENTRI_MAC,
// ZENTRI_NAME, ZENTRI_IP, ZENTRI_FIELDS, ZENTRI_RIG, ZENTRI_TIME and ZENTRI_MESSAGE in its
// environment and the event as JSON on its standard input. At most kMaxRunning at once, each killed
// (with its whole process group) after kTimeoutMs; the rest wait in a bounded queue, the oldest
// dropped and counted. Nothing here ever waits for a hook: a poll is never delayed by one.
#pragma once

#include "event.h"

#include <QObject>
#include <QStringList>
#include <deque>

class QProcess;

namespace zentri::watchsvc {

class Hooks : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxRunning = 4;
    static constexpr int kTimeoutMs = 30000;
    static constexpr int kMaxQueued = 1000;

    explicit Hooks(QStringList commands, QObject *parent = nullptr);
    ~Hooks() override;

    void setTimeoutMs(int ms) { timeoutMs_ = ms; } // tests
    void post(const ServiceEvent &event);

    int running() const { return running_; }
    int queued() const { return static_cast<int>(queue_.size()); }
    quint64 dropped() const { return dropped_; }
    quint64 failed() const { return failed_; }
    quint64 killed() const { return killed_; }
    quint64 finished() const { return finished_; }

signals:
    void hookFinished(const QString &command, int exitCode, bool killed);

private:
    struct Job {
        QString command;
        ServiceEvent event;
    };
    void startSome();
    void start(const Job &job);

    QStringList commands_;
    int timeoutMs_ = kTimeoutMs;
    std::deque<Job> queue_;
    int running_ = 0;
    quint64 dropped_ = 0, failed_ = 0, killed_ = 0, finished_ = 0;
};

} // namespace zentri::watchsvc
