// Addresses and numbers typed by a person, on the command line or in a file: one rule for reading
// them, and one for which addresses may stand for a single device. A command meant for one device must
// never reach many: a broadcast or multicast address would reset or restart every device that hears it.
#pragma once

#include "discovery.h"

#include <QHostAddress>
#include <QString>
#include <QVector>
#include <optional>

namespace zentri {

// The mask of an IPv4 subnet of `prefixLength` bits (0..32).
quint32 subnetMask(int prefixLength);

// "a.b.c.d": four decimal numbers 0..255 without signs, spaces or leading zeros ("10.77.0.010" is
// refused rather than read as octal). None, with the text and what was expected in `error`, otherwise.
std::optional<QHostAddress> parseIpv4(const QString &text, QString *error);

// Why `address` cannot stand for one device: 0.0.0.0, the limited broadcast 255.255.255.255, a
// multicast address (224.0.0.0/4) or the broadcast address of a subnet of one of `interfaces`. An
// empty text when it can.
QString whyNotOneDevice(const QHostAddress &address, const QVector<InterfaceInfo> &interfaces);

// Both: a typed address that names exactly one device.
std::optional<QHostAddress> parseDeviceAddress(const QString &text, QString *error,
                                               const QVector<InterfaceInfo> &interfaces = systemInterfaces());

// Addresses to ask one by one, typed as one address ("10.1.2.7") or a subnet in CIDR form
// ("10.1.2.0/24") of at most kMaxRangeSize addresses. A subnet's own network and broadcast addresses
// are left out; so is every address that cannot stand for one device.
struct AddressRange {
    QString text;
    QVector<QHostAddress> addresses;
};
constexpr int kMaxRangeSize = 4096;
std::optional<AddressRange> parseAddressRange(const QString &text, QString *error,
                                              const QVector<InterfaceInfo> &interfaces = systemInterfaces());

// A whole number typed as decimal digits only (no sign, no spaces), within min..max.
std::optional<qint64> parseWholeNumber(const QString &text, qint64 min, qint64 max);

} // namespace zentri
