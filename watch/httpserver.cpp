// Why libmicrohttpd and not Qt's QHttpServer: Qt 6.4 ships QHttpServer as a technical preview, meant
// by its makers for trusted networks, and it runs on the Qt event loop, so a client that trickles
// headers or holds hundreds of connections competes with the polls. libmicrohttpd (Debian's
// libmicrohttpd12, used by systemd-journal-remote among others) is a small C server written to face
// untrusted clients: its own polling thread (epoll), a limit on connections, a fixed memory pool per
// connection (a request whose headers do not fit is refused, never buffered) and a time-out for idle
// connections. The service answers from immutable snapshots, so that thread never waits for Qt.
#include "httpserver.h"

#include <QCryptographicHash>
#include <QFile>
#include <QUrl>
#include <arpa/inet.h>
#include <cstring>
#include <microhttpd.h>
#include <netinet/in.h>

extern const char zentri_watch_page[]; // page.html, compiled in (page.cpp, made by CMake)

namespace zentri::watchsvc {

namespace {

MHD_Result reply(MHD_Connection *c, unsigned status, const QByteArray &body, const char *type,
                 bool isPage = false) {
    MHD_Response *r = MHD_create_response_from_buffer(
        static_cast<size_t>(body.size()), const_cast<char *>(body.constData()), MHD_RESPMEM_MUST_COPY);
    if (!r)
        return MHD_NO;
    MHD_add_response_header(r, "Content-Type", type);
    MHD_add_response_header(r, "Cache-Control", "no-store");
    MHD_add_response_header(r, "X-Content-Type-Options", "nosniff");
    MHD_add_response_header(r, "Referrer-Policy", "no-referrer");
    if (isPage) {
        MHD_add_response_header(r, "Content-Security-Policy", HttpServer::pagePolicy().constData());
        MHD_add_response_header(r, "X-Frame-Options", "DENY");
    }
    if (status == MHD_HTTP_METHOD_NOT_ALLOWED)
        MHD_add_response_header(r, "Allow", "GET, HEAD");
    const MHD_Result result = MHD_queue_response(c, status, r);
    MHD_destroy_response(r);
    return result;
}

MHD_Result access(void *cls, MHD_Connection *connection, const char *url, const char *method,
                  const char * /*version*/, const char * /*upload*/, size_t *uploadSize, void **state) {
    // The first call comes with the headers only; for GET and HEAD there is no body to wait for, and
    // any other method is answered at once (its body is not read).
    (void)uploadSize;
    (void)state;
    return static_cast<MHD_Result>(HttpServer::answerFor(cls, connection, url, method));
}

} // namespace

const QByteArray &HttpServer::page() {
    static const QByteArray p(zentri_watch_page);
    return p;
}

const QByteArray &HttpServer::pagePolicy() {
    static const QByteArray policy = [] {
        const QByteArray &p = page();
        const int from = p.indexOf("<script>") + 8, to = p.indexOf("</script>");
        const QByteArray script = p.mid(from, to - from);
        const QByteArray hash = QCryptographicHash::hash(script, QCryptographicHash::Sha256).toBase64();
        return "default-src 'none'; connect-src 'self'; img-src 'self'; style-src 'unsafe-inline'; "
               "script-src 'sha256-" +
               hash + "'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
    }();
    return policy;
}

int HttpServer::answerFor(void *cls, MHD_Connection *c, const char *url, const char *method) {
    auto *self = static_cast<HttpServer *>(cls);
    const QByteArray path(url);
    const bool known = path == "/" || path == "/metrics" || path == "/api/status" || path == "/api/events";
    if (!known)
        return reply(c, MHD_HTTP_NOT_FOUND, "not found\n", "text/plain; charset=utf-8");
    if (std::strcmp(method, "GET") != 0 && std::strcmp(method, "HEAD") != 0)
        return reply(c, MHD_HTTP_METHOD_NOT_ALLOWED, "only GET and HEAD\n", "text/plain; charset=utf-8");
    if (path == "/")
        return reply(c, MHD_HTTP_OK, page(), "text/html; charset=utf-8", true);
    const std::shared_ptr<const Snapshot> s = self->snapshot();
    if (!s)
        return reply(c, MHD_HTTP_SERVICE_UNAVAILABLE, "starting\n", "text/plain; charset=utf-8");
    if (path == "/metrics")
        return reply(c, MHD_HTTP_OK, metricsText(*s), "text/plain; version=0.0.4; charset=utf-8");
    if (path == "/api/status")
        return reply(c, MHD_HTTP_OK, statusJson(*s), "application/json");
    QDateTime since;
    if (const char *text = MHD_lookup_connection_value(c, MHD_GET_ARGUMENT_KIND, "since")) {
        // A '+' of a time zone may arrive as a space (form encoding).
        const QString t = QString::fromUtf8(text).replace(' ', '+');
        since = QDateTime::fromString(t, Qt::ISODateWithMs);
        if (!since.isValid())
            return reply(c, MHD_HTTP_BAD_REQUEST, "since: not an ISO 8601 time like 2026-12-11T10:00:00Z\n",
                         "text/plain; charset=utf-8");
    }
    return reply(c, MHD_HTTP_OK, eventsJson(*s, since), "application/json");
}

HttpServer::HttpServer() = default;

HttpServer::~HttpServer() {
    stop();
}

bool HttpServer::start(const QHostAddress &address, quint16 port, QString *error) {
    sockaddr_storage storage{};
    unsigned flags = MHD_USE_EPOLL_INTERNAL_THREAD;
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        auto *a6 = reinterpret_cast<sockaddr_in6 *>(&storage);
        a6->sin6_family = AF_INET6;
        a6->sin6_port = htons(port);
        const Q_IPV6ADDR raw = address.toIPv6Address();
        std::memcpy(&a6->sin6_addr, &raw, sizeof raw);
        flags |= MHD_USE_IPv6;
    } else {
        auto *a4 = reinterpret_cast<sockaddr_in *>(&storage);
        a4->sin_family = AF_INET;
        a4->sin_port = htons(port);
        a4->sin_addr.s_addr = htonl(address.toIPv4Address());
    }
    daemon_ = MHD_start_daemon(flags, port, nullptr, nullptr, &access, this, MHD_OPTION_SOCK_ADDR,
                               reinterpret_cast<sockaddr *>(&storage), MHD_OPTION_CONNECTION_LIMIT,
                               kConnectionLimit, MHD_OPTION_CONNECTION_MEMORY_LIMIT, kConnectionMemory,
                               MHD_OPTION_CONNECTION_TIMEOUT, kTimeoutSeconds, MHD_OPTION_LISTEN_BACKLOG_SIZE,
                               128u, MHD_OPTION_END);
    if (!daemon_) {
        *error = QStringLiteral("cannot serve HTTP on %1:%2 (the port may be in use, or the address not "
                                "this machine's)")
                     .arg(address.protocol() == QAbstractSocket::IPv6Protocol ? '[' + address.toString() + ']'
                                                                              : address.toString())
                     .arg(port);
        return false;
    }
    const MHD_DaemonInfo *info = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT);
    port_ = info ? info->port : port;
    return true;
}

void HttpServer::stop() {
    if (daemon_)
        MHD_stop_daemon(daemon_);
    daemon_ = nullptr;
}

void HttpServer::setSnapshot(std::shared_ptr<const Snapshot> snapshot) {
    std::lock_guard<std::mutex> lock(mutex_);
    snapshot_ = std::move(snapshot);
}

std::shared_ptr<const Snapshot> HttpServer::snapshot() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return snapshot_;
}

} // namespace zentri::watchsvc
