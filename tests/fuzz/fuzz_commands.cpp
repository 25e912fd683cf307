// The manager's commands as a device reads them: each reader takes exactly the datagrams that start
// with its keyword and are long enough, reads nothing past the end, and what it reads the manager's
// own builder writes again.
#include "device/protocol.h"
#include "fuzzcheck.h"

using namespace zentri;

namespace {

bool fits(const QByteArray &d, const char *word, int size) {
    return d.startsWith(word) && d.size() >= size;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray d = datagram(data, size);

    const auto test = wire::parseTestCommand(d);
    FUZZ_CHECK(test.has_value() == fits(d, "!TEST", wire::kTestCommandSize));
    if (test && test->group == wire::kTestGroupOutputs)
        FUZZ_CHECK(wire::parseTestCommand(wire::outputTestCommand(test->index, test->on))->index ==
                   test->index);

    const auto volume = wire::parseTriggerVolumeCommand(d);
    FUZZ_CHECK(volume.has_value() == fits(d, "SVOL", wire::kTriggerVolumeSize));
    if (volume) {
        const auto again =
            wire::parseTriggerVolumeCommand(wire::triggerVolumeCommand(volume->index, volume->volume));
        FUZZ_CHECK(again && again->index == volume->index && again->volume == volume->volume);
    }

    const auto master = wire::parseMasterVolumeCommand(d);
    FUZZ_CHECK(master.has_value() == fits(d, "setMVol", wire::kMasterVolumeCommandSize));
    if (master)
        FUZZ_CHECK(wire::parseMasterVolumeCommand(wire::masterVolumeCommand(*master)) == master);

    const auto select = wire::parseSelectShowCommand(d);
    FUZZ_CHECK(select.has_value() == fits(d, "SSHOW", wire::kSelectShowSize));
    if (select)
        FUZZ_CHECK(wire::parseSelectShowCommand(wire::selectShowCommand(*select)) == select);

    const auto info = wire::parseShowInfoQuery(d);
    FUZZ_CHECK(info.has_value() == fits(d, "QShowInfo", wire::kShowInfoQuerySize));
    if (info)
        FUZZ_CHECK(wire::parseShowInfoQuery(wire::showInfoQuery(*info)) == info);

    const auto erase = wire::parseEraseShowCommand(d);
    FUZZ_CHECK(erase.has_value() == fits(d, "ERASESHOW", wire::kEraseShowSize));
    if (erase)
        FUZZ_CHECK(wire::parseEraseShowCommand(wire::eraseShowCommand(*erase)) == erase);

    const auto cue = wire::parseCueQuery(d);
    FUZZ_CHECK(cue.has_value() == fits(d, "QCUERD", wire::kCueQuerySize));

    const auto write = wire::parseCueWriteCommand(d);
    FUZZ_CHECK(write.has_value() == fits(d, "!CUEWR", wire::kCueSize));
    if (write) {
        FUZZ_CHECK(write->name.size() <= 47 && !write->name.contains('\0'));
        FUZZ_CHECK(write->values.size() == wire::kCueChannels);
        FUZZ_CHECK(write->number >= 0 && write->number <= 255);
    }

    recUrzadzenia rec;
    if (wire::applyConfigurationPacket(d, rec)) {
        // A packet read and written again keeps every byte but the flags' (written as 1 or 0).
        const QByteArray again = wire::configurationPacket(rec);
        FUZZ_CHECK(again.size() == wire::kConfigurationSize);
        recUrzadzenia back;
        FUZZ_CHECK(wire::applyConfigurationPacket(again, back) && back == rec);
    }
    return 0;
}
