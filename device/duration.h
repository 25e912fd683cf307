// Show lengths and playback positions as the device counts them, rendered as a running time.
#pragma once

#include <QString>
#include <cstdint>

namespace zentri {

// Device time units per second: the device's count is divided by 512 and then by 40.
constexpr int32_t kDeviceUnitsPerSecond = 20480;

// "hh:mm:ss" for a count of device units; fractions of a second are dropped. A negative count (no
// meaningful time) shows "00:00:00"; 24 hours and more go on counting hours ("29:07:37"), so every
// value a 32-bit count can hold is shown as the time it stands for.
QString DurationText(int32_t units);

} // namespace zentri
