#include "sim/handlers/fields.h"

#include "tlv/byte_order.h"
#include "sim/wire/texts.h"

namespace korvex::sim {

std::optional<std::uint64_t> numberField(const TLVParser& fields, std::uint16_t tag)
{
    if (!has(fields, tag))
        return std::nullopt;
    return readLittleEndian(fields.value(tag), 8);
}

std::uint64_t numberOr(const TLVParser& fields, std::uint16_t tag, std::uint64_t otherwise)
{
    return numberField(fields, tag).value_or(otherwise);
}

std::string text1251(const TLVParser& fields, std::uint16_t tag) { return fromCp1251(fields.value(tag)); }

std::string rawText(const TLVParser& fields, std::uint16_t tag) { return fields.get(tag); }

}  // namespace korvex::sim
