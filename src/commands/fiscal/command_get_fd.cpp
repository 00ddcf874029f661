#include "commands/fiscal/command_get_fd.h"

#include "commands/fiscal/document_record.h"
#include "commands/fiscal/document_request.h"
#include "tlv/tlv_dictionary.h"
#include "tlv/tlv_parser.h"

namespace {
constexpr quint16 kCode = 102;
constexpr quint16 kTagDocType = 19, kTagDocId = 20, kTagDocData = 21;
}  // namespace

int CommandGetFd::prepare()
{
    return korvex::prepareDocumentRequest(*this, "get fd begin", kCode, {kTagDocId});
}

Json CommandGetFd::parse(const QByteArray& body)
{
    TLVParser items(korvex::deviceDictionary());
    items.parse(body);
    Json result;
    const int type = int(items.get<unsigned int>(kTagDocType, 0));
    items.toJson(result, kTagDocType, nullptr);
    parseData(result, type, items.value(kTagDocData));
    return result;
}

void CommandGetFd::parseData(Json& object, int type, const QByteArray& data)
{
    korvex::decodeDocumentRecord(object, type, data);
}
