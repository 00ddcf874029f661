#pragma once
// The help texts: the tool's, and each command's (what it sends, its JSON keys, an example).

#include <ostream>
#include <string_view>

namespace korvex3_cli {

void printToolHelp(std::ostream& out);
// False when no command has that name.
bool printCommandHelp(std::ostream& out, std::string_view name);

}  // namespace korvex3_cli
