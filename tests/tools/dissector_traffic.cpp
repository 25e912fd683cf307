// dissector_traffic DEVICE_IP: the datagrams of the windows that zentrictl does not send (tests, volumes,
// the show recorder, cues), built by the device library exactly as the windows build them, sent one by
// one to an emulated device on the loopback network, with the program's own listeners on 7801, 7802
// and 7803 for the device's replies. For tests/dissector/run.sh, which captures them and reads them back with
// the Wireshark dissector.
//
// Standard output, one tab-separated line per datagram, in the order sent and received:
//   sent    KEYWORD   the values it carries
//   reply   KEYWORD   the values the program's parser reads from it
#include "device/artnet.h"
#include "device/protocol.h"
#include "device/udp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <vector>

using namespace zentri;

namespace {

void line(const QStringList &parts) {
    std::printf("%s\n", qPrintable(parts.join('\t')));
    std::fflush(stdout);
}

// Lets the listeners hand over what came in during `ms`.
void pause(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void printReply(const QByteArray &data) {
    if (const auto volume = wire::parseMasterVolumeReply(data)) {
        line({"reply", "aMVol", QString::number(*volume)});
    } else if (const auto cue = wire::parseCueReply(data)) {
        QStringList set; // the channels above 0, "CHANNEL=VALUE"
        for (int ch = 0; ch < wire::kCueChannels; ++ch)
            if (cue->dmx[ch] != 0)
                set << QStringLiteral("%1=%2").arg(ch + 1).arg(cue->dmx[ch]);
        line({"reply", "ACUERD", QString::number(cue->number), cue->name, set.join(',')});
    } else if (const auto show = wire::parseShowReply(data)) {
        switch (show->kind) {
        case wire::ShowReply::PacketCount:
            line({"reply", "Pcnt", QString::number(show->packets)});
            break;
        case wire::ShowReply::SetShow:
            line({"reply", "setShow", QString::number(show->show)});
            break;
        case wire::ShowReply::ShowPosition:
            line({"reply", "showPss", QString::number(show->total), QString::number(show->position)});
            break;
        case wire::ShowReply::PlayStop:
            line({"reply", "playStop"});
            break;
        case wire::ShowReply::ShowInfo:
            line({"reply", "AShowInfo", QString::number(show->show), show->present ? "1" : "0",
                  QString::number(show->length)});
            break;
        }
    } else {
        line({"reply", "unread", QString::fromLatin1(data.left(9).toHex())});
    }
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dissector_traffic DEVICE_IP\n");
        return 2;
    }
    const QHostAddress device(QString::fromLatin1(argv[1]));
    if (!device.isLoopback()) {
        std::fprintf(stderr, "dissector_traffic: %s is not a loopback address\n", argv[1]);
        return 2;
    }

    std::vector<std::unique_ptr<UdpListener>> listeners;
    for (quint16 port : {wire::kLiveRecordPort, wire::kAudioPort, wire::kCuePort}) {
        auto listener = std::make_unique<UdpListener>();
        // The ports are everyone's on this machine: only the device's own replies count.
        listener->setHandler([device](const QByteArray &data, const QHostAddress &sender) {
            if (sender.isEqual(device, QHostAddress::ConvertV4MappedToIPv4))
                printReply(data);
        });
        QString error;
        if (!listener->open(port, &error)) {
            std::fprintf(stderr, "dissector_traffic: cannot receive on port %u: %s\n", unsigned(port),
                         qPrintable(error));
            return 1;
        }
        listeners.push_back(std::move(listener));
    }

    UdpClient client;
    bool failed = false;
    const auto send = [&](const QByteArray &data, const QStringList &what, int waitMs = 150) {
        line(QStringList{"sent"} + what);
        QString error;
        if (!client.send(data, device, wire::kDevicePort, &error)) {
            std::fprintf(stderr, "dissector_traffic: cannot send: %s\n", qPrintable(error));
            failed = true;
        }
        pause(waitMs);
    };

    // The output and trigger windows: test switches (output 1 is index 7), the end of the tests, a volume.
    send(wire::outputTestCommand(7, true), {"!TEST", "32", "7", "1"});
    send(wire::outputTestCommand(7, false), {"!TEST", "32", "7", "0"});
    send(wire::triggerTestCommand(2, true), {"!TEST", "16", "2", "1"});
    send(wire::testEndCommand(), {"!TEST", "0", "0", "0"});
    send(wire::triggerVolumeCommand(2, 200), {"SVOL", "2", "200"});
    // The audio window: the master volume set, then asked.
    send(wire::masterVolumeCommand(77), {"setMVol", "77"});
    send(wire::masterVolumeQuery(), {"qMVol"});
    // The live recording window: select and ask, play and stop, record and stop, erase, synchro record.
    send(wire::selectShowCommand(3), {"SSHOW", "3"});
    send(wire::showInfoQuery(3), {"QShowInfo", "3"});
    send(wire::showInfoQuery(2), {"QShowInfo", "2"});
    send(wire::playCommand(), {"PLAYSH"}, 350);
    send(wire::stopCommand(), {"RECDIS"});
    send(wire::selectShowCommand(2), {"SSHOW", "2"});
    send(wire::recordCommand(), {"RECENA"});
    for (int frame = 1; frame <= 12; ++frame) { // an Art-Net stream to record: not the protocol's
        client.send(artnet::dmxPacket(frame, 0, 0, QByteArray(512, char(frame))), device, artnet::kPort,
                    nullptr);
        pause(25);
    }
    pause(150);
    send(wire::stopCommand(), {"RECDIS"});
    send(wire::showInfoQuery(2), {"QShowInfo", "2"});
    send(wire::eraseShowCommand(2), {"ERASESHOW", "2"});
    send(wire::synchroRecordCommand(), {"RECENS"});
    send(wire::stopCommand(), {"RECDIS"});
    // The cue editor: a cue saved, then every cue asked for.
    wire::CueValues values{};
    values[0] = 255;
    values[99] = 128;
    values[511] = 7;
    send(wire::cueWriteCommand(5, QStringLiteral("Finale"), values),
         {"!CUEWR", "5", "Finale", "1=255,100=128,512=7"});
    send(wire::cueQuery(), {"QCUERD", "0"}, 600);
    return failed ? 1 : 0;
}
