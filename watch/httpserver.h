// The service's HTTP side, read-only: GET (and HEAD) of /, /api/status, /api/events?since=ISO-TIME
// and /metrics; any other path 404, any other method 405. Every answer is made from the snapshot the
// Qt thread last swapped in, on the server's own thread: no client can hold the event loop.
#pragma once

#include "status.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <memory>
#include <mutex>

struct MHD_Daemon;
struct MHD_Connection;

namespace zentri::watchsvc {

class HttpServer {
public:
    static constexpr unsigned kConnectionLimit = 1000;
    static constexpr size_t kConnectionMemory = 32 * 1024; // the request's header must fit in it
    static constexpr unsigned kTimeoutSeconds = 15;        // an idle connection is closed after it

    HttpServer();
    ~HttpServer();
    HttpServer(const HttpServer &) = delete;
    HttpServer &operator=(const HttpServer &) = delete;

    // Binds and starts serving; false with the reason. Port 0 takes a free port (tests).
    bool start(const QHostAddress &address, quint16 port, QString *error);
    void stop();
    quint16 port() const { return port_; }

    void setSnapshot(std::shared_ptr<const Snapshot> snapshot);
    std::shared_ptr<const Snapshot> snapshot() const;

    // The page and the Content-Security-Policy that lets its one inline script run.
    static const QByteArray &page();
    static const QByteArray &pagePolicy();

    // One request (on the server's thread): the MHD_Result of queueing the answer.
    static int answerFor(void *self, MHD_Connection *connection, const char *url, const char *method);

private:
    MHD_Daemon *daemon_ = nullptr;
    quint16 port_ = 0;
    mutable std::mutex mutex_;
    std::shared_ptr<const Snapshot> snapshot_;
};

} // namespace zentri::watchsvc
