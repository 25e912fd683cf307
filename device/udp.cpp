#include "udp.h"

#include "protocol.h"
#include "wirelog.h"
#include <QCoreApplication>

#include <QElapsedTimer>
#include <QMetaObject>
#include <QSocketNotifier>
#include <QThread>
#include <QUdpSocket>

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace zentri {

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::udp)
};
} // namespace

namespace {
thread_local int handlingDepth = 0;
constexpr int kKernelReceiveBuffer = 16 * 1024 * 1024; // ten thousand replies and more
constexpr qint64 kDeliverySliceMs = 8; // longest stretch of handlers before other GUI events get a turn

// What a waiting datagram counts against the queue's bound: its bytes and a fixed overhead, so that a
// flood of empty datagrams is bounded too.
qsizetype queuedCost(const Datagram &d) {
    return d.data.capacity() + 64;
}

std::atomic<DestinationCheck> destinationCheck{nullptr};

// False, with a text in `error`, when the installed check refuses the destination.
bool destinationAllowed(const QHostAddress &to, quint16 port, QString *error) {
    const DestinationCheck check = destinationCheck.load();
    if (!check || check(to, port))
        return true;
    if (error)
        *error = Words::tr("Sending to %1 is not allowed.").arg(to.toString());
    return false;
}
} // namespace

void setDestinationCheck(DestinationCheck check) {
    destinationCheck.store(check);
}

qint64 sendDatagram(int fd, const QByteArray &data, const QHostAddress &to, quint16 port, int interfaceIndex,
                    const QHostAddress &source) {
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(port);
    remote.sin_addr.s_addr = htonl(to.toIPv4Address());
    iovec vector{const_cast<char *>(data.constData()), size_t(data.size())};
    msghdr message{};
    message.msg_name = &remote;
    message.msg_namelen = sizeof remote;
    message.msg_iov = &vector;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    if (interfaceIndex > 0 || !source.isNull()) {
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr *c = CMSG_FIRSTHDR(&message);
        c->cmsg_level = IPPROTO_IP;
        c->cmsg_type = IP_PKTINFO;
        c->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo info{};
        info.ipi_ifindex = interfaceIndex;
        info.ipi_spec_dst.s_addr = htonl(source.toIPv4Address());
        std::memcpy(CMSG_DATA(c), &info, sizeof info);
    }
    return ::sendmsg(fd, &message, 0);
}

// ---- UdpClient --------------------------------------------------------------------------------

UdpClient::UdpClient(QObject *parent) : QObject(parent) {}
UdpClient::~UdpClient() = default;

bool UdpClient::send(const QByteArray &data, const QHostAddress &to, quint16 port, QString *error) {
    if (!socket_) {
        socket_ = new QUdpSocket(this);
        if (!socket_->bind(QHostAddress::AnyIPv4, 0)) {
            if (error)
                *error = socket_->errorString();
            delete socket_;
            socket_ = nullptr;
            return false;
        }
    }
    if (to.isNull()) {
        if (error)
            *error = tr("The device address is not a valid IPv4 address.");
        return false;
    }
    if (!destinationAllowed(to, port, error))
        return false;
    if (socket_->writeDatagram(data, to, port) != data.size()) {
        if (error)
            *error = socket_->errorString();
        return false;
    }
    wirelog::sent(data, to, port, socket_->localPort());
    return true;
}

quint16 UdpClient::localPort() const {
    return socket_ ? socket_->localPort() : 0;
}

// ---- Listener worker (lives on the listener's thread) -----------------------------------------

// The listener's socket is a plain one: a storm of replies is read up to kBatch datagrams per system
// call, and each batch is handed on at once, so the GUI thread starts on the first replies while the
// rest are still being read.
class ListenerWorker : public QObject {
public:
    explicit ListenerWorker(UdpListener *owner) : owner_(owner) {}
    ~ListenerWorker() override { close(); }

