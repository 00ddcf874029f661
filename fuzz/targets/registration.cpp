// The registration's item building from any caller text: every long attribute becomes an
// item step whose request is a whole frame carrying the attribute's bytes, or is refused.
#include <cstdlib>

#include "commands/request_builder.h"
#include "fuzz_input.h"
#include "link/packet.h"
#include "registration/command_add_reg_item.h"
#include "registration/command_registration.h"
#include "registration/registration_items.h"

namespace {

int prepared(Command& command, const QByteArray& input)
{
    command.taskId = 1;
    command.input = input;
    const int result = command.prepare();
    if (result == korvex3::kOk && !command.request.isEmpty() && Packet::validate(command.request) != 0)
        std::abort();
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text = fuzz::copy(data, size);
    const Json input = korvex::parseInput(text);
    if (input.is_null() || input.is_discarded())
        return 0;
    for (const std::string& item : registrationItems(input)) {
        CommandAddRegItem step("127.0.0.1", 1, "0123456789");
        const int result = prepared(step, QByteArray::fromStdString(item));
        if (result != korvex3::kOk && result != korvex3::kInvalidFields)
            std::abort();
    }
    CommandRegistration complete("127.0.0.1", 1, "0123456789");
    const int result = prepared(complete, text);
    if (result != korvex3::kOk && result != korvex3::kInvalidFields)
        std::abort();
    return 0;
}
