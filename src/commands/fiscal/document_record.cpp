#include "commands/fiscal/document_record.h"

#include <ctime>
#include <vector>

#include "tlv/byte_order.h"

namespace korvex {
namespace {

enum class Kind {
    Unsigned,  // little-endian integer of the field's width
    Amount,    // 40-bit integer in whole units, emitted in hundredths
    Ascii,     // bytes up to the first zero byte
    DateTime,  // year-2000, month, day, hour, minute in local time, emitted as Unix seconds
};

struct Field {
    int offset;
    int size;
    const char* key;
    Kind kind;
};

struct Layout {
    std::vector<int> types;
    std::vector<Field> fields;
};

constexpr Field kDate{0, 5, "fd_date", Kind::DateTime};
constexpr Field kNumber{5, 4, "fd_number", Kind::Unsigned};
constexpr Field kSign{9, 4, "fd_sign", Kind::Unsigned};
constexpr Field kInn{13, 12, "inn", Kind::Ascii};
constexpr Field kRegNumber{25, 20, "kkt_regnum", Kind::Ascii};
constexpr Field kTaxCode{45, 1, "taxcode", Kind::Unsigned};
constexpr Field kMode{46, 1, "mode", Kind::Unsigned};

const std::vector<Layout>& layouts()
{
    static const std::vector<Layout> table = {
        {{1}, {kDate, kNumber, kSign, kInn, kRegNumber, kTaxCode, kMode}},
        {{11}, {kDate, kNumber, kSign, kInn, kRegNumber, kTaxCode, kMode, {47, 1, "reason", Kind::Unsigned}}},
        {{2, 5}, {kDate, kNumber, kSign, {13, 2, "shift_number", Kind::Unsigned}}},
        {{3, 4, 31, 41},
         {kDate, kNumber, kSign, {13, 1, "operation", Kind::Unsigned}, {14, 5, "summa", Kind::Amount}}},
        {{6}, {kDate, kNumber, kSign, kInn, kRegNumber}},
        {{21},
         {kDate, kNumber, kSign, {13, 4, "wait_count", Kind::Unsigned},
          {17, 5, "first_waiting_date", Kind::DateTime}}},
    };
    return table;
}

const Layout* layoutOf(int type)
{
    for (const Layout& layout : layouts())
        for (int t : layout.types)
            if (t == type)
                return &layout;
    return nullptr;
}

// The host's mktime decides the zone and daylight saving; a date it cannot represent gives
// its failure value (all bits set once narrowed to 32 bits).
quint32 localSeconds(const unsigned char* b)
{
    std::tm local{};
    local.tm_year = b[0] + 100;
    local.tm_mon = b[1] - 1;
    local.tm_mday = b[2];
    local.tm_hour = b[3];
    local.tm_min = b[4];
    local.tm_isdst = -1;
    return static_cast<quint32>(std::mktime(&local));
}

Json valueOf(const Field& field, const char* bytes)
{
    const auto* raw = reinterpret_cast<const unsigned char*>(bytes);
    switch (field.kind) {
    case Kind::Unsigned: return readLittleEndian(bytes, field.size, field.size);
    case Kind::Amount: return readLittleEndian(bytes, field.size, field.size) * 100;
    case Kind::Ascii: return std::string(bytes, qstrnlen(bytes, uint(field.size)));
    case Kind::DateTime: return localSeconds(raw);
    }
    return nullptr;
}

}  // namespace

void decodeDocumentRecord(Json& object, int type, const QByteArray& record)
{
    const Layout* layout = layoutOf(type);
    if (!layout)
        return;
    for (const Field& field : layout->fields)
        if (field.offset + field.size <= record.size())
            object[field.key] = valueOf(field, record.constData() + field.offset);
}

}  // namespace korvex
