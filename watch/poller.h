// The polling: the rig engine's discovery rounds (broadcast, the rig's addresses asked one by one,
// silent rig devices asked again, the SD card question, answers of one device merged), one round
// every interval, on a reply-port listener of the service's own (or on a network given to it, for the
// benchmarks and tests). The service reads the states and the watch from the engine after each round.
#pragma once

#include "rig/document.h"
#include "rig/engine.h"
#include "rig/udpnetwork.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>

namespace zentri::watchsvc {

class Poller : public QObject {
    Q_OBJECT
public:
    Poller(rig::Document &document, const QHostAddress &target, int intervalSeconds,
           QObject *parent = nullptr);
    // The rounds on `network` instead: nothing of the reply port is opened.
    Poller(rig::Document &document, std::unique_ptr<rig::Network> network, int intervalSeconds,
           QObject *parent = nullptr);

    // Opens the reply port and starts the rounds; false with the reason.
    bool start(QString *error);
    const rig::Engine &engine() const { return engine_; }

signals:
    // A round ended: how long it took, and the events it caused.
    void roundFinished(qint64 ms);
    void events(const QVector<zentri::rig::Event> &events);
    void discoveryFailed(const QStringList &failures);

private:
    std::unique_ptr<rig::Network> network_;
    rig::UdpNetwork *udp_ = nullptr; // network_, when it is the reply port's
    rig::Engine engine_;
    QElapsedTimer round_;
};

} // namespace zentri::watchsvc
