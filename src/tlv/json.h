#pragma once
// The JSON value type of the library: objects keep their members in ascending key order.

#include <string>

#include <nlohmann/json.hpp>

using Json = nlohmann::json;

namespace korvex {

// Compact text, UTF-8 as it is; invalid UTF-8 bytes become U+FFFD instead of throwing.
inline std::string compact(const Json& value)
{
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace korvex
