// zentri-emulator: plays Zentri devices on UDP port 6454, or sends a test Art-Net stream.
#include "device/artnet.h"
#include "device/protocol.h"
#include "emulator_core.h"
#include "options.h"
#include "reply_sender.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QSet>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

using namespace zentri;

namespace {

constexpr int kSocketBuffer = 4 * 1024 * 1024;
constexpr int kTickMs = 10;

void printLine(FILE *to, const QString &line) {
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to);
    std::fflush(to);
}

// "zentri-emulator: TEXT" on standard error; returns `status`.
int fail(int status, const QString &text) {
    printLine(stderr, QStringLiteral("zentri-emulator: ") + text);
    return status;
}

void warn(const QString &text) {
    printLine(stderr, QStringLiteral("zentri-emulator: warning: ") + text);
}

// Device addresses outside the loopback range must be on one of this machine's interfaces for the
// replies to leave from them.
void checkAddresses(const QVector<emu::DeviceIdentity> &devices) {
    QSet<quint32> local;
    for (const QHostAddress &a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            local.insert(a.toIPv4Address());
    int foreign = 0;
    QString first;
    for (const emu::DeviceIdentity &d : devices) {
        const quint32 a = d.address.toIPv4Address();
        if ((a >> 24) != 127 && !local.contains(a) && foreign++ == 0)
            first = d.address.toString();
    }
    if (foreign > 0)
        warn(QStringLiteral("%1 device address(es) are not on this machine (first %2): their replies will "
                            "leave from the system's own address")
                 .arg(foreign)
                 .arg(first));
}

int runDevices(const emu::Options &o) {
    QUdpSocket socket;
    if (!socket.bind(o.bind, wire::kDevicePort))
        return fail(1, QStringLiteral("cannot receive on %1:%2: %3")
                           .arg(o.bind.toString())
                           .arg(wire::kDevicePort)
                           .arg(socket.errorString()));
    emu::ReplySender::enlargeBuffers(&socket, kSocketBuffer);
    checkAddresses(o.devices);

    emu::Emulator core(o.devices, o.shows);
    emu::ReplySender sender(&socket);
    QObject::connect(&sender, &emu::ReplySender::warning, &warn);
    QElapsedTimer clock;
    clock.start();

    // A lossy network: each datagram, either way, is lost with the share given.
    std::mt19937 random(o.seed);
    std::bernoulli_distribution lost(o.loss);
    auto deliver = [&](emu::Output out) {
        if (o.loss > 0) {
            const auto kept = std::remove_if(out.datagrams.begin(), out.datagrams.end(),
                                             [&](const emu::Outgoing &) { return lost(random); });
            if (kept != out.datagrams.end() && !o.quiet)
                out.lines << QStringLiteral("%1 reply(ies) lost").arg(out.datagrams.end() - kept);
            out.datagrams.erase(kept, out.datagrams.end());
        }
        sender.send(out.datagrams); // replies first: the terminal may be slow
        if (!o.quiet)
            for (const QString &line : out.lines)
                printLine(stdout, line);
    };
    QObject::connect(&socket, &QUdpSocket::readyRead, [&] {
        while (socket.hasPendingDatagrams()) {
            const QNetworkDatagram d = socket.receiveDatagram();
            if (!d.isValid())
                break;
            if (o.loss > 0 && lost(random)) {
                if (!o.quiet)
                    printLine(stdout, QStringLiteral("%1 bytes from %2: lost")
                                          .arg(d.data().size())
                                          .arg(d.senderAddress().toString()));
                continue;
            }
            deliver(core.handle(d.data(), d.destinationAddress(), d.senderAddress(),
                                static_cast<quint16>(d.senderPort()), clock.elapsed()));
        }
    });
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] { deliver(core.tick(clock.elapsed())); });
    ticker.start(kTickMs);

    const emu::DeviceIdentity &first = o.devices.first();
    const QString range = o.devices.size() == 1 ? first.address.toString()
                                                : first.address.toString() + QStringLiteral("..") +
                                                      o.devices.last().address.toString();
    printLine(stdout, QStringLiteral(
                          "zentri-emulator: %1 device%2 at %3, listening on %4:%5 (firmware %6, module %7, "
                          "SD card %8)")
                          .arg(o.devices.size())
                          .arg(o.devices.size() > 1 ? "s" : "")
                          .arg(range, o.bind.toString())
                          .arg(wire::kDevicePort)
                          .arg(wire::firmwareText(first.firmwareMajor, first.firmwareMinor),
                               wire::moduleVersionName(first.module),
                               first.sdCard ? QStringLiteral("present") : QStringLiteral("missing")));
    return QCoreApplication::exec();
}

// Frame f of the test pattern: every channel non-zero and moving, so that a recording shows change.
QByteArray patternFrame(int f, int channels) {
    QByteArray v(channels, '\0');
    for (int c = 0; c < channels; ++c)
        v[c] = static_cast<char>((c * 7 + f * 4) % 255 + 1);
    return v;
}

int runStream(const emu::ArtNetStream &s) {
    QUdpSocket socket;
    printLine(stdout, QStringLiteral("zentri-emulator: sending %1 ArtDmx frames (%2 empty first) to %3:%4, "
                                     "port-address %5 (net %6 subuni %7), %8 channels, %9 frames a second")
                          .arg(s.frames)
                          .arg(std::min(s.startEmpty, s.frames))
                          .arg(s.host.toString())
                          .arg(s.port)
                          .arg(s.portAddress)
                          .arg(s.portAddress >> 8)
                          .arg(s.portAddress & 0xFF)
                          .arg(s.channels)
                          .arg(s.fps));
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const std::chrono::duration<double> period(1.0 / s.fps);
    for (int f = 0; f < s.frames; ++f) {
        std::this_thread::sleep_until(start + std::chrono::duration_cast<Clock::duration>(period * f));
        const QByteArray values =
            f < s.startEmpty ? QByteArray(s.channels, '\0') : patternFrame(f - s.startEmpty, s.channels);
        const QByteArray packet = artnet::dmxPacket(f % 255 + 1, 0, s.portAddress, values);
        if (socket.writeDatagram(packet, s.host, s.port) != packet.size())
            return fail(1, QStringLiteral("cannot send to %1:%2: %3")
                               .arg(s.host.toString())
                               .arg(s.port)
                               .arg(socket.errorString()));
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    printLine(
        stdout,
        QStringLiteral("zentri-emulator: %1 frames sent in %2 s").arg(s.frames).arg(seconds, 0, 'f', 2));
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zentri-emulator"));
    const emu::ParsedOptions parsed = emu::parseOptions(QCoreApplication::arguments());
    if (!parsed.ok)
        return fail(2, QStringLiteral("%1\nTry 'zentri-emulator --help'.").arg(parsed.text));
    if (parsed.help) {
        printLine(stdout, parsed.text);
        return 0;
    }
    return parsed.options.mode == emu::Options::SendArtNet ? runStream(parsed.options.stream)
                                                           : runDevices(parsed.options);
}
