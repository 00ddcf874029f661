#include "link/crc32.h"

#include <array>

namespace {
constexpr std::array<quint32, 256> makeTable()
{
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}
constexpr auto kTable = makeTable();
}  // namespace

namespace korvex {

quint32 Crc32(const unsigned char* data, unsigned int length)
{
    quint32 crc = 0xFFFFFFFFu;
    for (unsigned int i = 0; i < length; ++i)
        crc = kTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

}  // namespace korvex
