#pragma once

#include <QtGlobal>

#include "api/export.h"

namespace korvex {
// Standard CRC-32 (IEEE 802.3, reflected 0xEDB88320, as zlib's crc32); 0 for zero bytes.
KORVEX3_EXPORT quint32 Crc32(const unsigned char* data, unsigned int length);
}  // namespace korvex