    bool open(quint16 port, QString *error) {
        fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd_ < 0) {
            *error = socketErrorText(errno);
            return false;
        }
        const int on = 1;
        ::setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on); // the discovery request is a broadcast
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_port = htons(port);
        local.sin_addr.s_addr = htonl(INADDR_ANY);
        if (::bind(fd_, reinterpret_cast<const sockaddr *>(&local), sizeof local) != 0) {
            *error = socketErrorText(errno);
            ::close(fd_);
            fd_ = -1;
            return false;
        }
        // Room for a whole storm of replies; beyond the system's limit where the privilege allows.
        const int bytes = kKernelReceiveBuffer;
        if (::setsockopt(fd_, SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes) != 0)
            ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
        buffers_.resize(size_t(kBatch) * wire::kReceiveBufferSize);
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { drain(); });
        port_ = port;
        return true;
    }

    void close() {
        notifier_.reset();
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

    // Without an interface index the routing table picks the way out; with one, IP_PKTINFO sends the
    // datagram out of that interface from `source`.
    bool send(const QByteArray &data, const QHostAddress &to, quint16 port, QString *error,
              int interfaceIndex = 0, const QHostAddress &source = {}) {
        if (fd_ < 0) {
            *error = Words::tr("The socket is not open.");
            return false;
        }
        if (!destinationAllowed(to, port, error))
            return false;
        bool ok = false;
        to.toIPv4Address(&ok);
        if (!ok) {
            *error = Words::tr("The address is not an IPv4 address.");
            return false;
        }
        if (sendDatagram(fd_, data, to, port, interfaceIndex, source) != data.size()) {
            *error = socketErrorText(errno);
            return false;
        }
        wirelog::sent(data, to, port, port_);
        return true;
    }

private:
    static constexpr int kBatch = 64;

    // The texts the socket layer gives for the usual failures.
    static QString socketErrorText(int code) {
        switch (code) {
        case EADDRINUSE:
            return Words::tr("The bound address is already in use");
        case EACCES:
        case EPERM:
            return Words::tr("The address is protected");
        case EADDRNOTAVAIL:
            return Words::tr("The address is not available");
        case ENETUNREACH:
            return Words::tr("Network unreachable");
        default:
            return QString::fromLocal8Bit(std::strerror(code));
        }
    }

    void drain() {
        mmsghdr headers[kBatch];
        iovec vectors[kBatch];
        sockaddr_in senders[kBatch];
        for (;;) {
            if (fd_ < 0)
                return;
            for (int i = 0; i < kBatch; ++i) {
                vectors[i] = {buffers_.data() + size_t(i) * wire::kReceiveBufferSize,
                              size_t(wire::kReceiveBufferSize)};
                headers[i] = {};
                headers[i].msg_hdr.msg_name = &senders[i];
                headers[i].msg_hdr.msg_namelen = sizeof senders[i];
                headers[i].msg_hdr.msg_iov = &vectors[i];
                headers[i].msg_hdr.msg_iovlen = 1;
            }
            const int n = ::recvmmsg(fd_, headers, kBatch, MSG_DONTWAIT, nullptr);
            if (n <= 0) {
                if (n < 0 && errno == EINTR)
                    continue;
                return; // nothing more for now (or an error the next datagram will not have)
            }
            std::deque<Datagram> batch;
            for (int i = 0; i < n; ++i) {
                const size_t size = std::min<size_t>(headers[i].msg_len, size_t(wire::kReceiveBufferSize));
                Datagram &d = batch.emplace_back();
                d.data = QByteArray(static_cast<const char *>(vectors[i].iov_base), qsizetype(size));
                d.sender = QHostAddress(ntohl(senders[i].sin_addr.s_addr));
                d.senderPort = ntohs(senders[i].sin_port);
                wirelog::received(d.data, d.sender, d.senderPort, port_);
            }
            owner_->enqueue(std::move(batch), port_);
            if (n < kBatch)
                return;
        }
    }

    UdpListener *owner_;
    int fd_ = -1;
    quint16 port_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<char> buffers_;
};

// ---- UdpListener ------------------------------------------------------------------------------

UdpListener::UdpListener(QObject *parent) : QObject(parent) {}

UdpListener::~UdpListener() {
    close();
    if (thread_) {
        thread_->quit();
        thread_->wait();
        delete worker_;
        delete thread_;
    }
}

bool UdpListener::open(quint16 port, QString *error) {
    if (open_)
        return true;
    if (!thread_) {
        thread_ = new QThread;
        thread_->setObjectName(QStringLiteral("udp-listener"));
        worker_ = new ListenerWorker(this);
        worker_->moveToThread(thread_);
        thread_->start();
    }
    bool ok = false;
    QString text;
    QMetaObject::invokeMethod(
        worker_, [&] { ok = worker_->open(port, &text); }, Qt::BlockingQueuedConnection);
    if (!ok) {
        if (error)
            *error = text;
        return false;
    }
    open_ = true;
    port_ = port;
    return true;
}

