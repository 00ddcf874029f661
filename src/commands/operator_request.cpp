#include "commands/operator_request.h"

#include "commands/operator_fields.h"

namespace korvex {

int prepareOperatorRequest(Command& command, const char* beginText, quint16 code,
                           RequestBuilder::Options options)
{
    RequestBuilder b(command, beginText, options);
    if (b.isNull())
        return b.nullResult();
    writeOperator(b, {kTagUserName, kTagUserId}, InnAlone::DoesNotIdentify);
    return b.finish(code);
}

}  // namespace korvex
