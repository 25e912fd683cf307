#include "records.h"

#include <tuple>

namespace zentri {

bool operator==(const rtrigger &a, const rtrigger &b) {
    return std::tie(a.NET, a.Universe, a.Channel, a.Function, a.Catalog, a.File, a.Volume) ==
           std::tie(b.NET, b.Universe, b.Channel, b.Function, b.Catalog, b.File, b.Volume);
}

bool operator==(const routput &a, const routput &b) {
    return std::tie(a.NET, a.Universe, a.Channel, a.Reserved, a.PWM) ==
           std::tie(b.NET, b.Universe, b.Channel, b.Reserved, b.PWM);
}

bool operator==(const rdap &a, const rdap &b) {
    return std::tie(a.NET, a.Universe, a.CatalogID_DMXch, a.FileID_DMXch, a.Volume_DMXch, a.State_DMXch,
                    a.Bass_DMXch, a.Treble_DMXch, a.playLoop) ==
           std::tie(b.NET, b.Universe, b.CatalogID_DMXch, b.FileID_DMXch, b.Volume_DMXch, b.State_DMXch,
                    b.Bass_DMXch, b.Treble_DMXch, b.playLoop);
}

bool operator==(const rdmx &a, const rdmx &b) {
    return a.Output_NET == b.Output_NET && a.Output_Universe == b.Output_Universe;
}

bool operator==(const recUrzadzenia &a, const recUrzadzenia &b) {
    return std::tie(a.Nazwa, a.OpisUzytkownika, a.IP, a.MAC, a.PINGLive, a.KanalDMX, a.Universe,
                    a.SubUniverse, a.WorkMode, a.FWVer, a.HWVer, a.Equipment, a.Trigger,
                    a.TriggerButtonPlayMode, a.Output, a.dap, a.InputSelect, a.DestinationIP, a.dmx,
                    a.ZentriVersion, a.MasterVolume, a.playAfterPowerOn, a.blackoutAtEndOfTheShow) ==
           std::tie(b.Nazwa, b.OpisUzytkownika, b.IP, b.MAC, b.PINGLive, b.KanalDMX, b.Universe,
                    b.SubUniverse, b.WorkMode, b.FWVer, b.HWVer, b.Equipment, b.Trigger,
                    b.TriggerButtonPlayMode, b.Output, b.dap, b.InputSelect, b.DestinationIP, b.dmx,
                    b.ZentriVersion, b.MasterVolume, b.playAfterPowerOn, b.blackoutAtEndOfTheShow);
}

QString destinationText(const recUrzadzenia &rec) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(rec.DestinationIP[0] & 0xFF)
        .arg(rec.DestinationIP[1] & 0xFF)
        .arg(rec.DestinationIP[2] & 0xFF)
        .arg(rec.DestinationIP[3] & 0xFF);
}

} // namespace zentri
