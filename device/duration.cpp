#include "duration.h"

namespace zentri {

QString DurationText(int32_t units) {
    const int32_t total = units < 0 ? 0 : units / kDeviceUnitsPerSecond;
    const int32_t hours = total / 3600;
    const int32_t minutes = (total % 3600) / 60;
    const int32_t seconds = total % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}

} // namespace zentri