void UdpListener::close() {
    if (!open_)
        return;
    QMetaObject::invokeMethod(
        worker_, [this] { worker_->close(); }, Qt::BlockingQueuedConnection);
    open_ = false;
    taken_.clear();
    QMutexLocker lock(&mutex_);
    queue_.clear();
    waitingBytes_ = 0;
}

int UdpListener::pendingCount() {
    QMutexLocker lock(&mutex_);
    return static_cast<int>(queue_.size() + taken_.size());
}

bool UdpListener::send(const QByteArray &data, const QHostAddress &to, quint16 port, QString *error) {
    return sendVia(data, to, port, 0, QHostAddress(), error); // out of the interface the routes choose
}

bool UdpListener::sendVia(const QByteArray &data, const QHostAddress &to, quint16 port, int interfaceIndex,
                          const QHostAddress &source, QString *error) {
    if (!open_) {
        if (error)
            *error = tr("The socket is not open.");
        return false;
    }
    bool ok = false;
    QString text;
    QMetaObject::invokeMethod(
        worker_, [&] { ok = worker_->send(data, to, port, &text, interfaceIndex, source); },
        Qt::BlockingQueuedConnection);
    if (!ok && error)
        *error = text;
    return ok;
}

bool UdpListener::isHandlingDatagram() {
    return handlingDepth > 0;
}

void UdpListener::enqueue(std::deque<Datagram> &&batch, quint16 port) {
    const bool logDrops = lcWire().isInfoEnabled();
    std::vector<const Datagram *> full; // logged once the lock is released
    QMutexLocker lock(&mutex_);
    for (auto &d : batch) {
        const qsizetype cost = queuedCost(d);
        if (waitingBytes_ + cost > kMaxQueuedBytes) {
            ++dropped_;
            if (logDrops)
                full.push_back(&d);
            continue;
        }
        waitingBytes_ += cost;
        queue_.push_back(std::move(d));
    }
    received_ += batch.size();
    lock.unlock();
    for (const Datagram *d : full)
        wirelog::queueFull(d->data, d->sender, d->senderPort, port);
    scheduleDelivery();
}

void UdpListener::scheduleDelivery(bool takenLeft) {
    QMutexLocker lock(&mutex_);
    if (posted_ || (queue_.empty() && !takenLeft))
        return;
    posted_ = true;
    QMetaObject::invokeMethod(this, &UdpListener::deliverSlice, Qt::QueuedConnection);
}

std::optional<Datagram> UdpListener::takeNext() {
    if (taken_.empty()) {
        // Everything received so far in one go: the receiving thread is held up once, not per datagram.
        QMutexLocker lock(&mutex_);
        taken_.swap(queue_);
    }
    if (taken_.empty())
        return std::nullopt;
    Datagram d = std::move(taken_.front());
    taken_.pop_front();
    waitingBytes_ -= queuedCost(d);
    return d;
}

void UdpListener::handle(const Datagram &d) {
    if (!handler_)
        return;
    ++handlingDepth;
    try {
        handler_(d.data, d.sender);
    } catch (...) {
        // A failing handler drops its datagram; the listener keeps receiving.
    }
    --handlingDepth;
}

void UdpListener::beginBatch() {
    if (inBatch_)
        return;
    inBatch_ = true;
    if (batchBegin_)
        batchBegin_();
}

void UdpListener::endBatch() {
    if (!inBatch_)
        return;
    inBatch_ = false;
    if (batchEnd_) {
        ++handlingDepth; // still part of the reply handling: failures are not shown to the user
        try {
            batchEnd_();
        } catch (...) {
        }
        --handlingDepth;
    }
}

void UdpListener::deliverSlice() {
    {
        QMutexLocker lock(&mutex_);
        posted_ = false;
    }
    if (delivering_)
        return; // reached from a nested event loop: the outer delivery goes on with the queue
    delivering_ = true;
    QElapsedTimer clock;
    clock.start();
    while (auto d = takeNext()) {
        beginBatch();
        handle(*d);
        if (clock.elapsed() >= kDeliverySliceMs)
            break; // let other GUI events run; the rest follows in order on the next turn
    }
    endBatch();
    delivering_ = false;
    scheduleDelivery(!taken_.empty());
}

void UdpListener::deliverPending() {
    const bool nested = inBatch_; // called from a handler: the batch around it goes on
    while (auto d = takeNext()) {
        beginBatch();
        handle(*d);
    }
    if (!nested)
        endBatch();
}

} // namespace zentri
