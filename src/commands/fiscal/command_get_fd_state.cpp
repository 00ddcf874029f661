#include "commands/fiscal/command_get_fd_state.h"

#include "commands/request_builder.h"
#include "tlv/reply_fields.h"

int CommandGetFdState::prepare()
{
    return korvex::prepareEmpty(*this, 104, "get fd state begin");
}

Json CommandGetFdState::parse(const QByteArray& body)
{
    return korvex::convertPayload(body, {{24}, {18}, {16}, {78}, {79}, {43}, {86}, {82}, {83},
                                         {84}, {85}, {80}, {81}, {88}, {89}, {90}, {124}, {125}});
}
