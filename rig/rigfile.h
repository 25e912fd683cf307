// The rig file: what every device of a venue should hold. One JSON object with a format name and
// version, the rig's name, the addresses to ask beyond the broadcast (devices behind a router), and
// one entry per device, each exactly what a configuration file holds. Entries are matched to devices
// by MAC, so a MAC stands in one entry only.
#pragma once

#include "device/address.h"
#include "device/records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace zentri::rig {

extern const char kFormatName[];
constexpr int kFormatVersion = 1;
// The largest rig file read: a thousand devices at about 5 KB each, with room to spare.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

struct Rig {
    QString name;
    QStringList addresses;          // as typed: "10.1.2.7", "10.1.3.0/24"
    QVector<recUrzadzenia> devices; // identity (name, MAC, firmware, module, IP seen) and settings

    // The entry of a MAC, or -1.
    int indexOf(const QString &mac) const;
};

// The file text: stable key order, two-space indentation, entries in the rig's order.
QByteArray write(const Rig &rig);

struct Parsed {
    std::optional<Rig> rig;
    QString error; // what is wrong, for the user, when `rig` is empty
};
// A rig file read with every check: not a rig, a newer version, a key given twice or unknown, an
// entry that is no valid configuration (named by its place and MAC), a MAC that is no MAC or stands
// twice, an address or range that cannot be asked.
Parsed parse(const QByteArray &text);

// A new rig of `devices`, ordered by MAC; one entry per MAC (the first record of each).
Rig capture(const QString &name, const QVector<recUrzadzenia> &devices);

// The addresses to ask, read from the rig's texts.
QVector<AddressRange> addressRanges(const Rig &rig, QString *error);

} // namespace zentri::rig
