#include "help.h"

#include <iomanip>

#include "arguments.h"
#include "command_table.h"
#include "exit_status.h"
#include "receipt_plan.h"

namespace korvex3_cli {

namespace {

constexpr const char* kUsage =
    "usage: korvex3 [--address HOST[:PORT]] [--timeout MS] [--compact] [--log] [--sim] COMMAND [JSON | @FILE | -]\n";

// The commands of the tool itself, beside the library's functions.
struct ToolCommand {
    std::string_view name;
    std::string_view synopsis;
    std::string_view summary;
    std::string_view details;
};

const ToolCommand toolCommands[] = {
    {"receipt", "receipt FILE", "a whole receipt from one JSON file, followed until it is fiscalised",
     "Runs open-doc, the items, the texts and close-doc, then follows the closing task with the status\n"
     "query until the register has fiscalised the receipt, and prints its fiscal document number, date\n"
     "and fiscal sign. On any refusal the open document is cancelled and the failed step named.\n"
     "A closing whose request went out but whose reply was lost is never sent again: the register is\n"
     "asked about its task and the tool says what became of the receipt (exit status 3 when the\n"
     "register cannot tell). Standard output gets {\"fiscalised\": true, \"fd_number\", \"fd_date\",\n"
     "\"fd_sign\", \"task_id\"}, or the failed step.\n"
     "The register must be in the emulation mode with a shift open (enter, open-shift).\n"
     "The file:"},
    {"demo", "demo", "a guided tour of a whole day against the simulator (or --address)",
     "Each step is printed as the command you would type, then its result. Without --address the\n"
     "register is simulated inside this process, so nothing else is needed."},
    {"help", "help [COMMAND]", "this text, or the help of one command (also: COMMAND --help)", ""},
};

void indented(std::ostream& out, std::string_view text)
{
    while (!text.empty()) {
        const auto end = text.find('\n');
        out << "    " << text.substr(0, end) << '\n';
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}

std::string_view argumentWords(const Subcommand& command)
{
    switch (argumentOf(command)) {
    case Argument::Json: return " [JSON | @FILE | -]";
    case Argument::Task: return " TASK";
    case Argument::None: break;
    }
    return "";
}

}  // namespace

void printToolHelp(std::ostream& out)
{
    out << "korvex3: drive a Korvex fiscal register from the shell through libkorvex3\n\n"
        << kUsage << "\n"
        << "options:\n"
        << "  --address HOST[:PORT]  the register; default " << kDefaultAddress
        << ", port 8080 when not named, IPv6 in brackets\n"
        << "  --timeout MS           how long each reply may take, 0 to 65535; default " << kDefaultTimeoutMs << "\n"
        << "  --compact              print the result text exactly as the library returns it\n"
        << "  --log                  raise the library's log to debug, echo its records here, say where its file is\n"
        << "  --sim                  run against a simulated register inside this process\n\n"
        << "The JSON argument is the text itself, @FILE for a file's content, or - for standard input;\n"
        << "it is checked to be JSON before anything is sent. Without one the library gets an empty text.\n\n"
        << "commands (exported function they call):\n";
    for (const Subcommand& command : subcommands())
        out << "  " << std::left << std::setw(20) << command.name << command.exported << '\n';
    out << "tool commands:\n";
    for (const ToolCommand& command : toolCommands)
        out << "  " << std::left << std::setw(20) << command.synopsis << command.summary << '\n';
    out << "\nOutput: the result text as indented JSON on standard output; on standard error the result\n"
        << "code in words, the task id where there is one, and the register's refusal when its response\n"
        << "is not 0. `korvex3 help COMMAND` tells what a command sends and which keys it takes.\n\n"
        << "exit status:\n"
        << kExitStatusHelp;
}

bool printCommandHelp(std::ostream& out, std::string_view name)
{
    if (const Subcommand* command = findSubcommand(name)) {
        out << "korvex3 " << command->name << argumentWords(*command) << "\n\n";
        indented(out, command->summary);
        out << "\n  calls " << command->exported << " (" << kindOf(*command) << ")\n";
        if (!command->keys.empty()) {
            out << "  JSON keys:\n";
            indented(out, command->keys);
        }
        out << "  example:\n    korvex3 --address " << kDefaultAddress << ' ' << command->name;
        if (!command->example.empty())
            out << ' ' << command->example;
        out << '\n';
        return true;
    }
    for (const ToolCommand& command : toolCommands) {
        if (command.name != name)
            continue;
        out << "korvex3 " << command.synopsis << "\n\n";
        indented(out, command.details.empty() ? command.summary : command.details);
        if (command.name == "receipt")
            out << kReceiptFileHelp << "  example:\n    korvex3 --address " << kDefaultAddress << " receipt receipt.json\n";
        return true;
    }
    return false;
}

}  // namespace korvex3_cli
