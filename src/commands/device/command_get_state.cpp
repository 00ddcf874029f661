#include "commands/device/command_get_state.h"

#include "api/log.h"
#include "commands/request_builder.h"
#include "tlv/reply_fields.h"

using korvex::Text;

int CommandGetState::prepare() { return korvex::prepareEmpty(*this, 6); }

Json CommandGetState::parse(const QByteArray& body)
{
    KORVEX_LOG("get state begin");
    return korvex::convertPayload(body, {{23}, {26}, {49}, {27}, {25}, {24}, {28},
                                         {91, Text::Cp1251}, {92}, {93, Text::Cp1251},
                                         {94, Text::Cp1251}, {95, Text::Cp1251}, {96},
                                         {97, Text::Cp1251}, {98, Text::Cp1251}, {99}, {139}});
}
