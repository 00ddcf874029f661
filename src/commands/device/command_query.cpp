#include "commands/device/command_query.h"

#include "api/log.h"
#include "commands/builder_options.h"
#include "tlv/reply_fields.h"

namespace {
constexpr quint16 kCode = 212;
constexpr quint16 kTagDocData = 21;
// sales, sales_return, sales_correction, buys, buys_return, buys_correction
constexpr quint16 kCounterBlocks[] = {103, 105, 107, 104, 106, 108};
}  // namespace

int CommandQuery::prepare()
{
    return korvex::RequestBuilder(*this, nullptr, korvex::inputIgnored()).finish(kCode);
}

Json CommandQuery::parse(const QByteArray& body)
{
    TLVParser items(korvex::deviceDictionary());
    items.parse(body);
    Json result;
    korvex::convertFields(items, {{58}, {59}, {60}, {43}, {82}, {101}, {100}, {102}, {15}, {83}, {84}, {85}},
                          result);
    const QByteArray docData = items.value(kTagDocData);
    if (!docData.isEmpty())
        items.toJsonValue(result, kTagDocData, docData.toBase64().toStdString());
    for (const quint16 block : kCounterBlocks) {
        if (items.count(block) > 0)
            result[korvex::deviceDictionary()->name(block)] = korvex::convertPayload(items.value(block), {{109}, {110}});
    }
    korvex::convertFields(items, {{170}, {171}, {163}, {173}, {172}}, result);
    KORVEX_LOG("{}", korvex::compact(result));
    return result;
}
