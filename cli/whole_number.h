#pragma once
// A whole decimal number that fills the text and fits its type, as options and arguments take it.

#include <charconv>
#include <optional>
#include <string>

namespace korvex3_cli {

template <typename T>
std::optional<T> wholeNumber(const std::string& text)
{
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

}  // namespace korvex3_cli
