#include "commands/goods/goods_fields.h"

#include "api/log.h"
#include "tlv/tlv_dictionary.h"

namespace korvex::goods {

void logInput(const Json& input)
{
    KORVEX_LOG("{}", input.dump(1, ' ', false, Json::error_handler_t::replace));
}

Json recordEntry(quint16 tag, const Json& record)
{
    return Json{{deviceDictionary()->name(tag), record}};
}

void writeBlock(RequestBuilder& request, quint16 tag, const Block& block, QDataStream& into)
{
    if (!block.bytes.isEmpty() && !request.json().toStream(block.bytes, tag, into))
        request.reject(tag);
}

}  // namespace korvex::goods
