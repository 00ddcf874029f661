// Exported functions of the receipt cycle: each takes the next task id of its connection.
#include "api/device_call.h"
#include "commands/document/command_cancel_doc.h"
#include "commands/document/command_close_doc.h"
#include "commands/document/command_open_doc.h"
#include "commands/item/command_add_item.h"
#include "commands/item/command_set_agent.h"
#include "commands/item/command_set_client_info.h"
#include "commands/item/command_set_ind_props.h"
#include "commands/marking/command_query_marking.h"
#include "commands/shift/command_close_shift.h"
#include "commands/shift/command_open_shift.h"
#include "commands/text/command_add_footer.h"
#include "commands/text/command_add_text.h"
#include "commands/text/command_print.h"
#include "commands/text/command_print_doc.h"
#include "korvex3/korvex3.h"

using korvex::api::counted;
using korvex::api::Out;

KORVEX3_API int korvex3_fremu_open_shift(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandOpenShift>(handle, timeout, taskId, json, out, Out::TR);
}

KORVEX3_API int korvex3_fremu_close_shift(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandCloseShift>(handle, timeout, taskId, json, out, Out::T);
}

KORVEX3_API int korvex3_fremu_open_doc(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandOpenDoc>(handle, timeout, taskId, json, out, Out::T);
}

KORVEX3_API int korvex3_fremu_close_doc(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandCloseDoc>(handle, timeout, taskId, json, out, Out::S);
}

KORVEX3_API int korvex3_fremu_cancel_doc(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char*& out)
{
    return counted<CommandCancelDoc>(handle, timeout, taskId, nullptr, out, Out::S);
}

KORVEX3_API int korvex3_fremu_add_item(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandAddItem>(handle, timeout, taskId, json, out, Out::T);
}

KORVEX3_API int korvex3_fremu_set_agent(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandSetAgent>(handle, timeout, taskId, json, out, Out::T);
}

KORVEX3_API int korvex3_fremu_set_client_info(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandSetClientInfo>(handle, timeout, taskId, json, out, Out::T);
}

KORVEX3_API int korvex3_fremu_set_industry_props(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandSetIndProps>(handle, timeout, taskId, json, out, Out::T);
}

KORVEX3_API int korvex3_fremu_query_marking(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandQueryMarking>(handle, timeout, taskId, json, out, Out::S);
}

KORVEX3_API int korvex3_fremu_add_text(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandAddText>(handle, timeout, taskId, json, out, Out::T);
}

KORVEX3_API int korvex3_fremu_add_footer(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandAddFooter>(handle, timeout, taskId, json, out, Out::T);
}

KORVEX3_API int korvex3_fremu_print(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandPrint>(handle, timeout, taskId, json, out, Out::T);
}

KORVEX3_API int korvex3_fremu_print_doc(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json, const char*& out)
{
    return counted<CommandPrintDoc>(handle, timeout, taskId, json, out, Out::S);
}
