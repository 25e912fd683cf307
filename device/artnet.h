// Art-Net datagrams as a Zentri device meets them on its port 6454: the ArtDmx packet that carries
// one universe of DMX values. Fields are laid out as on the wire; the port-address is 15 bits,
// Net (7 bits) above SubUni (8 bits).
#pragma once

#include <QByteArray>
#include <optional>

namespace zentri::artnet {

constexpr quint16 kPort = 6454;
constexpr int kOpDmx = 0x5000;
constexpr int kProtocolVersion = 14;
constexpr int kHeaderSize = 18; // ID, OpCode, ProtVer, Sequence, Physical, SubUni, Net, Length
constexpr int kMaxChannels = 512;

// True when the datagram begins with the Art-Net ID "Art-Net" and its zero byte.
bool isArtNet(const QByteArray &data);
// The OpCode (sent low byte first); -1 for a datagram too short to carry one.
int opCode(const QByteArray &data);

struct Dmx {
    int sequence = 0;    // 0 = sequencing off, else 1..255
    int physical = 0;    // input port the data came from
    int portAddress = 0; // Net << 8 | SubUni, 0..32767
    QByteArray data;     // 2..512 channel values, channel 1 first

    int net() const { return (portAddress >> 8) & 0x7F; }
    int subUni() const { return portAddress & 0xFF; }
    // True when any channel value is above zero.
    bool hasNonZeroValue() const;
};

// nullopt unless an ArtDmx packet of protocol version 14 or later whose length field (1..512) fits in
// the datagram.
std::optional<Dmx> parseDmx(const QByteArray &datagram);
// An ArtDmx packet; `values` is padded with a zero to an even length and cut at 512.
QByteArray dmxPacket(int sequence, int physical, int portAddress, const QByteArray &values);

} // namespace zentri::artnet
