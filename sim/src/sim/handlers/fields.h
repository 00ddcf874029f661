#pragma once
// Reading the items of a request payload.

#include <cstdint>
#include <optional>
#include <string>

#include <QByteArray>

#include "tlv/tlv_parser.h"

namespace korvex::sim {

inline bool has(const TLVParser& fields, std::uint16_t tag) { return fields.count(tag) > 0; }
// The little-endian number of the item (up to 8 bytes); nothing when absent.
std::optional<std::uint64_t> numberField(const TLVParser& fields, std::uint16_t tag);
std::uint64_t numberOr(const TLVParser& fields, std::uint16_t tag, std::uint64_t otherwise);
// The item's bytes as text, decoded from Windows-1251; empty when absent.
std::string text1251(const TLVParser& fields, std::uint16_t tag);
// The item's bytes unchanged (ASCII identifiers, UTF-8 texts).
std::string rawText(const TLVParser& fields, std::uint16_t tag);

}  // namespace korvex::sim
