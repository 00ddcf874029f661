#include "sim/wire/describe.h"

#include "sim/handlers/dispatcher.h"
#include "sim/wire/texts.h"
#include "tlv/byte_order.h"
#include "tlv/tlv_dictionary.h"

namespace korvex::sim {
namespace {

inline constexpr std::uint16_t kImportBegin = 404, kImportNext = 405;

bool isContainer(std::uint16_t tag) { return (tag >= 103 && tag <= 108) || (tag >= 130 && tag <= 132); }

bool printable(const QByteArray& bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    return true;
}

std::string items(const QByteArray& payload);

std::string valueOf(std::uint16_t tag, const QByteArray& value)
{
    const TLVDictionary::TagDef definition = korvex::deviceDictionary()->definition(tag);
    if (tlv_type::isNumeric(definition.type))
        return std::to_string(readLittleEndian(value, definition.type));
    if (isContainer(tag))
        return "{" + items(value) + "}";
    if (printable(value))
        return "\"" + fromCp1251(value) + "\"";
    return "<" + std::to_string(value.size()) + " bytes>";
}

std::string items(const QByteArray& payload)
{
    std::string line;
    int at = 0;
    while (payload.size() - at >= 4) {
        const auto tag = std::uint16_t(readLittleEndian(payload.constData() + at, 2, 2));
        const int length = int(readLittleEndian(payload.constData() + at + 2, 2, 2));
        if (payload.size() - at - 4 < length)
            break;
        const std::string name = korvex::deviceDictionary()->name(tag);
        line += (line.empty() ? "" : " ") + (name.empty() ? "tag_" + std::to_string(tag) : name) + "="
              + valueOf(tag, payload.mid(at + 4, length));
        at += 4 + length;
    }
    return line;
}

std::string head(const char* direction, int connection, std::uint16_t cmd)
{
    return std::string(direction) + " #" + std::to_string(connection) + " " + std::to_string(cmd) + " "
         + commandName(cmd) + ":";
}

}  // namespace

std::string describeRequest(int connection, const Request& request)
{
    const std::uint16_t cmd = request.cmd.value_or(0);
    std::string line = head("request", connection, cmd);
    if (!request.intact)
        return line + " damaged frame";
    if (request.serial)
        line += " serial=\"" + request.serial->toStdString() + "\"";
    const std::string fields = items(request.payload);
    return fields.empty() ? line : line + " " + fields;
}

std::string describeReply(int connection, std::uint16_t cmd, const Reply& reply)
{
    std::string line = head("reply  ", connection, cmd) + " response=" + std::to_string(reply.response)
                     + " extended=" + std::to_string(reply.extended);
    if (reply.body.isEmpty())
        return line;
    // Import replies carry raw pieces of a document, not items.
    if (cmd == kImportBegin || cmd == kImportNext)
        return line + " piece=<" + std::to_string(reply.body.size()) + " bytes>";
    return line + " " + items(reply.body);
}

}  // namespace korvex::sim
