#pragma once
// Little-endian reading of untrusted bytes: never reads past the given length.

#include <cstddef>
#include <cstdint>

#include <QByteArray>

namespace korvex {

// Unsigned value of the first min(size, width) bytes, least significant first.
inline std::uint64_t readLittleEndian(const char* bytes, std::size_t size, std::size_t width)
{
    std::uint64_t value = 0;
    const std::size_t n = size < width ? size : width;
    for (std::size_t i = 0; i < n; ++i)
        value |= std::uint64_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return value;
}

inline std::uint64_t readLittleEndian(const QByteArray& bytes, std::size_t width)
{
    return readLittleEndian(bytes.constData(), std::size_t(bytes.size()), width);
}

inline void appendLittleEndian(QByteArray& out, std::uint64_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

}  // namespace korvex
