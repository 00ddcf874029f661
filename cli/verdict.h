#pragma once
// Reading a result envelope {"data":…,"extended":n,"response":n} handed out by the library.

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace korvex3_cli {

struct Verdict {
    unsigned long long response = 0;
    unsigned long long extended = 0;
    nlohmann::json data;  // null when the envelope has none

    bool accepted() const { return response == 0 && extended == 0; }
    // The register's answer about a task it is still working on.
    bool running() const { return response == 3 && extended == 103; }
};

// The envelope's members, or nullopt for a text that is not an envelope (an error list, say).
std::optional<Verdict> verdictOf(const std::optional<std::string>& text);
std::optional<Verdict> verdictOf(const char* text);

// The text parsed as JSON, or a discarded value when it is not JSON.
nlohmann::json parsedText(const std::string& text);

}  // namespace korvex3_cli
