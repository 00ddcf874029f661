#pragma once
// --log: raises the library's shared logger to debug for this run and echoes its records.

#include <ostream>
#include <string>

namespace korvex3_cli {

// The name under which the library registers its logger.
inline constexpr const char* kLibraryLoggerName = "korvex3";

// Call after korvex3_initialize. Raises the logger, copies its records to standard error and
// returns the log file's path (empty when the library's logger writes no file).
std::string raiseLibraryLog();

}  // namespace korvex3_cli
