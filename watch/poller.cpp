#include "poller.h"

namespace zentri::watchsvc {

Poller::Poller(rig::Document &document, const QHostAddress &target, int intervalSeconds, QObject *parent)
    : Poller(document, std::make_unique<rig::UdpNetwork>(target), intervalSeconds, parent) {
    udp_ = static_cast<rig::UdpNetwork *>(network_.get());
}

Poller::Poller(rig::Document &document, std::unique_ptr<rig::Network> network, int intervalSeconds,
               QObject *parent)
    : QObject(parent), network_(std::move(network)), engine_(*network_, document) {
    engine_.setRoundMs(intervalSeconds * 1000);
    connect(&engine_, &rig::Engine::roundStarted, this, [this] { round_.start(); });
    connect(&engine_, &rig::Engine::roundClosed, this, [this] { emit roundFinished(round_.elapsed()); });
    connect(&engine_, &rig::Engine::eventsAdded, this, &Poller::events);
    connect(&engine_, &rig::Engine::discoveryFailed, this, &Poller::discoveryFailed);
}

bool Poller::start(QString *error) {
    if (udp_ && !udp_->listen(error))
        return false;
    engine_.setWatching(true);
    return true;
}

} // namespace zentri::watchsvc
