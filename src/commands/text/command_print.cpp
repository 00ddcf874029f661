#include "commands/text/command_print.h"

#include "commands/request_builder.h"

namespace {
constexpr quint16 kText = 42, kTextType = 120;
}  // namespace

int CommandPrint::prepare()
{
    korvex::RequestBuilder b(*this, "print begin");
    if (b.isNull())
        return b.nullResult();

    // Unlike the text line, the text comes first and its type is optional.
    b.require(b.member(kText, korvex::Encoding::Cp1251), kText);
    b.member(kTextType);
    return b.finish(211);
}
