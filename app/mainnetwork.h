// The rig engine's network in the manager: the main window's listener owns the reply port, so the
// rig's discoveries are the main window's own (its table is refilled as by its "Find devices") and
// its replies reach the engine from there.
#pragma once

#include "rig/network.h"

namespace zentri {

class TMainForm;

class MainWindowNetwork : public rig::Network {
    Q_OBJECT
public:
    explicit MainWindowNetwork(TMainForm *main);

    DiscoveryReport discover() override;
    QVector<BroadcastInterface> broadcastWays() const override;
    bool ask(const QHostAddress &to, QString *error) override;
    bool send(const QHostAddress &to, const QByteArray &datagram, QString *error) override;
    QVector<recUrzadzenia> devicesFound() const override;

private:
    TMainForm *main_;
};

} // namespace zentri
