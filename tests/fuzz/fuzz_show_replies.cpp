// The five show recorder replies on port 7801, as the live show recording window reads them, and the
// running time it shows for a length or position.
#include "device/duration.h"
#include "device/protocol.h"
#include "fuzzcheck.h"

#include <QRegularExpression>

using namespace zentri;

namespace {
void checkDuration(int32_t units) {
    static const QRegularExpression shape(QStringLiteral("^\\d{2,}:[0-5]\\d:[0-5]\\d$"));
    const QString text = DurationText(units);
    FUZZ_CHECK(shape.match(text).hasMatch());
    if (units < 0)
        FUZZ_CHECK(text == QStringLiteral("00:00:00"));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray d = datagram(data, size);
    const auto reply = wire::parseShowReply(d);
    if (!reply) {
        FUZZ_CHECK(!d.startsWith("playStop"));
        return 0;
    }
    switch (reply->kind) {
    case wire::ShowReply::PacketCount:
        FUZZ_CHECK(d.startsWith("Pcnt") && d.size() >= 8);
        FUZZ_CHECK(wire::packetCountReply(reply->packets) == d.left(8));
        break;
    case wire::ShowReply::SetShow:
        FUZZ_CHECK(d.startsWith("setShow") && d.size() >= 8);
        FUZZ_CHECK(reply->show >= 0 && reply->show <= 255);
        FUZZ_CHECK(wire::setShowReply(reply->show) == d.left(8));
        break;
    case wire::ShowReply::ShowPosition:
        FUZZ_CHECK(d.startsWith("showPss") && d.size() >= 15);
        FUZZ_CHECK(wire::showPositionReply(reply->total, reply->position) == d.left(15));
        checkDuration(reply->position);
        break;
    case wire::ShowReply::PlayStop:
        FUZZ_CHECK(d.startsWith("playStop"));
        break;
    case wire::ShowReply::ShowInfo: {
        FUZZ_CHECK(d.startsWith("AShowInfo") && d.size() >= 15);
        FUZZ_CHECK(reply->show >= 0 && reply->show <= 255);
        FUZZ_CHECK(reply->present == (d[10] != 0));
        QByteArray expected = d.left(15);
        expected[10] = reply->present ? 1 : 0;
        FUZZ_CHECK(wire::showInfoReply(reply->show, reply->present, reply->length) == expected);
        checkDuration(reply->length);
        break;
    }
    }
    return 0;
}
