// Exported functions of the reports, the cash total, the archive closing and the clock.
#include "api/device_call.h"
#include "commands/report/command_get_money.h"
#include "commands/report/command_report_state.h"
#include "commands/report/command_report_x.h"
#include "commands/service/command_close_archive.h"
#include "commands/service/command_set_date_time.h"
#include "korvex3/korvex3.h"

using korvex::api::counted;
using korvex::api::Out;
using korvex::api::plain;

KORVEX3_API int korvex3_fremu_report_x(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char*& out)
{
    return counted<CommandReportX>(handle, timeout, taskId, nullptr, out, Out::S);
}

KORVEX3_API int korvex3_fremu_report_xe(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json,
                                        const char*& out)
{
    return counted<CommandReportX>(handle, timeout, taskId, json, out, Out::S);
}

KORVEX3_API int korvex3_fremu_report_state(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char*& out)
{
    return counted<CommandReportState>(handle, timeout, taskId, nullptr, out, Out::S);
}

KORVEX3_API int korvex3_fremu_get_money(int handle, korvex3_u16 timeout, const char*& out)
{
    return plain<CommandGetMoney>(handle, timeout, nullptr, out, Out::S);
}

KORVEX3_API int korvex3_fremu_close_archive(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json,
                                            const char*& out)
{
    return counted<CommandCloseArchive>(handle, timeout, taskId, json, out, Out::S);
}

KORVEX3_API int korvex3_set_datetime(int handle, korvex3_u16 timeout, const char* json, const char*& out)
{
    return plain<CommandSetDateTime>(handle, timeout, json, out, Out::S);
}
