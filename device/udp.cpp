#include "udp.h"
#include "protocol.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QNetworkDatagram>
#include <QThread>
#include <QUdpSocket>
#include <QVariant>

namespace zentri {

namespace {
thread_local int handlingDepth = 0;
constexpr int kKernelReceiveBuffer = 4 * 1024 * 1024;
constexpr qint64 kDeliverySliceMs = 15; // longest stretch of handlers before other GUI events get a turn

// What a queued datagram counts against the queue's bound: its bytes and a fixed overhead, so that a
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
        *error = QObject::tr("Sending to %1 is not allowed.").arg(to.toString());
    return false;
}
} // namespace

void setDestinationCheck(DestinationCheck check) {
    destinationCheck.store(check);
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
    return true;
}

quint16 UdpClient::localPort() const {
    return socket_ ? socket_->localPort() : 0;
}

// ---- Listener worker (lives on the listener's thread) -----------------------------------------

class ListenerWorker : public QObject {
public:
    explicit ListenerWorker(UdpListener *owner) : owner_(owner) {}

    bool open(quint16 port, QString *error) {
        socket_ = std::make_unique<QUdpSocket>();
        if (!socket_->bind(QHostAddress::AnyIPv4, port, QAbstractSocket::DontShareAddress)) {
            *error = socket_->errorString();
            socket_.reset();
            return false;
        }
        socket_->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                                 QVariant(kKernelReceiveBuffer));
        QObject::connect(socket_.get(), &QUdpSocket::readyRead, this, [this] { drain(); });
        return true;
    }

    void close() { socket_.reset(); }

    bool send(const QByteArray &data, const QHostAddress &to, quint16 port, QString *error) {
        if (!socket_) {
            *error = QObject::tr("The socket is not open.");
            return false;
        }
        if (!destinationAllowed(to, port, error))
            return false;
        if (socket_->writeDatagram(data, to, port) != data.size()) {
            *error = socket_->errorString();
            return false;
        }
        return true;
    }

private:
    void drain() {
        std::deque<Datagram> batch;
        while (socket_ && socket_->hasPendingDatagrams()) {
            QNetworkDatagram d = socket_->receiveDatagram(wire::kReceiveBufferSize);
            if (!d.isValid())
                break;
            // The socket layer hands over a buffer of the full receive size: keep only the datagram's
            // own bytes, so that what waits for the GUI thread costs what it carries.
            QByteArray data = d.data();
            data.squeeze();
            batch.push_back({std::move(data), d.senderAddress()});
        }
        if (!batch.empty())
            owner_->enqueue(std::move(batch));
    }

    UdpListener *owner_;
    std::unique_ptr<QUdpSocket> socket_;
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
    QMutexLocker lock(&mutex_);
    queue_.clear();
    queuedBytes_ = 0;
}

int UdpListener::pendingCount() {
    QMutexLocker lock(&mutex_);
    return static_cast<int>(queue_.size());
}

bool UdpListener::send(const QByteArray &data, const QHostAddress &to, quint16 port, QString *error) {
    if (!open_) {
        if (error)
            *error = tr("The socket is not open.");
        return false;
    }
    bool ok = false;
    QString text;
    QMetaObject::invokeMethod(
        worker_, [&] { ok = worker_->send(data, to, port, &text); }, Qt::BlockingQueuedConnection);
    if (!ok && error)
        *error = text;
    return ok;
}

bool UdpListener::isHandlingDatagram() {
    return handlingDepth > 0;
}

void UdpListener::enqueue(std::deque<Datagram> &&batch) {
    QMutexLocker lock(&mutex_);
    for (auto &d : batch) {
        const qsizetype cost = queuedCost(d);
        if (queuedBytes_ + cost > kMaxQueuedBytes) {
            ++dropped_;
            continue;
        }
        queuedBytes_ += cost;
        queue_.push_back(std::move(d));
    }
    received_ += batch.size();
    lock.unlock();
    scheduleDelivery();
}

void UdpListener::scheduleDelivery() {
    QMutexLocker lock(&mutex_);
    if (posted_ || queue_.empty())
        return;
    posted_ = true;
    QMetaObject::invokeMethod(this, &UdpListener::deliverSlice, Qt::QueuedConnection);
}

std::optional<Datagram> UdpListener::takeNext() {
    QMutexLocker lock(&mutex_);
    if (queue_.empty())
        return std::nullopt;
    Datagram d = std::move(queue_.front());
    queue_.pop_front();
    queuedBytes_ -= queuedCost(d);
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
        handle(*d);
        if (clock.elapsed() >= kDeliverySliceMs)
            break; // let other GUI events run; the rest follows in order on the next turn
    }
    delivering_ = false;
    scheduleDelivery();
}

void UdpListener::deliverPending() {
    while (auto d = takeNext())
        handle(*d);
}

} // namespace zentri
