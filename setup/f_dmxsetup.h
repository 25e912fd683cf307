// DMX output setup window: the Art-Net NET and Universe the device puts out on its DMX output, and
// whether it blacks the output out when no input signal arrives.
#pragma once

#include "configwindow.h"

class QCheckBox;
class QComboBox;

namespace zentri {

class TfDMXSetup : public setup::ConfigWindow {
    Q_OBJECT
public:
    explicit TfDMXSetup(DeviceLink *link);

protected:
    void load(const recUrzadzenia &rec) override;
    void store(recUrzadzenia &rec) const override;

private:
    void FormCreate();

    QComboBox *cbxNET = nullptr, *cbxUniverse = nullptr;
    QCheckBox *cbBlackout = nullptr;
};

} // namespace zentri
