// Which program holds a local UDP port, for the message a program gives when it cannot bind one:
// the port's socket is found in /proc/net/udp (and udp6), then the process that has it open among
// /proc/*/fd; where those cannot be read (another user's processes), the socket's owner's user name
// stands in (the watch service runs as the dynamic user "zentri-watch").
#pragma once

#include <QString>

namespace zentri {

// The name of the program ("zentri-watch") or user that holds UDP `port`; empty when none is found.
QString udpPortHolder(quint16 port);

// "held by the zentri-watch service; stop it with: systemctl stop zentri-watch" when the watch service
// holds UDP `port`; empty when another program (or none known) holds it.
QString watchServiceHoldsPort(quint16 port);

} // namespace zentri
