#include "sim/handlers/dispatcher.h"

#include "sim/handlers/handlers.h"
#include "sim/response_codes.h"

namespace korvex::sim {
namespace {

using Handler = Reply (*)(Context&, const Request&);

enum Flag : unsigned {
    kEmulation = 1,     // refused outside emulation mode
    kTask = 2,          // a task id makes it a task
    kKeeps = 4,         // success changes the kept state
    kRegistration = 8,  // its task can be made never to finish
};

struct CommandEntry {
    std::uint16_t code;
    const char* name;
    Handler handle;
    unsigned flags;
};

using namespace handlers;

const CommandEntry kCommands[] = {
    {1, "get_info", getInfo, 0},
    {6, "get_state", getState, 0},
    {7, "read_config", readConfig, 0},
    {15, "reset", reset, 0},
    {18, "set_datetime", setDateTime, kKeeps},
    {102, "get_fd", getFd, 0},
    {104, "get_fdstate", getFdState, 0},
    {105, "get_fdtag", getFdTag, 0},
    {201, "fremu_enter", enter, 0},
    {202, "fremu_exit", exit, 0},
    {203, "open_shift", openShift, kEmulation | kTask | kKeeps},
    {204, "close_shift", closeShift, kEmulation | kTask | kKeeps},
    {205, "open_doc", openDoc, kEmulation | kTask},
    {206, "add_item", addItem, kEmulation | kTask},
    {207, "cancel_doc", cancelDoc, kEmulation | kTask},
    {208, "report_x", reportX, kEmulation | kTask},
    {209, "close_doc", closeDoc, kEmulation | kTask | kKeeps},
    {210, "get_money", getMoney, kEmulation},
    {211, "print", print, kEmulation | kTask},
    {212, "query", query, 0},
    {213, "set_agent", setAgent, kEmulation | kTask},
    {214, "report_state", reportState, kEmulation | kTask | kKeeps},
    {215, "begin_registration", beginRegistration, kTask | kRegistration},
    {216, "add_reg_item", addRegItem, kTask | kRegistration},
    {217, "registration", completeRegistration, kTask | kKeeps | kRegistration},
    {218, "add_text", addText, kEmulation | kTask},
    {219, "close_archive", closeArchive, kEmulation | kTask | kKeeps},
    {220, "print_doc", printDoc, kEmulation | kTask},
    {223, "fremu_reset", fremuReset, kEmulation},
    {224, "keep_alive", keepAlive, 0},
    {225, "add_footer", addText, kEmulation | kTask},
    {226, "set_industry_props", setIndustryProps, kEmulation | kTask},
    {227, "set_client_info", setClientInfo, kEmulation | kTask},
    {228, "query_marking", queryMarking, kEmulation | kTask},
    {401, "read_goods", readGoods, 0},
    {402, "write_goods", writeGoods, kKeeps},
    {403, "delete_goods", deleteGoods, kKeeps},
    {404, "import_begin", importBegin, 0},
    {405, "import_next", importNext, 0},
};

const CommandEntry* findCommand(std::uint16_t code)
{
    for (const CommandEntry& entry : kCommands)
        if (entry.code == code)
            return &entry;
    return nullptr;
}

void recordTask(Context& context, const CommandEntry& entry, std::uint32_t id, const Reply& reply)
{
    Task task;
    task.id = id;
    task.cmd = entry.code;
    task.readyAt = std::chrono::steady_clock::now() + context.settings.taskDelay;
    task.response = reply.response;
    task.fdNumber = context.fdNumber;
    task.marking = context.marking;
    task.endless = (entry.flags & kRegistration) && reply.response == response::kOk && context.faults.takeEndlessStatus();
    context.state.tasks.record(task);
}

}  // namespace

const char* commandName(std::uint16_t code)
{
    const CommandEntry* entry = findCommand(code);
    return entry ? entry->name : "unknown";
}

Dispatched dispatch(Context& context, const Request& request)
{
    if (!request.intact)
        return {Reply::error(response::kBadFrame)};
    if (request.serial && request.serial->toStdString() != context.state.identity.serial)
        return {Reply::error(response::kWrongSerial)};
    const CommandEntry* entry = request.cmd ? findCommand(*request.cmd) : nullptr;
    if (!entry)
        return {Reply::error(response::kUnknownCommand)};
    if ((entry->flags & kEmulation) && !context.state.emulation)
        return {Reply::error(response::kNotInEmulation)};

    Dispatched result{entry->handle(context, request)};
    if ((entry->flags & kTask) && request.taskId)
        recordTask(context, *entry, *request.taskId, result.reply);
    result.stateChanged = (entry->flags & kKeeps) && result.reply.response == response::kOk;
    return result;
}

}  // namespace korvex::sim
