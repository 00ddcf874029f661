#include "sim/faults/fault_text.h"

#include <charconv>
#include <vector>

namespace korvex::sim {
namespace {

struct KindName {
    const char* name;
    FaultKind kind;
    std::size_t arguments;
};

const KindName kKinds[] = {
    {"delay", FaultKind::kDelay, 1},         {"split", FaultKind::kSplit, 2},
    {"bad-crc", FaultKind::kBadCrc, 0},      {"bad-magic", FaultKind::kBadMagic, 0},
    {"silent", FaultKind::kSilent, 0},       {"close", FaultKind::kCloseBeforeReply, 0},
    {"close-mid", FaultKind::kCloseMidFrame, 0}, {"overlong", FaultKind::kOverlong, 0},
    {"endless-more", FaultKind::kEndlessMore, 0}, {"endless-status", FaultKind::kEndlessStatus, 0},
};

// A whole non-negative decimal number of at most a day's milliseconds.
std::optional<int> number(const std::string& text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > 86'400'000)
        return std::nullopt;
    return value;
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

std::optional<Fault> parseFault(const std::string& text, std::string& error)
{
    Fault fault;
    std::string option = text;
    if (const std::size_t at = option.rfind('@'); at != std::string::npos) {
        const std::string count = option.substr(at + 1);
        const std::optional<int> n = count == "*" ? std::optional<int>(Fault::kAlways) : number(count);
        if (!n || *n == 0) {
            error = "the count after @ must be a positive number or *: " + text;
            return std::nullopt;
        }
        fault.count = *n;
        option.resize(at);
    }
    const std::vector<std::string> parts = split(option, ':');
    for (const KindName& kind : kKinds) {
        if (parts[0] != kind.name)
            continue;
        if (parts.size() - 1 != kind.arguments) {
            error = "fault " + parts[0] + " takes " + std::to_string(kind.arguments) + " argument(s): " + text;
            return std::nullopt;
        }
        std::vector<int> values;
        for (std::size_t i = 1; i < parts.size(); ++i) {
            const std::optional<int> value = number(parts[i]);
            if (!value) {
                error = "not a number of milliseconds or pieces: " + parts[i];
                return std::nullopt;
            }
            values.push_back(*value);
        }
        fault.kind = kind.kind;
        if (kind.kind == FaultKind::kDelay)
            fault.pause = std::chrono::milliseconds(values[0]);
        if (kind.kind == FaultKind::kSplit) {
            fault.pieces = values[0];
            fault.pause = std::chrono::milliseconds(values[1]);
        }
        return fault;
    }
    error = "unknown fault: " + parts[0];
    return std::nullopt;
}

}  // namespace korvex::sim
