// The info reply on port 7800, as the main window reads it.
#include "device/protocol.h"
#include "fuzzcheck.h"

using namespace zentri;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray d = datagram(data, size);
    const auto rec = wire::parseInfoReply(d, QStringLiteral("10.0.0.2"));
    FUZZ_CHECK(rec.has_value() == (d.startsWith("AGETI") && d.size() >= wire::kInfoReplySize));
    if (!rec)
        return 0;

    // Every field within what its bytes can carry, and texts as the table shows them.
    FUZZ_CHECK(rec->IP == QStringLiteral("10.0.0.2"));
    FUZZ_CHECK(rec->Nazwa.size() <= 63);
    for (QChar c : rec->Nazwa)
        FUZZ_CHECK(c.unicode() >= 1 && c.unicode() <= 127);
    FUZZ_CHECK(rec->MAC.size() == 17);
    for (int i = 0; i < 8; ++i) {
        FUZZ_CHECK(rec->Output[i].Channel >= 0 && rec->Output[i].Channel <= 0xFFFF);
        FUZZ_CHECK(rec->Trigger[i].Channel >= 0 && rec->Trigger[i].Channel <= 0xFFFF);
        FUZZ_CHECK(rec->Trigger[i].Volume >= 0 && rec->Trigger[i].Volume <= 255);
    }
    FUZZ_CHECK(rec->ZentriVersion >= 0 && rec->ZentriVersion <= 255);
    const QString module = wire::moduleVersionName(rec->ZentriVersion);
    FUZZ_CHECK(!module.isEmpty());

    // What the device would send for this record reads back as the same record.
    const int dot = static_cast<int>(rec->FWVer.indexOf('.'));
    FUZZ_CHECK(dot > 0);
    const QByteArray again = wire::infoReply(*rec, rec->Equipment, rec->FWVer.left(dot).toInt(),
                                             rec->FWVer.mid(dot + 1).toInt(), d.mid(73, 6));
    FUZZ_CHECK(again.size() == wire::kInfoReplySize);
    const auto reread = wire::parseInfoReply(again, rec->IP);
    FUZZ_CHECK(reread && *reread == *rec);

    // The configuration packet built from the record carries every configuration field.
    const QByteArray packet = wire::configurationPacket(*rec);
    FUZZ_CHECK(packet.size() == wire::kConfigurationSize);
    recUrzadzenia applied; // the fields the packet does not carry come from the record
    applied.Nazwa = rec->Nazwa;
    applied.IP = rec->IP;
    applied.MAC = rec->MAC;
    applied.FWVer = rec->FWVer;
    applied.Equipment = rec->Equipment;
    FUZZ_CHECK(wire::applyConfigurationPacket(packet, applied));
    FUZZ_CHECK(applied == *rec);
    return 0;
}
