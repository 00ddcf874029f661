#include "commands/text/text_line_request.h"

#include "commands/builder_options.h"

namespace korvex {

namespace {
constexpr quint16 kTextType = 120, kText = 42;
}  // namespace

int prepareTextLineRequest(Command& command, const char* beginText, quint16 code)
{
    RequestBuilder b(command, beginText, rawInputLogged());
    if (b.isNull())
        return b.nullResult();

    const int textType = b.number(kTextType);
    b.require(textType != 0, kTextType);
    b.writeNumber(kTextType, textType);
    b.require(b.member(kText, Encoding::Cp1251), kText);
    return b.finish(code);
}

}  // namespace korvex
