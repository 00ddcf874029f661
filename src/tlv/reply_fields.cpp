#include "tlv/reply_fields.h"

#include "tlv/codecs.h"

namespace korvex {

void convertFields(const TLVParser& items, ReplyFields fields, Json& object)
{
    for (const ReplyField& field : fields)
        items.toJson(object, field.tag, field.text == Text::Cp1251 ? cp1251() : nullptr);
}

Json convertPayload(const QByteArray& payload, ReplyFields fields)
{
    TLVParser items(deviceDictionary());
    items.parse(payload);
    Json result;
    convertFields(items, fields, result);
    return result;
}

Json convertRecords(const QByteArray& payload, quint16 container, ReplyFields fields)
{
    TLVParser items(deviceDictionary());
    items.parse(payload);
    Json result;
    for (const QByteArray& block : items.values(container))
        result.push_back(convertPayload(block, fields));
    return result;
}

}  // namespace korvex
