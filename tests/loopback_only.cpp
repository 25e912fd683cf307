// Linked into every test program that talks UDP outside a private network of its own: the first
// datagram aimed anywhere but the loopback network stops the run, so a test can never reach a real
// network by mistake (a broadcast to 255.255.255.255 included).
#include "device/udp.h"

#include <QHostAddress>
#include <QtGlobal>

namespace {

bool loopbackOnly(const QHostAddress &to, quint16 port) {
    if (to.isLoopback())
        return true;
    qFatal("test bug: a datagram to %s:%u would leave the loopback network", qPrintable(to.toString()),
           unsigned(port));
}

[[maybe_unused]] const bool installed = [] {
    zentri::setDestinationCheck(&loopbackOnly);
    return true;
}();

} // namespace
