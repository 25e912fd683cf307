#include "mainnetwork.h"

#include "device/protocol.h"
#include "mainwindow.h"

namespace zentri {

MainWindowNetwork::MainWindowNetwork(TMainForm *main) : main_(main) {
    connect(main_, &TMainForm::infoReplied, this, &rig::Network::infoReply);
    connect(main_, &TMainForm::sdCardReported, this, [this](const QHostAddress &sender, bool present) {
        emit sdCardReply(QHostAddress(sender.toIPv4Address()).toString(), present);
    });
}

DiscoveryReport MainWindowNetwork::discover() {
    main_->findDevices(); // it shows what could not be sent in its status bar
    return {};
}

QVector<BroadcastInterface> MainWindowNetwork::broadcastWays() const {
    if (main_->discoveryAddress() != QHostAddress(QHostAddress::Broadcast))
        return {};
    return broadcastInterfaces(systemInterfaces());
}

bool MainWindowNetwork::ask(const QHostAddress &to, QString *error) {
    return main_->listener()->send(wire::discoveryRequest(), to, wire::kDevicePort, error);
}

bool MainWindowNetwork::send(const QHostAddress &to, const QByteArray &datagram, QString *error) {
    return main_->sendToAddress(to, datagram, error);
}

QVector<recUrzadzenia> MainWindowNetwork::devicesFound() const {
    return main_->devices();
}

} // namespace zentri
