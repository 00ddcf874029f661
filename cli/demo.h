#pragma once
// `korvex3 demo`: a whole day at the register, each step shown as the command a user would
// type and what it printed.

#include "connection.h"

namespace korvex3_cli {

// Runs the tour on `connection`; everything goes to console.out, in order. Returns 0 when
// every step ended as the tour expects, else the exit status of the step that did not.
int runDemo(Console& console, const Connection& connection, bool compact);

}  // namespace korvex3_cli
