#include "artnet.h"

#include <algorithm>

namespace zentri::artnet {

namespace {
const char kId[8] = {'A', 'r', 't', '-', 'N', 'e', 't', '\0'};
int u8(const QByteArray &b, int offset) {
    return static_cast<uint8_t>(b[offset]);
}
} // namespace

bool isArtNet(const QByteArray &data) {
    return data.size() >= 8 && std::equal(kId, kId + 8, data.constData());
}

int opCode(const QByteArray &data) {
    if (!isArtNet(data) || data.size() < 10)
        return -1;
    return u8(data, 8) | (u8(data, 9) << 8);
}

bool Dmx::hasNonZeroValue() const {
    return std::any_of(data.cbegin(), data.cend(), [](char c) { return c != 0; });
}

std::optional<Dmx> parseDmx(const QByteArray &d) {
    if (opCode(d) != kOpDmx || d.size() < kHeaderSize)
        return std::nullopt;
    const int version = (u8(d, 10) << 8) | u8(d, 11);
    const int length = (u8(d, 16) << 8) | u8(d, 17);
    if (version < kProtocolVersion || length < 1 || length > kMaxChannels || kHeaderSize + length > d.size())
        return std::nullopt;
    Dmx dmx;
    dmx.sequence = u8(d, 12);
    dmx.physical = u8(d, 13);
    dmx.portAddress = ((u8(d, 15) & 0x7F) << 8) | u8(d, 14);
    dmx.data = d.mid(kHeaderSize, length);
    return dmx;
}

QByteArray dmxPacket(int sequence, int physical, int portAddress, const QByteArray &values) {
    QByteArray v = values.left(kMaxChannels);
    if (v.isEmpty() || v.size() % 2 != 0)
        v.append('\0');
    QByteArray p(kHeaderSize, '\0');
    std::copy(kId, kId + 8, p.data());
    p[8] = static_cast<char>(kOpDmx & 0xFF);
    p[9] = static_cast<char>(kOpDmx >> 8);
    p[10] = 0;
    p[11] = static_cast<char>(kProtocolVersion);
    p[12] = static_cast<char>(sequence & 0xFF);
    p[13] = static_cast<char>(physical & 0xFF);
    p[14] = static_cast<char>(portAddress & 0xFF);
    p[15] = static_cast<char>((portAddress >> 8) & 0x7F);
    p[16] = static_cast<char>(v.size() >> 8);
    p[17] = static_cast<char>(v.size() & 0xFF);
    return p + v;
}

} // namespace zentri::artnet
