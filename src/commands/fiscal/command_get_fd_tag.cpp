#include "commands/fiscal/command_get_fd_tag.h"

#include "commands/fiscal/document_request.h"
#include "tlv/tlv_dictionary.h"
#include "tlv/tlv_parser.h"

namespace {
constexpr quint16 kCode = 105;
constexpr quint16 kTagDocId = 20, kTagDocData = 21, kTagFdTag = 87;
}  // namespace

int CommandGetFdTag::prepare()
{
    return korvex::prepareDocumentRequest(*this, "get fd tag begin", kCode, {kTagDocId, kTagFdTag});
}

Json CommandGetFdTag::parse(const QByteArray& body)
{
    TLVParser items(korvex::deviceDictionary());
    items.parse(body);
    const QByteArray bytes = items.value(kTagDocData);
    if (bytes.isEmpty())
        return nullptr;
    return Json{{"base64", bytes.toBase64().toStdString()}};
}
