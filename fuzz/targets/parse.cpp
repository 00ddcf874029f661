// The reply conversion of every command that has one: any payload gives JSON that can be
// written out, and never a read outside the payload.
#include "command_table.h"
#include "commands/device/command_get_info.h"
#include "commands/device/command_get_state.h"
#include "commands/device/command_query.h"
#include "commands/fiscal/command_get_fd.h"
#include "commands/fiscal/command_get_fd_state.h"
#include "commands/fiscal/command_get_fd_tag.h"
#include "commands/goods/command_read_goods.h"
#include "commands/goods/command_write_goods.h"
#include "commands/report/command_get_money.h"
#include "fuzz_input.h"

namespace {

const fuzz::CommandMaker kParsers[] = {
    {1, fuzz::make<CommandGetInfo>},      {6, fuzz::make<CommandGetState>},
    {212, fuzz::make<CommandQuery>},      {102, fuzz::make<CommandGetFd>},
    {104, fuzz::make<CommandGetFdState>}, {105, fuzz::make<CommandGetFdTag>},
    {401, fuzz::make<CommandReadGoods>},  {402, fuzz::make<CommandWriteGoods>},
    {210, fuzz::make<CommandGetMoney>},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fuzz::CommandMaker& maker = fuzz::pick(kParsers, data, size);
    const std::unique_ptr<Command> command = maker.make(0);
    const Json converted = command->parse(fuzz::bytes(data, size));
    converted.dump(-1, ' ', false, Json::error_handler_t::replace);

    // The record of a fiscal document decoded as each type in turn, not only the one named.
    if (maker.code == 102) {
        auto& fd = static_cast<CommandGetFd&>(*command);
        for (int type = 0; type < 64; ++type) {
            Json object = Json::object();
            fd.parseData(object, type, fuzz::bytes(data, size));
            object.dump(-1, ' ', false, Json::error_handler_t::replace);
        }
    }
    return 0;
}
