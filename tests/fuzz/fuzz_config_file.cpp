// The configuration file reader, as "Load configuration..." and zentrictl restore use it.
#include "device/configfile.h"
#include "device/protocol.h"
#include "fuzzcheck.h"

using namespace zentri;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const configfile::Parsed p = configfile::parse(datagram(data, size));
    if (!p.file) {
        // Refused: with a reason, and no field named twice.
        FUZZ_CHECK(!p.error.isEmpty());
        QStringList named = p.badFields;
        FUZZ_CHECK(named.removeDuplicates() == 0);
        return 0;
    }
    FUZZ_CHECK(p.error.isEmpty() && p.badFields.isEmpty());

    // Accepted: every value fits the packet, so the packet carries it exactly.
    recUrzadzenia rec = *p.file;
    for (const configfile::FieldRef &f : configfile::configurationFields(rec)) {
        if (f.number)
            FUZZ_CHECK(*f.number >= 0 && *f.number <= (f.width == configfile::Width::Word ? 0xFFFF : 0xFF));
    }
    FUZZ_CHECK(rec.ZentriVersion >= 0 && rec.ZentriVersion <= 0xFF);
    const QByteArray packet = wire::configurationPacket(rec);
    recUrzadzenia applied = rec;
    for (const configfile::FieldRef &f : configfile::configurationFields(applied)) {
        if (f.flag)
            *f.flag = !*f.flag;
        else
            *f.number = -1;
    }
    FUZZ_CHECK(wire::applyConfigurationPacket(packet, applied));
    FUZZ_CHECK(configfile::sameConfiguration(applied, rec));

    // What is written for it reads back the same.
    const configfile::Parsed again = configfile::parse(configfile::write(rec));
    FUZZ_CHECK(again.file);
    FUZZ_CHECK(configfile::sameConfiguration(*again.file, rec));
    FUZZ_CHECK(again.file->Nazwa == rec.Nazwa && again.file->MAC == rec.MAC &&
               again.file->FWVer == rec.FWVer);
    FUZZ_CHECK(configfile::differences(rec, *again.file).isEmpty());
    return 0;
}
