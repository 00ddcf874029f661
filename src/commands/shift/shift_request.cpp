#include "commands/shift/shift_request.h"

#include "commands/member_fields.h"
#include "commands/operator_fields.h"

namespace korvex {

namespace {
constexpr quint16 kOptData = 153;
}  // namespace

int prepareShiftRequest(Command& command, const char* beginText, quint16 code,
                        std::initializer_list<quint16> keysWhenNoOperator)
{
    RequestBuilder b(command, beginText);
    if (b.isNull())
        return b.nullResult();

    writeOperator(b, keysWhenNoOperator, InnAlone::DoesNotIdentify);
    writeMembers(b, {{62},                        // force_print
                     {140},                       // forbid_print
                     {152, Encoding::Cp1251}});   // opt_attr
    b.base64(kOptData);
    return b.finish(code);
}

}  // namespace korvex
