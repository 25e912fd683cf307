// The master volume reply on port 7802, as the audio player window reads it.
#include "device/protocol.h"
#include "fuzzcheck.h"

using namespace zentri;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray d = datagram(data, size);
    const auto volume = wire::parseMasterVolumeReply(d);
    FUZZ_CHECK(volume.has_value() == (d.startsWith("aMVol") && d.size() >= wire::kMasterVolumeReplySize));
    if (volume) {
        // Within the slider's range, and the command that echoes it carries the same value.
        FUZZ_CHECK(*volume >= 0 && *volume <= 255);
        const QByteArray echo = wire::masterVolumeCommand(*volume);
        FUZZ_CHECK(echo.size() == wire::kMasterVolumeCommandSize && static_cast<uint8_t>(echo[7]) == *volume);
        FUZZ_CHECK(wire::parseMasterVolumeReply(wire::masterVolumeReply(*volume)) == volume);
    }
    return 0;
}
