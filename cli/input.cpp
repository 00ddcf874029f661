#include "input.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include <nlohmann/json.hpp>

namespace korvex3_cli {

std::optional<std::string> readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad())
        return std::nullopt;
    return text.str();
}

std::string jsonError(const std::string& text)
{
    try {
        const nlohmann::json parsed = nlohmann::json::parse(text);
        return {};
    } catch (const nlohmann::json::exception& e) {
        return e.what();
    }
}

Input readJsonArgument(const std::string& argument, std::istream& stdinStream)
{
    std::string text;
    std::string source = "the argument";
    if (argument == "-") {
        text.assign(std::istreambuf_iterator<char>(stdinStream), std::istreambuf_iterator<char>());
        source = "standard input";
    } else if (!argument.empty() && argument[0] == '@') {
        const std::string path = argument.substr(1);
        auto content = readFile(path);
        if (!content)
            return {std::nullopt, "cannot read " + path};
        text = std::move(*content);
        source = path;
    } else {
        text = argument;
    }
    const std::string error = jsonError(text);
    if (!error.empty())
        return {std::nullopt, "bad JSON input in " + source + ": " + error};
    return {text, {}};
}

}  // namespace korvex3_cli
