// Asks how to readdress the devices chosen in the rig window: their outputs or their audio player's
// channels, from which NET, universe and channel, and how many channels from one device to the next.
#pragma once

#include "rig/patch.h"

#include <QDialog>
#include <QStringList>

class QRadioButton;
class QSpinBox;

namespace zentri {

class ReaddressDialog : public QDialog {
    Q_OBJECT
public:
    // `devices`: the devices in the order they take their blocks, one line each.
    ReaddressDialog(const QStringList &devices, QWidget *parent = nullptr);

    rig::Readdressing readdressing() const;

private:
    QRadioButton *rbOutputs, *rbAudio;
    QSpinBox *seNet, *seUniverse, *seChannel, *sePerDevice;
    bool perDeviceEdited_ = false;
};

} // namespace zentri
