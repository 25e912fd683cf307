// The cue reply on port 7803, as the cue editor reads it.
#include "device/protocol.h"
#include "fuzzcheck.h"

using namespace zentri;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray d = datagram(data, size);
    const auto cue = wire::parseCueReply(d);
    const bool fits = d.startsWith("ACUERD") && d.size() >= wire::kCueSize;
    if (!fits) {
        FUZZ_CHECK(!cue);
        return 0;
    }
    const int number = static_cast<uint8_t>(d[6]);
    FUZZ_CHECK(cue.has_value() == (number >= 1 && number <= wire::kCueCount));
    if (!cue)
        return 0;
    FUZZ_CHECK(cue->number == number);
    // A name of at most 64 characters, trimmed of control characters and blanks at both ends.
    FUZZ_CHECK(cue->name.size() <= 64);
    if (!cue->name.isEmpty()) {
        FUZZ_CHECK(cue->name.front().unicode() > 32 && cue->name.back().unicode() > 32);
        FUZZ_CHECK(cue->name == wire::trimControl(cue->name));
    }
    for (int i = 0; i < wire::kCueChannels; ++i)
        FUZZ_CHECK(cue->dmx[i] == static_cast<uint8_t>(d[128 + i]));

    // Written back, the cue keeps its number and values, and the first 47 characters of its name.
    const QByteArray write = wire::cueWriteCommand(cue->number, cue->name, cue->dmx);
    FUZZ_CHECK(write.size() == wire::kCueSize && write.startsWith("!CUEWR"));
    FUZZ_CHECK(static_cast<uint8_t>(write[6]) == cue->number);
    FUZZ_CHECK(write.mid(128, 512) == d.mid(128, 512));
    for (int i = 0; i < 47; ++i) {
        const int expected = i < cue->name.size() ? cue->name[i].unicode() & 0xFF : 0;
        FUZZ_CHECK(static_cast<uint8_t>(write[17 + i]) == expected);
    }
    return 0;
}
