#pragma once
// The argument of a command: JSON text, @FILE or - (standard input), checked to be JSON
// before anything goes to the register, so that a typing slip never reaches it as "no fields".

#include <istream>
#include <optional>
#include <string>

namespace korvex3_cli {

struct Input {
    std::optional<std::string> text;  // the JSON text as given, when it is JSON
    std::string error;                // otherwise why not, in words for people
};

// `argument` is the JSON text itself, "@" followed by a file name, or "-" for `stdin`.
Input readJsonArgument(const std::string& argument, std::istream& stdinStream);

// The text of a file, or nullopt when it cannot be read.
std::optional<std::string> readFile(const std::string& path);

// Empty when `text` is one JSON value, else the parser's words about where it is not.
std::string jsonError(const std::string& text);

}  // namespace korvex3_cli
