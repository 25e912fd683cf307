#include "options.h"

#include "device/address.h"
#include "device/records.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <tuple>

namespace zentri::emu {

namespace {

constexpr int kMaxDevices = 100000;
constexpr int kNameBytes = 63;

struct Bad {
    QString message;
};

int integer(const QCommandLineParser &p, const QString &option, int min, int max) {
    bool ok = false;
    const QString text = p.value(option);
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < min || v > max)
        throw Bad{QStringLiteral("--%1: \"%2\" is not a whole number from %3 to %4")
                      .arg(option, text)
                      .arg(min)
                      .arg(max)};
    return static_cast<int>(v);
}

QHostAddress ipv4(const QCommandLineParser &p, const QString &option) {
    QString error;
    const auto a = parseIpv4(p.value(option), &error);
    if (!a)
        throw Bad{QStringLiteral("--%1: %2").arg(option, error)};
    return *a;
}

QByteArray mac(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^([0-9A-Fa-f]{2}[:-]){5}[0-9A-Fa-f]{2}$"));
    if (!form.match(text).hasMatch())
        throw Bad{
            QStringLiteral("--mac: \"%1\" is not six hexadecimal bytes like 02:5A:45:00:00:01").arg(text)};
    return QByteArray::fromHex(text.toLatin1().replace(':', "").replace('-', ""));
}

std::pair<int, int> firmware(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})$"));
    const auto m = form.match(text);
    const int major = m.hasMatch() ? m.captured(1).toInt() : -1;
    const int minor = m.hasMatch() ? m.captured(2).toInt() : -1;
    if (major < 0 || major > 255 || minor < 0 || minor > 255)
        throw Bad{QStringLiteral("--firmware: \"%1\" is not MAJOR.MINOR with both from 0 to 255 (like 1.12)")
                      .arg(text)};
    return {major, minor};
}

int module(const QString &text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("standard"))
        return kModuleStandard;
    if (t == QLatin1String("premium"))
        return kModulePremium;
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < 0 || v > 255)
        throw Bad{QStringLiteral("--module: \"%1\" is not standard, premium or a byte 0 to 255").arg(text)};
    return v;
}

QVector<ShowPreset> shows(const QString &text) {
    QVector<ShowPreset> list;
    if (text.trimmed().compare(QLatin1String("none"), Qt::CaseInsensitive) == 0 || text.trimmed().isEmpty())
        return list;
    static const QRegularExpression form(QStringLiteral("^(\\d+):(\\d+)$"));
    for (const QString &part : text.split(',')) {
        const auto m = form.match(part.trimmed());
        const int slot = m.hasMatch() ? m.captured(1).toInt() : 0;
        const int seconds = m.hasMatch() ? m.captured(2).toInt() : -1;
        if (slot < 1 || slot > 8 || seconds < 0 || seconds > 86399)
            throw Bad{QStringLiteral("--shows: \"%1\" is not SLOT:SECONDS with a slot 1 to 8 and 0 to 86399 "
                                     "seconds (like 1:10,3:90), or none")
                          .arg(part)};
        list.push_back({slot, seconds});
    }
    return list;
}

void checkName(const QString &name, int devices) {
    for (QChar c : name)
        if (c.unicode() < 32 || c.unicode() > 255)
            throw Bad{QStringLiteral("--name: only Latin-1 characters without control codes are allowed")};
    const int longest =
        name.size() + (devices > 1 ? 1 + static_cast<int>(QString::number(devices).size()) : 0);
    if (longest > kNameBytes)
        throw Bad{QStringLiteral("--name: a device name has at most %1 characters, \"%2\" is too long")
                      .arg(kNameBytes)
                      .arg(name)};
}

} // namespace

