#include "arguments.h"

#include "whole_number.h"

namespace korvex3_cli {

namespace {

// "--name value" or "--name=value"; advances `i` past what it used.
std::optional<std::string> valueOf(const std::vector<std::string>& arguments, std::size_t& i,
                                   const std::string& name)
{
    const std::string& word = arguments[i];
    if (word.size() > name.size() && word.compare(0, name.size() + 1, name + "=") == 0)
        return word.substr(name.size() + 1);
    if (word == name && i + 1 < arguments.size())
        return arguments[++i];
    return std::nullopt;
}

bool startsWith(const std::string& word, const std::string& prefix)
{
    return word.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

// Options may come before or after the command: no JSON text, file or task starts with "--".
Parsed parseArguments(const std::vector<std::string>& arguments)
{
    Options options;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!startsWith(word, "--") && word != "-h") {
            words.push_back(word);
        } else if (word == "--compact") {
            options.compact = true;
        } else if (word == "--log") {
            options.log = true;
        } else if (word == "--sim") {
            options.sim = true;
        } else if (word == "--help" || word == "-h") {
            options.help = true;
        } else if (startsWith(word, "--address")) {
            const auto value = valueOf(arguments, i, "--address");
            if (!value || value->empty())
                return {std::nullopt, "--address needs HOST[:PORT]"};
            options.address = *value;
            options.addressGiven = true;
        } else if (startsWith(word, "--timeout")) {
            const auto value = valueOf(arguments, i, "--timeout");
            const auto ms = value ? wholeNumber<korvex3_u16>(*value) : std::nullopt;
            if (!ms)
                return {std::nullopt, "--timeout needs a number of milliseconds from 0 to 65535"};
            options.timeout = *ms;
        } else {
            return {std::nullopt, "unknown option " + word};
        }
    }
    if (options.sim && options.addressGiven)
        return {std::nullopt, "--sim and --address exclude each other"};
    if (!words.empty()) {
        options.command = words.front();
        options.rest.assign(words.begin() + 1, words.end());
    }
    return {options, {}};
}

}  // namespace korvex3_cli
