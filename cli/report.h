#pragma once
// What the tool prints for one call: the result text as JSON on standard output, the result
// code in words, the task id and any refusal by the register on standard error.

#include <optional>
#include <ostream>
#include <string>

#include "call.h"
#include "verdict.h"

namespace korvex3_cli {

struct Console {
    std::ostream& out;
    std::ostream& err;
    bool highlight = false;  // mark refusals with terminal colours
};

// Where a call went, for the words about its failure.
struct Where {
    std::string address;  // host:port
    korvex3_u16 timeout = 0;
};

// "-2: no TCP connection to 127.0.0.1:8080 within 30000 ms"; `text` names refused fields of -8.
std::string resultLine(int code, const Where& where, const std::optional<std::string>& text);

// The text indented, or as the library returned it when `compact` (or when it is not JSON).
void printText(std::ostream& out, const std::string& text, bool compact);

// "register refused: response 5, extended 0", highlighted when the console asks for it.
void printRefusal(Console& console, const Verdict& verdict);

// Prints the whole outcome and returns the tool's exit status for it.
int report(Console& console, const Outcome& outcome, const Where& where, bool compact);

}  // namespace korvex3_cli
