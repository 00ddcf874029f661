// Exported functions of the identity, state, mode-control and status commands.
#include "api/device_call.h"
#include "commands/device/command_get_info.h"
#include "commands/device/command_get_state.h"
#include "korvex3/korvex3.h"

using korvex::api::Out;
using korvex::api::plain;

KORVEX3_API int korvex3_get_info(int handle, korvex3_u16 timeout, const char*& out)
{
    return plain<CommandGetInfo>(handle, timeout, nullptr, out, Out::S);
}

KORVEX3_API int korvex3_get_state(int handle, korvex3_u16 timeout, const char*& out)
{
    return plain<CommandGetState>(handle, timeout, nullptr, out, Out::S);
}
