#include "commands/device/command_get_info.h"

#include "api/log.h"
#include "commands/request_builder.h"
#include "tlv/reply_fields.h"

namespace {
constexpr quint16 kCode = 1;
constexpr quint16 kTagVersion = 1, kTagBuild = 2, kTagFlags = 3;
}  // namespace

int CommandGetInfo::prepare() { return korvex::prepareEmpty(*this, kCode); }

Json CommandGetInfo::parse(const QByteArray& body)
{
    KORVEX_LOG("get into begin");
    TLVParser items(korvex::deviceDictionary());
    items.parse(body);
    Json result;
    korvex::convertFields(items, {{6}, {54}, {4}, {5}, {135}, {57}, {115}, {124}}, result);

    const unsigned v = items.get<unsigned int>(kTagVersion, 0);
    const unsigned b = items.get<unsigned int>(kTagBuild, 0);
    const unsigned f = items.get<unsigned int>(kTagFlags, 0) & 0xFF;
    std::string version = std::to_string(v >> 12) + "." + std::to_string(v & 0xFFF) + "." + std::to_string(b);
    if (f & 1)
        version += "d";
    version += (f & 2) ? " wifi" : " lan";
    if (f & 4)
        version += " kz";
    items.toJsonValue(result, kTagVersion, version);
    return result;
}
