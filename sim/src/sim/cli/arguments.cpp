#include "sim/cli/arguments.h"

#include <charconv>

#include "sim/faults/fault_text.h"

namespace korvex::sim {

const char* const kUsage =
    "usage: korvex3-sim [--host 127.0.0.1] [--port 8080] [--state FILE] [--verbose]\n"
    "                   [--task-delay MS] [--import-piece BYTES] [--unregistered] [--fault FAULT]...\n"
    "\n"
    "A simulated Korvex register. It listens on the loopback address unless --host names another.\n"
    "  --state FILE        keep the fiscal drive, the shift and the goods in FILE across restarts\n"
    "  --verbose           print one line per request and per reply\n"
    "  --task-delay MS     how long a task reports \"not finished\" (default 20)\n"
    "  --import-piece N    document bytes per import reply (default 256)\n"
    "  --unregistered      start as a register that must be registered first\n"
    "  --fault FAULT        misbehave; FAULT is KIND[:ARG[:ARG]][@COUNT], COUNT a number or *:\n"
    "                      delay:MS  split:PIECES:MS (PIECES 0: byte by byte)  bad-crc  bad-magic\n"
    "                      silent  close  close-mid  overlong  endless-more  endless-status\n";

namespace {

bool numberIn(const std::string& text, long low, long high, long& value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

}  // namespace

std::optional<Arguments> parseArguments(const std::vector<std::string>& words, std::string& error)
{
    Arguments arguments;
    Options& options = arguments.options;
    options.port = 8080;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--help" || word == "-h") {
            arguments.help = true;
            continue;
        }
        if (word == "--verbose") {
            options.verbose = true;
            continue;
        }
        if (word == "--unregistered") {
            options.registered = false;
            continue;
        }
        if (i + 1 >= words.size()) {
            error = "unknown option or missing value: " + word;
            return std::nullopt;
        }
        const std::string& value = words[++i];
        long number = 0;
        if (word == "--host") {
            options.host = value;
        } else if (word == "--state") {
            options.stateFile = value;
        } else if (word == "--port" && numberIn(value, 0, 65535, number)) {
            options.port = std::uint16_t(number);
        } else if (word == "--task-delay" && numberIn(value, 0, 86'400'000, number)) {
            options.settings.taskDelay = std::chrono::milliseconds(number);
        } else if (word == "--import-piece" && numberIn(value, 1, 60000, number)) {
            options.settings.importPieceSize = int(number);
        } else if (word == "--fault") {
            const std::optional<Fault> fault = parseFault(value, error);
            if (!fault)
                return std::nullopt;
            arguments.faults.push_back(*fault);
        } else {
            error = "unknown option or bad value: " + word + " " + value;
            return std::nullopt;
        }
    }
    return arguments;
}

}  // namespace korvex::sim
