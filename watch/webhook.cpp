#include "webhook.h"

#include "journal.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace zentri::watchsvc {

Webhooks::Webhooks(const QVector<QUrl> &urls, QObject *parent)
    : QObject(parent), manager_(new QNetworkAccessManager(this)) {
    clock_.start();
    for (const QUrl &u : urls) {
        auto t = std::make_unique<Target>();
        t->url = u;
        t->retry.setSingleShot(true);
        Target *raw = t.get();
        connect(&t->retry, &QTimer::timeout, this, [this, raw] { sendNext(*raw); });
        targets_.push_back(std::move(t));
    }
}

Webhooks::~Webhooks() {
    for (auto &t : targets_)
        if (t->inFlight) {
            t->inFlight->disconnect(this);
            t->inFlight->abort();
        }
}

void Webhooks::setTimes(int requestTimeoutMs, int firstBackoffMs, int maxBackoffMs, qint64 giveUpMs) {
    requestTimeoutMs_ = requestTimeoutMs;
    firstBackoffMs_ = firstBackoffMs;
    maxBackoffMs_ = maxBackoffMs;
    giveUpMs_ = giveUpMs;
}

int Webhooks::queued() const {
    int n = 0;
    for (const auto &t : targets_)
        n += static_cast<int>(t->queue.size());
    return n;
}

void Webhooks::post(const ServiceEvent &event) {
    const QByteArray body = QJsonDocument(event.toJson()).toJson(QJsonDocument::Compact);
    for (auto &t : targets_) {
        t->queue.push_back(Item{body, clock_.elapsed()});
        // The oldest go, except the one on its way (it is dropped, if it fails, by its age).
        while (t->queue.size() > static_cast<size_t>(kMaxQueued)) {
            t->queue.erase(t->queue.begin() + (t->inFlight ? 1 : 0));
            ++dropped_;
        }
        if (!t->inFlight && !t->retry.isActive())
            sendNext(*t);
    }
}

void Webhooks::sendNext(Target &t) {
    while (!t.queue.empty() && clock_.elapsed() - t.queue.front().queuedAt > giveUpMs_) {
        t.queue.pop_front();
        ++dropped_;
    }
    if (t.queue.empty() || t.inFlight)
        return;
    QNetworkRequest request(t.url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("zentri-watch"));
    request.setTransferTimeout(requestTimeoutMs_);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply *reply = manager_->post(request, t.queue.front().body);
    t.inFlight = reply;
    Target *raw = &t;
    connect(reply, &QNetworkReply::finished, this, [this, raw, reply] { finished(*raw, reply); });
}

void Webhooks::finished(Target &t, QNetworkReply *reply) {
    reply->deleteLater();
    t.inFlight = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300) {
        if (!t.queue.empty())
            t.queue.pop_front();
        ++delivered_;
        t.backoffMs = 0;
        emit deliveredOne(t.url);
        sendNext(t);
        return;
    }
    ++failures_;
    if (t.backoffMs == 0)
        journal::note(4, QStringLiteral("webhook %1 failed (%2); trying again with backoff")
                             .arg(t.url.toDisplayString(QUrl::RemoveUserInfo),
                                  status ? QStringLiteral("HTTP %1").arg(status) : reply->errorString()));
    t.backoffMs = t.backoffMs == 0 ? firstBackoffMs_ : std::min(maxBackoffMs_, t.backoffMs * 2);
    t.retry.start(t.backoffMs);
}

} // namespace zentri::watchsvc
