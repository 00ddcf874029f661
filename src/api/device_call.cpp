#include "api/device_call.h"

#include "api/connections.h"
#include "api/log.h"

namespace korvex::api {

int execute(const Call& call, const CommandFactory& make)
{
    const connections::Record record = connections::find(call.handle);
    if (!record)
        return korvex3::kNoHandle;
    std::unique_ptr<Command> command = make(*record);
    const quint32 task = call.task == Call::Task::Counter ? record->takeTaskId()
                         : call.task == Call::Task::Fixed ? call.fixedTask
                                                          : 0;
    const QByteArray input = call.json ? QByteArray(call.json) : QByteArray();
    const int result = command->run(call.timeout, task, input);

    if (call.out) {
        const bool handOut = call.rule == Out::S ? result == korvex3::kOk : !command->output.isEmpty();
        *call.out = handOut ? record->addString(command->output) : nullptr;
        if (handOut)
            KORVEX_LOG("response: {}", *call.out);
        else if (call.rule == Out::TR)
            KORVEX_LOG("result: {}", result);
    }
    if (call.task == Call::Task::Counter && call.taskIdOut)
        *call.taskIdOut = command->sent ? task : 0;
    return result;
}

}  // namespace korvex::api
