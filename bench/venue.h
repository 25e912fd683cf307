// Device k of a large venue for the patch and report benchmarks: four devices share a universe, and
// every output, audio function, the DMX output and every trigger is in use, with an error on every
// tenth device and a warning on every tenth other one.
#pragma once

#include "device/discovery.h"
#include "device/records.h"

namespace bench {

inline zentri::recUrzadzenia venueDevice(int k) {
    zentri::recUrzadzenia r;
    r.Nazwa = QStringLiteral("Box %1").arg(k);
    r.MAC = QStringLiteral("02:5A:45:00:%1:%2")
                .arg(k >> 8, 2, 16, QLatin1Char('0'))
                .arg(k & 0xFF, 2, 16, QLatin1Char('0'))
                .toUpper();
    r.IP = QStringLiteral("10.1.%1.%2").arg(k / 250).arg(k % 250 + 2);
    r.FWVer = QStringLiteral("1.12");
    r.ZentriVersion = zentri::kModulePremium;
    const int universe = k / 4, first = k % 4 * 64 + 1;
    for (int i = 0; i < 8; ++i)
        r.Output[i] = {0, universe, first + i, 0, i % 2 == 1};
    r.dap = {0, universe, first + 8, first + 9, first + 10, first + 11, first + 12, first + 13, 0};
    r.dmx = {1, k % 256};
    for (int i = 0; i < 8; ++i)
        r.Trigger[i] = {0, universe, first + 20 + i, 1, 0, 0, 0};
    r.DestinationIP = {10, 1, 0, 1, 0};
    if (k % 10 == 0)
        r.dap.Bass_DMXch = r.dap.Volume_DMXch; // an error
    if (k % 10 == 5)
        r.Output[2].Channel = first + 10; // a warning
    return r;
}

// The subnet the venue's devices and trigger destinations are on.
inline QVector<zentri::InterfaceInfo> venueInterfaces() {
    return {
        {QStringLiteral("eth0"), 2, true, true, false, {{QHostAddress(QStringLiteral("10.1.0.254")), 16}}}};
}

} // namespace bench
