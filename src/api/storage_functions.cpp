// Exported functions of the fiscal drive and the goods database.
#include "api/device_call.h"
#include "commands/fiscal/command_get_fd.h"
#include "commands/fiscal/command_get_fd_state.h"
#include "commands/fiscal/command_get_fd_tag.h"
#include "commands/goods/command_delete_goods.h"
#include "commands/goods/command_read_goods.h"
#include "commands/goods/command_write_goods.h"
#include "korvex3/korvex3.h"

using korvex::api::Out;
using korvex::api::plain;

KORVEX3_API int korvex3_get_fd(int handle, korvex3_u16 timeout, const char* json, const char*& out)
{
    return plain<CommandGetFd>(handle, timeout, json, out, Out::T);
}

KORVEX3_API int korvex3_get_fdstate(int handle, korvex3_u16 timeout, const char*& out)
{
    return plain<CommandGetFdState>(handle, timeout, nullptr, out, Out::S);
}

KORVEX3_API int korvex3_get_fdtag(int handle, korvex3_u16 timeout, const char* json, const char*& out)
{
    return plain<CommandGetFdTag>(handle, timeout, json, out, Out::T);
}

KORVEX3_API int korvex3_read_goods(int handle, korvex3_u16 timeout, const char* json, const char*& out)
{
    return plain<CommandReadGoods>(handle, timeout, json, out, Out::T);
}

KORVEX3_API int korvex3_write_goods(int handle, korvex3_u16 timeout, const char* json, const char*& out)
{
    return plain<CommandWriteGoods>(handle, timeout, json, out, Out::T);
}

KORVEX3_API int korvex3_delete_goods(int handle, korvex3_u16 timeout, const char* json, const char*& out)
{
    return plain<CommandDeleteGoods>(handle, timeout, json, out, Out::T);
}
