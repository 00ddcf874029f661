#include "commands/config/command_read_config.h"

#include "commands/request_builder.h"
#include "link/packet.h"
#include "link/status_envelope.h"
#include "tlv/byte_order.h"
#include "tlv/tlv_parser.h"

namespace {
constexpr quint16 kCode = 7;
constexpr quint16 kTagPageStart = 11, kTagBinary = 12;
constexpr int kPageStartWidth = 4;  // the register may send more than the dictionary's 2 bytes
}  // namespace

CommandReadConfig::CommandReadConfig(const QString& host, quint16 port, const QString& serial, quint16 firstPage)
    : Command(host, port, serial), page(firstPage)
{
}

int CommandReadConfig::prepare()
{
    korvex::RequestBuilder::Options options;
    options.parse = false;
    options.taskItem = false;
    korvex::RequestBuilder builder(*this, nullptr, options);
    builder.writeNumber(kTagPageStart, page);
    return builder.finish(kCode);
}

int CommandReadConfig::process(bool& more)
{
    Packet packet;
    packet.parse(reply);
    more = false;
    if (packet.response != 0) {
        output = korvex::statusEnvelope(packet);
        return korvex3::kOk;
    }
    quint32 next = 0;
    if (!packet.body.isEmpty()) {
        TLVParser items(korvex::deviceDictionary());
        items.parse(packet.body);
        next = quint32(korvex::readLittleEndian(items.value(kTagPageStart), kPageStartWidth));
        const QByteArray piece = items.value(kTagBinary);
        if (configData.size() + piece.size() > kMaxConfigSize)
            return korvex3::kReplyOverLimit;
        configData.append(piece);
        idleCycles = piece.isEmpty() ? idleCycles + 1 : 0;
    }
    if (next != 0) {
        if (++pagesRead >= kMaxPages || idleCycles > kMaxIdleCycles)
            return korvex3::kReplyOverLimit;
        page = quint16(next);
        more = true;
        return korvex3::kOk;
    }
    output = QByteArray::fromStdString(korvex::compact(Json{{"config", configData.toBase64().toStdString()}}));
    return korvex3::kOk;
}
