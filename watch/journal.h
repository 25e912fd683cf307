// Events into the systemd journal (sd_journal_send: MESSAGE, PRIORITY, a fixed MESSAGE_ID per kind,
// ZENTRI_EVENT, ZENTRI_MAC, ZENTRI_NAME, ZENTRI_IP, ZENTRI_FIELDS, ZENTRI_RIG); without a journal, one
// line on standard error. Also the service's own notes (not events) the same way.
#pragma once

#include "event.h"

namespace zentri::watchsvc::journal {

// Whether the journal's socket is there (checked once).
bool available();
void send(const ServiceEvent &event);
// A note of the service itself ("cannot write the event log: ..."), at `priority`.
void note(int priority, const QString &text);

} // namespace zentri::watchsvc::journal
