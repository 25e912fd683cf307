#include "address.h"

#include <QCoreApplication>
#include <QObject>

namespace zentri {

namespace {
// The context of this file's texts in the translations.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(zentri::address)
};
} // namespace

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
        *error = Words::tr("\"%1\" is not an IPv4 address written as four decimal numbers from 0 to 255 "
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
        return Words::tr("%1 is the unspecified address, no device's address").arg(shown);
    if (a == 0xFFFFFFFFu)
        return Words::tr("%1 is the broadcast address: it would reach every device on the network, not "
                         "one")
            .arg(shown);
    if ((a >> 28) == 0xE)
        return Words::tr("%1 is a multicast address: it would reach every device that listens to it, "
                         "not one")
            .arg(shown);
    for (const InterfaceInfo &i : interfaces) {
        for (const InterfaceAddress &local : i.addresses) {
            if (local.prefixLength < 1 || local.prefixLength > 30)
                continue; // /31 and /32 subnets have no broadcast address
            const quint32 mask = subnetMask(local.prefixLength);
            const quint32 network = local.address.toIPv4Address() & mask;
            if (a == (network | ~mask))
                return Words::tr("%1 is the broadcast address of the subnet %2/%3 on %4: it would reach "
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

std::optional<AddressRange> parseAddressRange(const QString &text, QString *error,
                                              const QVector<InterfaceInfo> &interfaces) {
    const int slash = static_cast<int>(text.indexOf(QLatin1Char('/')));
    if (slash < 0) {
        const auto one = parseDeviceAddress(text, error, interfaces);
        if (!one)
            return std::nullopt;
        return AddressRange{text, {*one}};
    }
    const auto base = parseIpv4(text.left(slash), error);
    if (!base)
        return std::nullopt;
    const auto prefix = parseWholeNumber(text.mid(slash + 1), 0, 32);
    if (!prefix || (text.size() > slash + 2 && text.at(slash + 1) == QLatin1Char('0'))) {
        *error =
            Words::tr("\"%1\": the prefix length after \"/\" must be a whole number from 0 to 32").arg(text);
        return std::nullopt;
    }
    const quint64 size = quint64(1) << (32 - *prefix);
    if (size > quint64(kMaxRangeSize)) {
        *error = Words::tr("\"%1\" holds %2 addresses; a range may hold at most %3 (a /20)")
                     .arg(text)
                     .arg(size)
                     .arg(kMaxRangeSize);
        return std::nullopt;
    }
    const quint32 mask = subnetMask(int(*prefix));
    const quint32 network = base->toIPv4Address() & mask;
    if (network != base->toIPv4Address()) {
        *error = Words::tr("\"%1\" is not a subnet: its network address is %2/%3")
                     .arg(text, QHostAddress(network).toString())
                     .arg(*prefix);
        return std::nullopt;
    }
    AddressRange range{text, {}};
    // /31 and /32 have no network and broadcast addresses of their own.
    const quint32 first = size > 2 ? network + 1 : network;
    const quint32 last = size > 2 ? network + quint32(size) - 2 : network + quint32(size) - 1;
    for (quint64 a = first; a <= last; ++a) {
        const QHostAddress address{quint32(a)};
        if (whyNotOneDevice(address, interfaces).isEmpty())
            range.addresses.append(address);
    }
    if (range.addresses.isEmpty()) {
        *error = Words::tr("\"%1\" holds no address that stands for one device").arg(text);
        return std::nullopt;
    }
    return range;
}

} // namespace zentri
