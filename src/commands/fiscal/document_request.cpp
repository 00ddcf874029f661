#include "commands/fiscal/document_request.h"

#include "commands/builder_options.h"

namespace korvex {

int prepareDocumentRequest(Command& command, const char* beginText, quint16 code,
                           std::initializer_list<quint16> requiredMembers)
{
    RequestBuilder request(command, beginText, withoutTaskItem());
    if (request.isNull())
        return request.nullResult();
    for (const quint16 tag : requiredMembers)
        request.require(request.member(tag), tag);
    return request.finish(code);
}

}  // namespace korvex