ParsedOptions parseOptions(const QStringList &arguments) {
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Plays one or more Zentri devices on UDP port 6454 so that the Zentri manager can be tried without\n"
        "hardware. Device k (k = 1..N) takes the address --address + k - 1 and answers from it.\n"
        "Prints one line per datagram received (Art-Net: a summary at most once a second).\n"
        "With --send-artnet it sends a test Art-Net stream instead and exits."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    // The options of the devices, and those of the test stream: neither goes with the other.
    const QList<QCommandLineOption> deviceOptions{
        {"devices", "Number of devices (default 1).", "N", "1"},
        {"address", "Address of the first device (default 127.0.0.1).", "A", "127.0.0.1"},
        {"name",
         "Device name (default \"Zentri emulator\"; with N > 1 the devices are numbered \" 1\", \" 2\"...).",
         "TEXT", "Zentri emulator"},
        {"mac", "MAC address of the first device (default 02:5A:45:00:00:01); the others count up.",
         "XX:XX:XX:XX:XX:XX", "02:5A:45:00:00:01"},
        {"firmware", "Firmware version (default 1.12).", "MAJOR.MINOR", "1.12"},
        {"module", "Module version: standard, premium or a byte 0..255 (default premium).", "M", "premium"},
        {"equipment", "Equipment code of the info reply (default 1).", "CODE", "1"},
        {"no-sd-card", "The devices have no SD card."},
        {"shows", "Shows recorded at start, SLOT:SECONDS,... or none (default 1:10,3:90).", "LIST",
         "1:10,3:90"},
        {"bind", "Local address to receive on (default 0.0.0.0, all).", "ADDR", "0.0.0.0"},
        {"quiet", "Print no line per datagram."},
        {"loss", "Share of datagrams lost each way, 0 to 0.9 (default 0): a busy or wireless network.", "P",
         "0"},
        {"seed", "Seed of the losses (default 1): the same seed loses the same datagrams.", "N", "1"},
        {"never-store", "The devices drop every \"!SETI\" instead of storing it."}};
    const QCommandLineOption send(QStringLiteral("send-artnet"),
                                  QStringLiteral("Send a test Art-Net (ArtDmx) stream to HOST and exit."),
                                  QStringLiteral("HOST"));
    const QList<QCommandLineOption> streamOptions{
        {"artnet-port", "UDP port of the stream (default 6454).", "PORT", "6454"},
        {"frames", "Frames to send, the empty ones included (default 400).", "N", "400"},
        {"fps", "Frames a second (default 40).", "F", "40"},
        {"universe", "Port-address 0..32767: Net * 256 + SubUni (default 0).", "U", "0"},
        {"start-empty", "Send K all-zero frames first (default 0).", "K", "0"},
        {"channels", "DMX channels a frame, 2..512 (default 512).", "C", "512"}};
    p.addOption(help);
    p.addOptions(deviceOptions);
    p.addOption(send);
    p.addOptions(streamOptions);

    ParsedOptions result;
    if (!p.parse(arguments)) {
        result.text = p.errorText();
        return result;
    }
    if (p.isSet(help)) {
        result.ok = result.help = true;
        result.text = p.helpText();
        return result;
    }
    try {
        if (!p.positionalArguments().isEmpty())
            throw Bad{QStringLiteral("unexpected argument \"%1\"").arg(p.positionalArguments().first())};
        Options &o = result.options;
        if (p.isSet(send)) {
            for (const QCommandLineOption &opt : deviceOptions)
                if (p.isSet(opt))
                    throw Bad{
                        QStringLiteral("--%1 cannot be combined with --send-artnet").arg(opt.names().last())};
            o.mode = Options::SendArtNet;
            ArtNetStream &s = o.stream;
            s.host = ipv4(p, QStringLiteral("send-artnet"));
            s.port = static_cast<quint16>(integer(p, QStringLiteral("artnet-port"), 1, 65535));
            s.frames = integer(p, QStringLiteral("frames"), 1, 100000000);
            bool ok = false;
            s.fps = p.value(QStringLiteral("fps")).toDouble(&ok);
            if (!ok || !(s.fps >= 0.1 && s.fps <= 1000))
                throw Bad{QStringLiteral("--fps: \"%1\" is not a rate from 0.1 to 1000")
                              .arg(p.value(QStringLiteral("fps")))};
            s.portAddress = integer(p, QStringLiteral("universe"), 0, 32767);
            s.startEmpty = integer(p, QStringLiteral("start-empty"), 0, 100000000);
            s.channels = integer(p, QStringLiteral("channels"), 2, 512);
            result.ok = true;
            return result;
        }
        for (const QCommandLineOption &opt : streamOptions)
            if (p.isSet(opt))
                throw Bad{QStringLiteral("--%1 belongs to --send-artnet").arg(opt.names().last())};

        const int count = integer(p, QStringLiteral("devices"), 1, kMaxDevices);
        const QHostAddress first = ipv4(p, QStringLiteral("address"));
        const quint32 base = first.toIPv4Address();
        if (base == 0 || (base >> 28) >= 0xE)
            throw Bad{QStringLiteral("--address: %1 cannot be a device address").arg(first.toString())};
        const quint64 last = quint64(base) + quint64(count) - 1;
        const bool loopback = (base >> 24) == 127;
        if ((loopback && last >= 0x7FFFFFFF) || (!loopback && last >= 0xE0000000))
            throw Bad{QStringLiteral("--devices: %1 devices from %2 run past the end of the address range")
                          .arg(count)
                          .arg(first.toString())};
        const QString baseName = p.value(QStringLiteral("name"));
        checkName(baseName, count);
        const QByteArray mac0 = mac(p.value(QStringLiteral("mac")));
        DeviceIdentity id; // what the devices share; each has its own address, name and MAC
        std::tie(id.firmwareMajor, id.firmwareMinor) = firmware(p.value(QStringLiteral("firmware")));
        id.module = module(p.value(QStringLiteral("module")));
        id.equipment = integer(p, QStringLiteral("equipment"), 0, 255);
        id.sdCard = !p.isSet(QStringLiteral("no-sd-card"));
        id.storesConfiguration = !p.isSet(QStringLiteral("never-store"));
        bool ok = false;
        o.loss = p.value(QStringLiteral("loss")).toDouble(&ok);
        if (!ok || !(o.loss >= 0 && o.loss <= 0.9))
            throw Bad{QStringLiteral("--loss: \"%1\" is not a share from 0 to 0.9 (like 0.1)")
                          .arg(p.value(QStringLiteral("loss")))};
        o.seed = static_cast<quint32>(integer(p, QStringLiteral("seed"), 0, 2147483647));
        o.shows = shows(p.value(QStringLiteral("shows")));
        o.bind = ipv4(p, QStringLiteral("bind"));
        o.quiet = p.isSet(QStringLiteral("quiet"));

        // The last three MAC bytes count up from the first device's, carrying over.
        const quint32 macLow =
            (quint32(quint8(mac0[3])) << 16) | (quint32(quint8(mac0[4])) << 8) | quint8(mac0[5]);
        o.devices.reserve(count);
        for (int k = 0; k < count; ++k) {
            id.address = QHostAddress(base + quint32(k));
            id.name = count > 1 ? QStringLiteral("%1 %2").arg(baseName).arg(k + 1) : baseName;
            const quint32 low = (macLow + quint32(k)) & 0xFFFFFF;
            id.mac = mac0.left(3);
            id.mac.append(char(low >> 16)).append(char(low >> 8)).append(char(low));
            o.devices.push_back(id);
        }
        result.ok = true;
    } catch (const Bad &bad) {
        result.text = bad.message;
    }
    return result;
}

} // namespace zentri::emu
