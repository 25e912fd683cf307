#include "address.h"

#include <QObject>

namespace zentri {

quint32 subnetMask(int prefixLength) {
    if (prefixLength <= 0)
        return 0;
    if (prefixLength >= 32)
        return 0xFFFFFFFFu;
    return 0xFFFFFFFFu << (32 - prefixLength);
}

std::optional<qint64> parseWholeNumber(const QString &text, qint64 min, qint64 max) {
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<QHostAddress> parseIpv4(const QString &text, QString *error) {
    const QStringList parts = text.split(QLatin1Char('.'));
    bool plain = parts.size() == 4;
    quint32 address = 0;
    for (const QString &part : parts) {
        const auto n = parseWholeNumber(part, 0, 255);
        if (!plain || !n || (part.size() > 1 && part.startsWith(QLatin1Char('0')))) {
            plain = false;
            break;
        }
        address = (address << 8) | quint32(*n);
    }
    if (!plain) {
        *error = QObject::tr("\"%1\" is not an IPv4 address written as four decimal numbers from 0 to 255 "
                             "without leading zeros (like 192.168.1.50)")
                     .arg(text);
        return std::nullopt;
    }
    return QHostAddress(address);
}

QString whyNotOneDevice(const QHostAddress &address, const QVector<InterfaceInfo> &interfaces) {
    const quint32 a = address.toIPv4Address();
    const QString shown = address.toString();
    if (a == 0)
        return QObject::tr("%1 is the unspecified address, no device's address").arg(shown);
    if (a == 0xFFFFFFFFu)
        return QObject::tr("%1 is the broadcast address: it would reach every device on the network, not "
                           "one")
            .arg(shown);
    if ((a >> 28) == 0xE)
        return QObject::tr("%1 is a multicast address: it would reach every device that listens to it, "
                           "not one")
            .arg(shown);
    for (const InterfaceInfo &i : interfaces) {
        for (const InterfaceAddress &local : i.addresses) {
            if (local.prefixLength < 1 || local.prefixLength > 30)
                continue; // /31 and /32 subnets have no broadcast address
            const quint32 mask = subnetMask(local.prefixLength);
            const quint32 network = local.address.toIPv4Address() & mask;
            if (a == (network | ~mask))
                return QObject::tr("%1 is the broadcast address of the subnet %2/%3 on %4: it would reach "
                                   "every device there, not one")
                    .arg(shown, QHostAddress(network).toString())
                    .arg(local.prefixLength)
                    .arg(i.name);
        }
    }
    return {};
}

std::optional<QHostAddress> parseDeviceAddress(const QString &text, QString *error,
                                               const QVector<InterfaceInfo> &interfaces) {
    auto address = parseIpv4(text, error);
    if (!address)
        return std::nullopt;
    const QString why = whyNotOneDevice(*address, interfaces);
    if (!why.isEmpty()) {
        *error = why;
        return std::nullopt;
    }
    return address;
}

} // namespace zentri
