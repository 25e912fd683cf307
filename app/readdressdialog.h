// Asks how to readdress the devices chosen in the rig window: their outputs or their audio player's
// channels, from which NET, universe and channel, and how many channels from one device to the next.
#pragma once

#include "rig/engine.h"
#include "rig/patch.h"
#include "rig/plans.h"

#include <QDialog>
#include <QStringList>
#include <optional>

class QRadioButton;
class QSpinBox;

namespace zentri {

class ReaddressDialog : public QDialog {
    Q_OBJECT
public:
    // `devices`: the devices in the order they take their blocks, one line each.
    ReaddressDialog(const QStringList &devices, QWidget *parent = nullptr);

    rig::Readdressing readdressing() const;

    // The whole question for the devices `chosen` (MACs, in the table's order): this dialog, then the
    // patch as it will be, with every change listed. The plan the user agreed to, or nothing (the
    // user gave up, or was told why nothing is sent). The devices are read again after each question:
    // replies handled meanwhile may have changed them.
    static std::optional<rig::Plan> askPlan(QWidget *parent, const rig::Engine &engine,
                                            const rig::Document &document, const QStringList &chosen);

private:
    QRadioButton *rbOutputs, *rbAudio;
    QSpinBox *seNet, *seUniverse, *seChannel, *sePerDevice;
    bool perDeviceEdited_ = false;
};

} // namespace zentri
