// The emulator's handling of every command it understands, over a sequence of datagrams to two devices
// and to both at once, with time passing between them. Everything it sends back must be a reply the
// manager reads, aimed at the manager's ports.
//
// Input: records of [target byte][length byte][datagram], at most 32 of them; target bit 0..1 picks
// device 1, device 2 or a broadcast, the high six bits advance the clock by that many times 16 ms.
// A datagram that begins with byte 0xFF is taken as its command word chosen by the next byte, so
// that the fuzzer reaches every command quickly.
#include "device/protocol.h"
#include "emulator/emulator_core.h"
#include "fuzzcheck.h"

using namespace zentri;

namespace {

// Every command word the device understands, with the length of its layout; the last is Art-Net's ID
// (its zero byte follows) with room for a full ArtDmx packet.
struct Word {
    const char *word;
    int size;
};
const Word kWords[] = {{"QGETI", wire::kDiscoverySize},
                       {"qchkSD", wire::kSdQuerySize},
                       {"!SETI", wire::kConfigurationSize},
                       {"RESE", 4},
                       {"RESD", 4},
                       {"!TEST", wire::kTestCommandSize},
                       {"SVOL", wire::kTriggerVolumeSize},
                       {"qMVol", wire::kMasterVolumeQuerySize},
                       {"setMVol", wire::kMasterVolumeCommandSize},
                       {"SSHOW", 6},
                       {"QShowInfo", 10},
                       {"RECENA", 6},
                       {"RECENS", 6},
                       {"RECDIS", 6},
                       {"PLAYSH", 6},
                       {"ERASESHOW", 10},
                       {"QCUERD", wire::kCueQuerySize},
                       {"!CUEWR", wire::kCueSize},
                       {"Art-Net", 530}};
constexpr size_t kArtNet = sizeof kWords / sizeof *kWords - 1;

QByteArray expand(const QByteArray &raw) {
    if (raw.size() < 2 || static_cast<uint8_t>(raw[0]) != 0xFF)
        return raw;
    const size_t k = static_cast<uint8_t>(raw[1]) % (sizeof kWords / sizeof *kWords);
    QByteArray d(kWords[k].word);
    if (k == kArtNet)
        d += '\0';
    d += raw.mid(2);
    if (d.size() < kWords[k].size)
        d += QByteArray(kWords[k].size - d.size(), '\0');
    return d;
}

void checkReplies(const emu::Output &out) {
    for (const emu::Outgoing &o : out.datagrams) {
        FUZZ_CHECK(!o.to.isNull() && !o.from.isNull());
        switch (o.port) {
        case wire::kMainPort:
            FUZZ_CHECK(wire::parseInfoReply(o.data, QStringLiteral("10.0.0.2")) ||
                       wire::parseSdCardReply(o.data));
            break;
        case wire::kLiveRecordPort:
            FUZZ_CHECK(wire::parseShowReply(o.data));
            break;
        case wire::kAudioPort:
            FUZZ_CHECK(wire::parseMasterVolumeReply(o.data));
            break;
        case wire::kCuePort:
            FUZZ_CHECK(wire::parseCueReply(o.data));
            break;
        default:
            FUZZ_CHECK(!"reply to a port the manager does not listen on");
        }
    }
}

// Datagrams sent per input; the bytes after them are not read. Every sequence the recorder, the cues
// and the tests need fits many times over, and an input of thousands of datagrams (mostly empty ones,
// from runs of zero bytes) no longer costs a hundred inputs' time.
constexpr int kMaxDatagrams = 32;

// The two devices as they start, built once: each input works on a copy of them, which is the same as
// building them afresh (the emulator is a plain value) at a fraction of the cost.
const emu::Emulator &freshEmulator() {
    static const emu::Emulator fresh = [] {
        emu::DeviceIdentity a, b;
        a.address = QHostAddress(QStringLiteral("10.0.0.2"));
        a.name = QStringLiteral("One");
        a.mac = QByteArray::fromHex("001A2B3C4D01");
        b.address = QHostAddress(QStringLiteral("10.0.0.3"));
        b.name = QStringLiteral("Two");
        b.mac = QByteArray::fromHex("001A2B3C4D02");
        b.module = kModuleStandard;
        b.sdCard = false;
        return emu::Emulator({a, b}, {{1, 10}, {3, 90}});
    }();
    return fresh;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    emu::Emulator emulator = freshEmulator();
    static const QHostAddress targets[] = {
        QHostAddress(QStringLiteral("10.0.0.2")), QHostAddress(QStringLiteral("10.0.0.3")),
        QHostAddress(QStringLiteral("10.0.0.255")), QHostAddress(QStringLiteral("255.255.255.255"))};
    static const QHostAddress manager(QStringLiteral("10.0.0.1"));

    const QByteArray input = datagram(data, size);
    qint64 now = 0;
    int pos = 0;
    for (int sent = 0; sent < kMaxDatagrams && pos + 2 <= input.size(); ++sent) {
        const auto target = static_cast<uint8_t>(input[pos]);
        const int length = static_cast<uint8_t>(input[pos + 1]) * 4;
        const QByteArray raw = input.mid(pos + 2, length);
        pos += 2 + static_cast<int>(raw.size());
        now += (target >> 2) * 16;
        checkReplies(emulator.tick(now));
        checkReplies(emulator.handle(expand(raw), targets[target & 3], manager, 50000, now));
    }
    checkReplies(emulator.tick(now + 3600 * 1000));
    return 0;
}
