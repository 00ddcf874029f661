#pragma once
// The tool's exit status, so that scripts can tell the outcomes apart.

namespace korvex3_cli {

// The mapping in words, as `--help` prints it.
inline constexpr const char* kExitStatusHelp =
    "  0       success: result 0 and the register accepted (response 0)\n"
    "  1       the register refused: result 0 with a non-zero response\n"
    "  2       the command line or its input is wrong; nothing was sent\n"
    "  3       receipt: the register could not tell what became of it (ask with `query TASK`)\n"
    "  9       a result code the tool does not know, or the simulator did not start\n"
    "  10 + n  the library failed with result -n: 11 no such handle, 12 no TCP connection,\n"
    "          13 request not written in full, 14 no reply in time, 16 bad CRC, 17 bad magic,\n"
    "          18 input fields refused, 19 input is null, 20 invalid address, 21 reply over limit\n";

enum ExitStatus : int {
    kExitSuccess = 0,
    kExitRefused = 1,
    kExitUsage = 2,
    kExitOutcomeUnknown = 3,
    kExitUnknownCode = 9,
    kExitLibraryBase = 10,
};

// The status for a library result code; `refused` when the register's response was not 0.
int exitStatusOf(int code, bool refused);

}  // namespace korvex3_cli
