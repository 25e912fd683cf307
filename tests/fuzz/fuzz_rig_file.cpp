// The rig file reader: any text is either refused with a reason or gives a rig whose every entry is a
// configuration the packet can carry, with MACs that stand once, and which reads back the same once
// written.
#include "fuzzcheck.h"
#include "rig/rigfile.h"

#include <QSet>

using namespace zentri;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const rig::Parsed parsed = rig::parse(datagram(data, size));
    FUZZ_CHECK(parsed.rig.has_value() == parsed.error.isEmpty());
    if (!parsed.rig)
        return 0;
    QSet<QString> macs;
    for (const recUrzadzenia &d : parsed.rig->devices) {
        FUZZ_CHECK(!macs.contains(d.MAC));
        macs.insert(d.MAC);
    }
    const rig::Parsed again = rig::parse(rig::write(*parsed.rig));
    FUZZ_CHECK(again.rig && again.rig->devices.size() == parsed.rig->devices.size());
    for (int i = 0; i < again.rig->devices.size(); ++i)
        FUZZ_CHECK(again.rig->devices[i] == parsed.rig->devices[i]);
    FUZZ_CHECK(again.rig->addresses == parsed.rig->addresses && again.rig->name == parsed.rig->name);
    return 0;
}
