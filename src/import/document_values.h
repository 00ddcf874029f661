#pragma once
// Values of a fiscal drive document in the library's units: amounts times 100, quantities
// with four implied decimals whatever number of decimals the drive stored them with.

#include <cstdint>
#include <optional>
#include <string>

#include <QByteArray>

namespace korvex::document {

// Unsigned little-endian value (at most 8 bytes) times 100; 0 for an empty value.
std::uint64_t amount(const QByteArray& value);
// First byte: decimal places p; the rest: mantissa m, little-endian. m scaled to 4 decimals.
std::uint64_t quantity(const QByteArray& value);
// The drive's tax code as the library's tax_id (unknown codes become 3).
int taxId(unsigned code);
// Bytes 2 to 5 as a big-endian number; nothing for a value shorter than 6 bytes.
std::optional<std::uint32_t> fiscalSign(const QByteArray& value);
// CP866 text as UTF-8, or as \uXXXX escapes when `escaped`.
std::string textForm(const QByteArray& cp866, bool escaped);

}  // namespace korvex::document
