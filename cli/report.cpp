#include "report.h"

#include "exit_status.h"
#include "korvex3/result_codes.h"
#include "verdict.h"

namespace korvex3_cli {

namespace {

// "a, b" for the error list ["a","b"]; empty when the text is not one.
std::string refusedKeys(const std::optional<std::string>& text)
{
    if (!text)
        return {};
    const nlohmann::json list = parsedText(*text);
    if (!list.is_array())
        return {};
    std::string keys;
    for (const auto& key : list) {
        if (!keys.empty())
            keys += ", ";
        keys += key.is_string() ? key.get<std::string>() : key.dump();
    }
    return keys;
}

std::string wordsFor(int code, const Where& where, const std::optional<std::string>& text)
{
    switch (code) {
    case korvex3::kNoConnection:
        return "no TCP connection to " + where.address + " within 30000 ms";
    case korvex3::kNotSent:
        return "the request to " + where.address + " was not written in full";
    case korvex3::kNoReply:
        return "no reply from " + where.address + " within " + std::to_string(where.timeout) + " ms";
    case korvex3::kBadCrc:
    case korvex3::kBadMagic:
        return std::string(korvex3::describe(code)) + " (reply from " + where.address + ")";
    case korvex3::kInvalidFields: {
        const std::string keys = refusedKeys(text);
        return keys.empty() ? "input fields refused (this command does not name them; see its --help)"
                            : "input fields refused: " + keys;
    }
    case korvex3::kInvalidAddress:
        return "invalid address " + where.address;
    default:
        return korvex3::describe(code);
    }
}

}  // namespace

std::string resultLine(int code, const Where& where, const std::optional<std::string>& text)
{
    return std::to_string(code) + ": " + wordsFor(code, where, text);
}

void printText(std::ostream& out, const std::string& text, bool compact)
{
    const nlohmann::json parsed = compact ? nlohmann::json() : parsedText(text);
    if (compact || parsed.is_discarded())
        out << text << '\n';
    else
        out << parsed.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void printRefusal(Console& console, const Verdict& verdict)
{
    const char* on = console.highlight ? "\033[1;31m" : "";
    const char* off = console.highlight ? "\033[0m" : "";
    const char* words = verdict.running() ? "register: the task is still running" : "register refused";
    console.err << on << words << ": response " << verdict.response << ", extended " << verdict.extended << off
                << '\n';
}

int report(Console& console, const Outcome& outcome, const Where& where, bool compact)
{
    if (outcome.text)
        printText(console.out, *outcome.text, compact);
    const auto verdict = outcome.code == korvex3::kOk ? verdictOf(outcome.text) : std::nullopt;
    const bool refused = verdict && verdict->response != 0;
    // Result 0 says only that the exchange worked; the register's own answer follows.
    console.err << (refused ? "0: exchange succeeded" : resultLine(outcome.code, where, outcome.text)) << '\n';
    if (outcome.taskId) {
        console.err << "task id: " << *outcome.taskId;
        if (*outcome.taskId == 0)
            console.err << " (no whole request went out)";
        console.err << '\n';
    }
    if (refused)
        printRefusal(console, *verdict);
    return exitStatusOf(outcome.code, refused);
}

}  // namespace korvex3_cli
