#pragma once
// Fuzz input as Qt byte arrays that own no more than the fuzzer gave: Debian's Qt is not
// instrumented, so an over-read inside Qt would go unseen unless the buffer is exactly sized.

#include <cstddef>
#include <cstdint>

#include <QByteArray>

namespace fuzz {

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
}

// A deep copy, for code that keeps or modifies the bytes.
inline QByteArray copy(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

}  // namespace fuzz
