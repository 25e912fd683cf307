#include "hooks.h"

#include "journal.h"

#include <QJsonDocument>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <csignal>
#include <unistd.h>

namespace zentri::watchsvc {

Hooks::Hooks(QStringList commands, QObject *parent) : QObject(parent), commands_(std::move(commands)) {}

Hooks::~Hooks() {
    // Hooks still running are ended with the service.
    for (QProcess *p : findChildren<QProcess *>()) {
        p->disconnect(this);
        if (p->processId() > 0)
            ::kill(-static_cast<pid_t>(p->processId()), SIGKILL);
        p->waitForFinished(1000);
    }
}

void Hooks::post(const ServiceEvent &event) {
    for (const QString &c : commands_)
        queue_.push_back(Job{c, event});
    while (queue_.size() > static_cast<size_t>(kMaxQueued)) {
        queue_.pop_front();
        ++dropped_;
    }
    startSome();
}

void Hooks::startSome() {
    while (running_ < kMaxRunning && !queue_.empty()) {
        const Job job = queue_.front();
        queue_.pop_front();
        start(job);
    }
}

void Hooks::start(const Job &job) {
    auto *p = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const ServiceEvent &e = job.event;
    env.insert(QStringLiteral("ZENTRI_EVENT"), e.event);
    env.insert(QStringLiteral("ZENTRI_MAC"), e.mac);
    env.insert(QStringLiteral("ZENTRI_NAME"), e.name);
    env.insert(QStringLiteral("ZENTRI_IP"), e.ip);
    env.insert(QStringLiteral("ZENTRI_FIELDS"), e.fields);
    env.insert(QStringLiteral("ZENTRI_RIG"), e.rig);
    env.insert(QStringLiteral("ZENTRI_TIME"), isoTime(e.time));
    env.insert(QStringLiteral("ZENTRI_MESSAGE"), e.message);
    p->setProcessEnvironment(env);
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel); // a hook's complaints reach the journal
    // A process group of its own, so that the time-out ends what the shell started as well.
    p->setChildProcessModifier([] { ::setpgid(0, 0); });
    auto *timer = new QTimer(p);
    timer->setSingleShot(true);
    auto wasKilled = std::make_shared<bool>(false);
    connect(timer, &QTimer::timeout, p, [p, wasKilled] {
        *wasKilled = true;
        if (p->processId() > 0)
            ::kill(-static_cast<pid_t>(p->processId()), SIGKILL);
        p->kill();
    });
    const QString command = job.command;
    connect(
        p, &QProcess::finished, this, [this, p, command, wasKilled](int code, QProcess::ExitStatus status) {
            --running_;
            ++finished_;
            if (*wasKilled) {
                ++killed_;
                ++failed_;
                journal::note(
                    4, QStringLiteral("hook killed after %1 s: %2").arg(timeoutMs_ / 1000.0).arg(command));
            } else if (status != QProcess::NormalExit || code != 0) {
                ++failed_;
                journal::note(4, QStringLiteral("hook exited with status %1: %2").arg(code).arg(command));
            }
            emit hookFinished(command, code, *wasKilled);
            p->deleteLater();
            startSome();
        });
    connect(p, &QProcess::errorOccurred, this, [this, p, command](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        --running_;
        ++failed_;
        journal::note(4, QStringLiteral("hook not started (%1): %2").arg(p->errorString(), command));
        p->deleteLater();
        startSome();
    });
    ++running_;
    p->start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    timer->start(timeoutMs_);
    // The event on standard input; a hook that does not read it does not hold anything up (the pipe
    // takes it, and Qt writes it as the hook reads).
    p->write(QJsonDocument(e.toJson()).toJson(QJsonDocument::Compact) + '\n');
    p->closeWriteChannel();
}

} // namespace zentri::watchsvc
