#include "reply_sender.h"
#include "device/udp.h"

#include <QDateTime>
#include <QUdpSocket>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>

namespace zentri::emu {

namespace {
// A datagram that makes no progress for this long is dropped.
constexpr qint64 kStallLimitMs = 2000;
constexpr int kRetryMs = 1;
} // namespace

ReplySender::ReplySender(QUdpSocket *socket, QObject *parent) : QObject(parent), socket_(socket) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &ReplySender::flush);
}

void ReplySender::enlargeBuffers(QUdpSocket *socket, int bytes) {
    const int fd = static_cast<int>(socket->socketDescriptor());
    if (fd < 0)
        return;
    // The FORCE variants pass over net.core.[rw]mem_max but need the privilege to do so.
    if (setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes) != 0)
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
    if (setsockopt(fd, SOL_SOCKET, SO_SNDBUFFORCE, &bytes, sizeof bytes) != 0)
        setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &bytes, sizeof bytes);
}

void ReplySender::send(const QVector<Outgoing> &datagrams) {
    if (datagrams.isEmpty())
        return;
    const bool idle = queue_.empty();
    queue_.insert(queue_.end(), datagrams.cbegin(), datagrams.cend());
    if (idle)
        flush();
}

ReplySender::Result ReplySender::sendOne(const Outgoing &d, bool withSource, int *error) {
    const int fd = static_cast<int>(socket_->socketDescriptor());
    if (sendDatagram(fd, d.data, d.to, d.port, 0, withSource ? d.from : QHostAddress()) >= 0)
        return Result::Sent;
    *error = errno;
    if (*error == EAGAIN || *error == EWOULDBLOCK || *error == ENOBUFS || *error == EINTR)
        return Result::Retry;
    return Result::Failed;
}

void ReplySender::flush() {
    while (!queue_.empty()) {
        const Outgoing &d = queue_.front();
        bool withSource = !d.from.isNull() && !foreignSources_.contains(d.from.toIPv4Address());
        int error = 0;
        Result r = sendOne(d, withSource, &error);
        if (r == Result::Failed && withSource) {
            // The system will not send from this address (it is not one of this machine's): send
            // from the address it chooses, and say so once.
            foreignSources_.insert(d.from.toIPv4Address());
            emit warning(QStringLiteral("cannot send from %1 (%2): its replies leave from the system's own "
                                        "address; add the address to an interface to fix this")
                             .arg(d.from.toString(), QString::fromLocal8Bit(std::strerror(error))));
            r = sendOne(d, false, &error);
        }
        if (r == Result::Retry) {
            const qint64 now = QDateTime::currentMSecsSinceEpoch();
            if (stalledSinceMs_ < 0)
                stalledSinceMs_ = now;
            if (now - stalledSinceMs_ < kStallLimitMs) {
                retry_.start();
                return;
            }
            r = Result::Failed;
        }
        stalledSinceMs_ = -1;
        // A drop is told for the first few only: a storm that overflows would flood the terminal.
        constexpr qint64 kDropsShown = 10;
        if (r != Result::Sent && ++dropped_ <= kDropsShown)
            emit warning(
                QStringLiteral("datagram of %1 bytes to %2:%3 dropped: %4")
                    .arg(d.data.size())
                    .arg(d.to.toString())
                    .arg(d.port)
                    .arg(QString::fromLocal8Bit(std::strerror(error))) +
                (dropped_ == kDropsShown ? QStringLiteral(" (further drops are not shown)") : QString()));
        queue_.pop_front();
    }
}

} // namespace zentri::emu
