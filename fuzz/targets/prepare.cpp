// The request building of every command from any caller text and task id: a request is
// either a whole frame that checks out or nothing, and a refusal is JSON text or nothing.
#include <cstdlib>

#include "command_table.h"
#include "commands/config/command_read_config.h"
#include "commands/device/command_get_info.h"
#include "commands/device/command_get_state.h"
#include "commands/device/command_query.h"
#include "commands/document/command_cancel_doc.h"
#include "commands/document/command_close_doc.h"
#include "commands/document/command_open_doc.h"
#include "commands/fiscal/command_get_fd.h"
#include "commands/fiscal/command_get_fd_state.h"
#include "commands/fiscal/command_get_fd_tag.h"
#include "commands/goods/command_delete_goods.h"
#include "commands/goods/command_read_goods.h"
#include "commands/goods/command_write_goods.h"
#include "commands/item/command_add_item.h"
#include "commands/item/command_set_agent.h"
#include "commands/item/command_set_client_info.h"
#include "commands/item/command_set_ind_props.h"
#include "commands/marking/command_query_marking.h"
#include "commands/mode/command_enter.h"
#include "commands/mode/command_exit.h"
#include "commands/mode/command_fremu_reset.h"
#include "commands/mode/command_keep_alive.h"
#include "commands/mode/command_reset.h"
#include "commands/report/command_get_money.h"
#include "commands/report/command_report_state.h"
#include "commands/report/command_report_x.h"
#include "commands/service/command_close_archive.h"
#include "commands/service/command_set_date_time.h"
#include "commands/shift/command_close_shift.h"
#include "commands/shift/command_open_shift.h"
#include "commands/text/command_add_footer.h"
#include "commands/text/command_add_text.h"
#include "commands/text/command_print.h"
#include "commands/text/command_print_doc.h"
#include "fuzz_input.h"
#include "import/command_import.h"
#include "link/packet.h"
#include "registration/command_add_reg_item.h"
#include "registration/command_begin_registration.h"
#include "registration/command_registration.h"

namespace {

using fuzz::make;

std::unique_ptr<Command> makeImport(std::uint16_t) { return std::make_unique<CommandImport>("127.0.0.1", 1, "0123456789", false); }
std::unique_ptr<Command> makeReadConfig(std::uint16_t page)
{
    return std::make_unique<CommandReadConfig>("127.0.0.1", 1, "0123456789", page);
}

const fuzz::CommandMaker kCommands[] = {
    {1, make<CommandGetInfo>},           {6, make<CommandGetState>},          {7, makeReadConfig},
    {15, make<CommandReset>},            {18, make<CommandSetDateTime>},      {102, make<CommandGetFd>},
    {104, make<CommandGetFdState>},      {105, make<CommandGetFdTag>},        {201, make<CommandEnter>},
    {202, make<CommandExit>},            {203, make<CommandOpenShift>},       {204, make<CommandCloseShift>},
    {205, make<CommandOpenDoc>},         {206, make<CommandAddItem>},         {207, make<CommandCancelDoc>},
    {208, make<CommandReportX>},         {209, make<CommandCloseDoc>},        {210, make<CommandGetMoney>},
    {211, make<CommandPrint>},           {212, make<CommandQuery>},           {213, make<CommandSetAgent>},
    {214, make<CommandReportState>},     {215, make<CommandBeginRegistration>}, {216, make<CommandAddRegItem>},
    {217, make<CommandRegistration>},    {218, make<CommandAddText>},         {219, make<CommandCloseArchive>},
    {220, make<CommandPrintDoc>},        {223, make<CommandFremuReset>},      {224, make<CommandKeepAlive>},
    {225, make<CommandAddFooter>},       {226, make<CommandSetIndProps>},     {227, make<CommandSetClientInfo>},
    {228, make<CommandQueryMarking>},    {401, make<CommandReadGoods>},       {402, make<CommandWriteGoods>},
    {403, make<CommandDeleteGoods>},     {404, makeImport},
};

}  // namespace

// Input: command code (2 bytes), task id (4 bytes, little-endian), then the caller's text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fuzz::CommandMaker& maker = fuzz::pick(kCommands, data, size);
    quint32 task = 0;
    for (int i = 0; i < 4 && size > 0; ++i, ++data, --size)
        task |= quint32(*data) << (8 * i);
    const std::unique_ptr<Command> command = maker.make(quint16(task));
    command->taskId = task;
    command->input = fuzz::copy(data, size);
    const int result = command->prepare();

    if (result == korvex3::kOk) {
        if (!command->request.isEmpty() && Packet::validate(command->request) != 0)
            std::abort();
    } else if (result == korvex3::kInvalidFields) {
        // Some refusals name no field: then the output stays empty.
        const std::string refused = command->output.toStdString();
        if (!command->request.isEmpty() || !(refused.empty() || Json::accept(refused)))
            std::abort();
    } else if (result != korvex3::kNullInput) {
        std::abort();
    }
    return 0;
}
