#include "journal.h"

#include <cstdio>
#include <systemd/sd-journal.h>
#include <unistd.h>

namespace zentri::watchsvc::journal {

bool available() {
    static const bool there = ::access("/run/systemd/journal/socket", W_OK) == 0;
    return there;
}

namespace {
void line(const QString &text) {
    const QByteArray bytes = ("zentri-watch: " + text + '\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}
} // namespace

void send(const ServiceEvent &e) {
    const EventKind *k = kindOf(e.event);
    if (available()) {
        const QByteArray message = e.message.toUtf8(), event = e.event.toUtf8(), mac = e.mac.toUtf8(),
                         name = e.name.toUtf8(), ip = e.ip.toUtf8(), fields = e.fields.toUtf8(),
                         rig = e.rig.toUtf8();
        const int r = sd_journal_send("MESSAGE=%s", message.constData(), "PRIORITY=%i", e.priority(),
                                      "MESSAGE_ID=%s", k ? k->messageId : "", "ZENTRI_EVENT=%s",
                                      event.constData(), "ZENTRI_MAC=%s", mac.constData(), "ZENTRI_NAME=%s",
                                      name.constData(), "ZENTRI_IP=%s", ip.constData(), "ZENTRI_FIELDS=%s",
                                      fields.constData(), "ZENTRI_RIG=%s", rig.constData(), nullptr);
        if (r >= 0)
            return;
    }
    line(QStringLiteral("%1 %2").arg(isoTime(e.time), e.message));
}

void note(int priority, const QString &text) {
    if (available() &&
        sd_journal_send("MESSAGE=%s", text.toUtf8().constData(), "PRIORITY=%i", priority, nullptr) >= 0)
        return;
    line(text);
}

} // namespace zentri::watchsvc::journal
