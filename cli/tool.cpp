#include "tool.h"

#include "demo.h"
#include "exit_status.h"
#include "help.h"
#include "input.h"
#include "receipt_runner.h"
#include "run_command.h"
#include "session.h"

namespace korvex3_cli {

namespace {

int usageError(Console& console, const std::string& error)
{
    console.err << "korvex3: " << error << "\n(korvex3 --help lists the commands and options)\n";
    return kExitUsage;
}

int help(Console& console, const std::vector<std::string>& names)
{
    if (names.empty()) {
        printToolHelp(console.out);
        return kExitSuccess;
    }
    return printCommandHelp(console.out, names[0]) ? kExitSuccess
                                                    : usageError(console, "no command " + names[0]);
}

int receipt(Console& console, const Options& options)
{
    if (options.rest.size() != 1)
        return usageError(console, "receipt needs one FILE");
    const auto text = readFile(options.rest[0]);
    if (!text)
        return usageError(console, "cannot read " + options.rest[0]);
    if (const std::string error = jsonError(*text); !error.empty())
        return usageError(console, "bad JSON input in " + options.rest[0] + ": " + error);
    const PlannedReceipt planned = planReceipt(nlohmann::json::parse(*text));
    if (!planned.plan)
        return usageError(console, options.rest[0] + " is not a receipt: " + planned.error);
    Session session;
    if (const auto failed = session.open(console, options, options.sim))
        return *failed;
    return receiptCommand(console, session.connection(), *planned.plan, options.compact);
}

int demo(Console& console, const Options& options)
{
    if (!options.rest.empty())
        return usageError(console, "demo takes no argument");
    Session session;
    if (const auto failed = session.open(console, options, !options.addressGiven))
        return *failed;
    return runDemo(console, session.connection(), options.compact);
}

}  // namespace

int runTool(const std::vector<std::string>& arguments, Console& console, std::istream& in)
{
    const Parsed parsed = parseArguments(arguments);
    if (!parsed.options)
        return usageError(console, parsed.error);
    const Options& options = *parsed.options;
    if (options.help)
        return help(console, options.command.empty() ? std::vector<std::string>{} : std::vector{options.command});
    if (options.command.empty())
        return usageError(console, "no command given");
    if (options.command == "help")
        return help(console, options.rest);
    if (options.command == "receipt")
        return receipt(console, options);
    if (options.command == "demo")
        return demo(console, options);

    const Subcommand* command = findSubcommand(options.command);
    if (!command)
        return usageError(console, "no command " + options.command);
    const Prepared prepared = prepareRequest(*command, options.rest, in);
    if (!prepared.request)
        return usageError(console, prepared.error);
    Session session;
    if (const auto failed = session.open(console, options, options.sim))
        return *failed;
    return runRequest(console, session.connection(), *command, *prepared.request, options.compact);
}

}  // namespace korvex3_cli
