#include "options.h"

#include "device/address.h"
#include "device/records.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace zentri::emu {

namespace {

constexpr int kMaxDevices = 100000;
constexpr int kNameBytes = 63;

struct Bad {
    QString message;
};

int integer(const QString &option, const QString &text, int min, int max) {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < min || v > max)
        throw Bad{QStringLiteral("--%1: \"%2\" is not a whole number from %3 to %4")
                      .arg(option, text)
                      .arg(min)
                      .arg(max)};
    return static_cast<int>(v);
}

QHostAddress ipv4(const QString &option, const QString &text) {
    QString error;
    const auto a = parseIpv4(text, &error);
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
    const QCommandLineOption devices(QStringLiteral("devices"),
                                     QStringLiteral("Number of devices (default 1)."), QStringLiteral("N"),
                                     QStringLiteral("1"));
    const QCommandLineOption address(QStringLiteral("address"),
                                     QStringLiteral("Address of the first device (default 127.0.0.1)."),
                                     QStringLiteral("A"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption name(QStringLiteral("name"),
                                  QStringLiteral("Device name (default \"Zentri emulator\"; with N > 1 the "
                                                 "devices are numbered \" 1\", \" 2\"...)."),
                                  QStringLiteral("TEXT"), QStringLiteral("Zentri emulator"));
    const QCommandLineOption macOpt(QStringLiteral("mac"),
                                    QStringLiteral("MAC address of the first device (default "
                                                   "02:5A:45:00:00:01); the others count up."),
                                    QStringLiteral("XX:XX:XX:XX:XX:XX"), QStringLiteral("02:5A:45:00:00:01"));
    const QCommandLineOption fw(QStringLiteral("firmware"),
                                QStringLiteral("Firmware version (default 1.12)."),
                                QStringLiteral("MAJOR.MINOR"), QStringLiteral("1.12"));
    const QCommandLineOption mod(QStringLiteral("module"),
                                 QStringLiteral("Module version: standard, premium or a byte 0..255 "
                                                "(default premium)."),
                                 QStringLiteral("M"), QStringLiteral("premium"));
    const QCommandLineOption equipment(QStringLiteral("equipment"),
                                       QStringLiteral("Equipment code of the info reply (default 1)."),
                                       QStringLiteral("CODE"), QStringLiteral("1"));
    const QCommandLineOption noSd(QStringLiteral("no-sd-card"),
                                  QStringLiteral("The devices have no SD card."));
    const QCommandLineOption showsOpt(QStringLiteral("shows"),
                                      QStringLiteral("Shows recorded at start, SLOT:SECONDS,... or none "
                                                     "(default 1:10,3:90)."),
                                      QStringLiteral("LIST"), QStringLiteral("1:10,3:90"));
    const QCommandLineOption bind(QStringLiteral("bind"),
                                  QStringLiteral("Local address to receive on (default 0.0.0.0, all)."),
                                  QStringLiteral("ADDR"), QStringLiteral("0.0.0.0"));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("Print no line per datagram."));
    const QCommandLineOption send(QStringLiteral("send-artnet"),
                                  QStringLiteral("Send a test Art-Net (ArtDmx) stream to HOST and exit."),
                                  QStringLiteral("HOST"));
    const QCommandLineOption artPort(QStringLiteral("artnet-port"),
                                     QStringLiteral("UDP port of the stream (default 6454)."),
                                     QStringLiteral("PORT"), QStringLiteral("6454"));
    const QCommandLineOption frames(QStringLiteral("frames"),
                                    QStringLiteral("Frames to send, the empty ones included (default 400)."),
                                    QStringLiteral("N"), QStringLiteral("400"));
    const QCommandLineOption fps(QStringLiteral("fps"), QStringLiteral("Frames a second (default 40)."),
                                 QStringLiteral("F"), QStringLiteral("40"));
    const QCommandLineOption universe(
        QStringLiteral("universe"), QStringLiteral("Port-address 0..32767: Net * 256 + SubUni (default 0)."),
        QStringLiteral("U"), QStringLiteral("0"));
    const QCommandLineOption startEmpty(QStringLiteral("start-empty"),
                                        QStringLiteral("Send K all-zero frames first (default 0)."),
                                        QStringLiteral("K"), QStringLiteral("0"));
    const QCommandLineOption channels(QStringLiteral("channels"),
                                      QStringLiteral("DMX channels a frame, 2..512 (default 512)."),
                                      QStringLiteral("C"), QStringLiteral("512"));
    p.addOptions({help, devices, address, name, macOpt, fw, mod, equipment, noSd, showsOpt, bind, quiet, send,
                  artPort, frames, fps, universe, startEmpty, channels});

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
        const QList<const QCommandLineOption *> deviceOptions{
            &devices, &address, &name, &macOpt, &fw, &mod, &equipment, &noSd, &showsOpt, &bind, &quiet};
        const QList<const QCommandLineOption *> streamOptions{&artPort,  &frames,     &fps,
                                                              &universe, &startEmpty, &channels};
        if (p.isSet(send)) {
            for (const QCommandLineOption *opt : deviceOptions)
                if (p.isSet(*opt))
                    throw Bad{QStringLiteral("--%1 cannot be combined with --send-artnet")
                                  .arg(opt->names().last())};
            o.mode = Options::SendArtNet;
            ArtNetStream &s = o.stream;
            s.host = ipv4(QStringLiteral("send-artnet"), p.value(send));
            s.port = static_cast<quint16>(integer(QStringLiteral("artnet-port"), p.value(artPort), 1, 65535));
            s.frames = integer(QStringLiteral("frames"), p.value(frames), 1, 100000000);
            bool ok = false;
            s.fps = p.value(fps).toDouble(&ok);
            if (!ok || !(s.fps >= 0.1 && s.fps <= 1000))
                throw Bad{QStringLiteral("--fps: \"%1\" is not a rate from 0.1 to 1000").arg(p.value(fps))};
            s.portAddress = integer(QStringLiteral("universe"), p.value(universe), 0, 32767);
            s.startEmpty = integer(QStringLiteral("start-empty"), p.value(startEmpty), 0, 100000000);
            s.channels = integer(QStringLiteral("channels"), p.value(channels), 2, 512);
            result.ok = true;
            return result;
        }
        for (const QCommandLineOption *opt : streamOptions)
            if (p.isSet(*opt))
                throw Bad{QStringLiteral("--%1 belongs to --send-artnet").arg(opt->names().last())};

        const int count = integer(QStringLiteral("devices"), p.value(devices), 1, kMaxDevices);
        const QHostAddress first = ipv4(QStringLiteral("address"), p.value(address));
        const quint32 base = first.toIPv4Address();
        if (base == 0 || (base >> 28) >= 0xE)
            throw Bad{QStringLiteral("--address: %1 cannot be a device address").arg(first.toString())};
        const quint64 last = quint64(base) + quint64(count) - 1;
        const bool loopback = (base >> 24) == 127;
        if ((loopback && last >= 0x7FFFFFFF) || (!loopback && last >= 0xE0000000))
            throw Bad{QStringLiteral("--devices: %1 devices from %2 run past the end of the address range")
                          .arg(count)
                          .arg(first.toString())};
        const QString baseName = p.value(name);
        checkName(baseName, count);
        const QByteArray mac0 = mac(p.value(macOpt));
        const auto [major, minor] = firmware(p.value(fw));
        const int moduleVersion = module(p.value(mod));
        const int equipmentCode = integer(QStringLiteral("equipment"), p.value(equipment), 0, 255);
        o.shows = shows(p.value(showsOpt));
        o.bind = ipv4(QStringLiteral("bind"), p.value(bind));
        o.quiet = p.isSet(quiet);

        // The last three MAC bytes count up from the first device's, carrying over.
        const quint32 macLow =
            (quint32(quint8(mac0[3])) << 16) | (quint32(quint8(mac0[4])) << 8) | quint8(mac0[5]);
        o.devices.reserve(count);
        for (int k = 0; k < count; ++k) {
            DeviceIdentity id;
            id.address = QHostAddress(base + quint32(k));
            id.name = count > 1 ? QStringLiteral("%1 %2").arg(baseName).arg(k + 1) : baseName;
            const quint32 low = (macLow + quint32(k)) & 0xFFFFFF;
            id.mac = mac0.left(3);
            id.mac.append(char(low >> 16)).append(char(low >> 8)).append(char(low));
            id.equipment = equipmentCode;
            id.firmwareMajor = major;
            id.firmwareMinor = minor;
            id.module = moduleVersion;
            id.sdCard = !p.isSet(noSd);
            o.devices.push_back(id);
        }
        result.ok = true;
    } catch (const Bad &bad) {
        result.text = bad.message;
    }
    return result;
}

} // namespace zentri::emu
