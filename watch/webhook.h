// --webhook: every event POSTed as JSON (time, event, mac, name, ip, fields, rig) to each URL, one
// request at a time per URL so that they arrive in order. A failure (no connection, an answer other
// than 2xx, no answer within kRequestTimeoutMs) is tried again after 1, 2, 4 ... 60 s, for up to
// kGiveUpMs after the event; then it is dropped. Each URL's queue holds at most kMaxQueued events:
// the oldest are dropped. Every drop is counted (zentri_webhook_dropped_total).
#pragma once

#include "event.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <memory>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;

namespace zentri::watchsvc {

class Webhooks : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxQueued = 1000;
    static constexpr qint64 kGiveUpMs = 10 * 60 * 1000;
    static constexpr int kRequestTimeoutMs = 10000;
    static constexpr int kFirstBackoffMs = 1000, kMaxBackoffMs = 60000;

    explicit Webhooks(const QVector<QUrl> &urls, QObject *parent = nullptr);
    ~Webhooks() override;

    // Times for the tests: the request time-out and the first and largest backoff.
    void setTimes(int requestTimeoutMs, int firstBackoffMs, int maxBackoffMs, qint64 giveUpMs);

    void post(const ServiceEvent &event);

    quint64 dropped() const { return dropped_; }
    quint64 delivered() const { return delivered_; }
    quint64 failures() const { return failures_; } // attempts that failed
    int queued() const;

signals:
    void deliveredOne(const QUrl &url);

private:
    struct Item {
        QByteArray body;
        qint64 queuedAt = 0; // on clock_
    };
    struct Target {
        QUrl url;
        std::deque<Item> queue;
        QNetworkReply *inFlight = nullptr;
        QTimer retry;
        int backoffMs = 0;
    };
    void sendNext(Target &t);
    void finished(Target &t, QNetworkReply *reply);

    QNetworkAccessManager *manager_;
    std::vector<std::unique_ptr<Target>> targets_;
    QElapsedTimer clock_;
    int requestTimeoutMs_ = kRequestTimeoutMs, firstBackoffMs_ = kFirstBackoffMs,
        maxBackoffMs_ = kMaxBackoffMs;
    qint64 giveUpMs_ = kGiveUpMs;
    quint64 dropped_ = 0, delivered_ = 0, failures_ = 0;
};

} // namespace zentri::watchsvc
