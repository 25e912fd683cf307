// The SD card reply on port 7800, as the main window reads it.
#include "device/protocol.h"
#include "fuzzcheck.h"

using namespace zentri;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray d = datagram(data, size);
    const auto present = wire::parseSdCardReply(d);
    FUZZ_CHECK(present.has_value() == (d.startsWith("achkSD") && d.size() >= wire::kSdReplySize));
    FUZZ_CHECK(wire::isSdCardReply(d) == d.startsWith("achkSD"));
    if (present) {
        FUZZ_CHECK(*present == (d[6] != 0));
        FUZZ_CHECK(wire::parseSdCardReply(wire::sdCardReply(*present)) == present);
    }
    // Both replies of the port are told apart by their words alone.
    FUZZ_CHECK(!(wire::isSdCardReply(d) && wire::isInfoReply(d)));
    return 0;
}
