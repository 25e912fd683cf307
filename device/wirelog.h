// The wire log, for whoever must find out why a device stays silent or unlisted: every datagram sent
// and received (debug level) and every received datagram its reader will drop, with the reason (info
// level). Off unless switched on, the usual Qt way: QT_LOGGING_RULES="zentri.*.debug=true". For the
// zentri categories, debug switched on brings info with it, so that one rule shows the whole story.
#pragma once

#include <QLoggingCategory>
#include <QString>

class QByteArray;
class QHostAddress;

namespace zentri {

// "zentri.wire"
const QLoggingCategory &lcWire();

// Switches the wire log on for this process, as the environment rule above would.
void enableWireLogging();

namespace wirelog {

void sent(const QByteArray &data, const QHostAddress &to, quint16 toPort, quint16 fromPort);
// Also says, at info level, why the reader on `port` will drop the datagram, if it will.
void received(const QByteArray &data, const QHostAddress &from, quint16 fromPort, quint16 port);
// Dropped before any reader saw it: the listener's queue was full.
void queueFull(const QByteArray &data, const QHostAddress &from, quint16 fromPort, quint16 port);

// A datagram's leading letters: a keyword of the protocol it starts with, else its printable ASCII
// prefix, else the hex of its first bytes.
QString leadingLetters(const QByteArray &data);

} // namespace wirelog
} // namespace zentri
