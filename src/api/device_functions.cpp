// Exported functions of the identity, state, mode-control and status commands.
#include "api/device_call.h"
#include "commands/device/command_get_info.h"
#include "commands/device/command_get_state.h"
#include "commands/device/command_query.h"
#include "commands/mode/command_enter.h"
#include "commands/mode/command_exit.h"
#include "commands/mode/command_fremu_reset.h"
#include "commands/mode/command_keep_alive.h"
#include "commands/mode/command_reset.h"
#include "korvex3/korvex3.h"

using korvex::api::Out;
using korvex::api::plain;
using korvex::api::silent;
using korvex::api::withTask;

KORVEX3_API int korvex3_get_info(int handle, korvex3_u16 timeout, const char*& out)
{
    return plain<CommandGetInfo>(handle, timeout, nullptr, out, Out::S);
}

KORVEX3_API int korvex3_get_state(int handle, korvex3_u16 timeout, const char*& out)
{
    return plain<CommandGetState>(handle, timeout, nullptr, out, Out::S);
}

KORVEX3_API int korvex3_fremu_enter(int handle, korvex3_u16 timeout, const char*& out)
{
    return plain<CommandEnter>(handle, timeout, nullptr, out, Out::S);
}

KORVEX3_API int korvex3_fremu_exit(int handle, korvex3_u16 timeout, const char*& out)
{
    return plain<CommandExit>(handle, timeout, nullptr, out, Out::S);
}

KORVEX3_API int korvex3_fremu_keep_alive(int handle, korvex3_u16 timeout, const char* json, const char*& out)
{
    return plain<CommandKeepAlive>(handle, timeout, json, out, Out::S);
}

KORVEX3_API int korvex3_reset(int handle, korvex3_u16 timeout) { return silent<CommandReset>(handle, timeout); }

KORVEX3_API int korvex3_fremu_reset(int handle, korvex3_u16 timeout) { return silent<CommandFremuReset>(handle, timeout); }

KORVEX3_API int korvex3_fremu_query(int handle, korvex3_u16 timeout, korvex3_u32 task, const char*& out)
{
    return withTask<CommandQuery>(handle, timeout, task, out);
}
