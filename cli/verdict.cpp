#include "verdict.h"

namespace korvex3_cli {

nlohmann::json parsedText(const std::string& text) { return nlohmann::json::parse(text, nullptr, false); }

std::optional<Verdict> verdictOf(const std::optional<std::string>& text)
{
    if (!text)
        return std::nullopt;
    const nlohmann::json envelope = parsedText(*text);
    if (!envelope.is_object())
        return std::nullopt;
    const auto response = envelope.find("response");
    if (response == envelope.end() || !response->is_number_unsigned())
        return std::nullopt;
    Verdict verdict;
    verdict.response = response->get<unsigned long long>();
    const auto extended = envelope.find("extended");
    if (extended != envelope.end() && extended->is_number_unsigned())
        verdict.extended = extended->get<unsigned long long>();
    const auto data = envelope.find("data");
    if (data != envelope.end())
        verdict.data = *data;
    return verdict;
}

std::optional<Verdict> verdictOf(const char* text)
{
    return text ? verdictOf(std::optional<std::string>(text)) : std::nullopt;
}

}  // namespace korvex3_cli
