#include "run_command.h"

#include "input.h"
#include "whole_number.h"

namespace korvex3_cli {

namespace {

// A line before the calls that keep the register busy for a while.
const char* noteBefore(std::string_view name)
{
    if (name == "register")
        return "registering: opening, each long attribute, completing; every step is followed until the "
               "register has done it (--log shows each exchange)";
    if (name == "import-doc" || name == "import-doc2")
        return "importing: the document comes in pieces (--log shows each one)";
    return nullptr;
}

}  // namespace

Prepared prepareRequest(const Subcommand& command, const std::vector<std::string>& arguments, std::istream& in)
{
    const std::string name(command.name);
    if (arguments.size() > 1)
        return {std::nullopt, name + " takes one argument at most"};
    Request request;
    switch (argumentOf(command)) {
    case Argument::None:
        if (!arguments.empty())
            return {std::nullopt, name + " takes no argument"};
        return {request, {}};
    case Argument::Task: {
        const auto task = arguments.empty() ? std::nullopt : wholeNumber<korvex3_u32>(arguments[0]);
        if (!task)
            return {std::nullopt, name + " needs the task id, a number from 0 to 4294967295"};
        request.task = *task;
        return {request, {}};
    }
    case Argument::Json:
        break;
    }
    if (arguments.empty())
        return {request, {}};  // the empty text: the library's own "no parameters"
    Input input = readJsonArgument(arguments[0], in);
    if (!input.text)
        return {std::nullopt, input.error};
    request.json = std::move(*input.text);
    return {request, {}};
}

int runRequest(Console& console, const Connection& connection, const Subcommand& command,
               const Request& request, bool compact)
{
    if (const char* note = noteBefore(command.name))
        console.err << note << '\n';
    const Outcome outcome = call(command, connection.handle, connection.timeout, request);
    return report(console, outcome, connection.where, compact);
}

}  // namespace korvex3_cli
