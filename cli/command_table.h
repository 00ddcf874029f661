#pragma once
// Every exported device function of the library as one subcommand of the tool: its name,
// the function it calls, and the help that says what it sends and which JSON keys it takes.

#include <string_view>
#include <variant>
#include <vector>

#include "korvex3/korvex3.h"

namespace korvex3_cli {

// The shapes of the exported device functions; the alternative held is the kind of call.
using InfoFunction = int (*)(int, korvex3_u16, const char*&);
using JsonFunction = int (*)(int, korvex3_u16, const char*, const char*&);
using TaskJsonFunction = int (*)(int, korvex3_u16, korvex3_u32&, const char*, const char*&);
using TaskFunction = int (*)(int, korvex3_u16, korvex3_u32&, const char*&);
using SilentFunction = int (*)(int, korvex3_u16);
using QueryFunction = int (*)(int, korvex3_u16, korvex3_u32, const char*&);
using DeviceFunction =
    std::variant<InfoFunction, JsonFunction, TaskJsonFunction, TaskFunction, SilentFunction, QueryFunction>;

struct Subcommand {
    std::string_view name;
    std::string_view exported;  // the name of the exported function it calls
    DeviceFunction function;
    std::string_view summary;   // one line: what it does
    std::string_view keys;      // the JSON keys it takes, one per line; empty when it takes none
    std::string_view example;   // the arguments after the command name
};

// Whether the subcommand takes a JSON argument, a task number, or nothing.
enum class Argument { None, Json, Task };
Argument argumentOf(const Subcommand& command);
// The kind of call in plain words, e.g. "JSON input; task id and result text".
std::string_view kindOf(const Subcommand& command);

const std::vector<Subcommand>& subcommands();
// The subcommand of that name, or null.
const Subcommand* findSubcommand(std::string_view name);

}  // namespace korvex3_cli
