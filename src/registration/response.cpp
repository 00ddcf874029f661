#include "registration/response.h"

#include <limits>

#include "api/log.h"
#include "commands/request_builder.h"

namespace korvex {

namespace {

// Numbers and booleans as int; floats are clamped so that no value leads to an undefined cast.
void readCode(const Json& document, const char* key, int& code)
{
    const auto it = document.find(key);  // finds nothing on a non-object
    if (it == document.end() || it->is_null())
        return;
    if (it->is_number_float()) {
        const double value = it->get<double>();
        constexpr int lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
        code = value <= lowest ? lowest : value >= highest ? highest : int(value);
        return;
    }
    code = it->get<int>();
}

// Deeper values parse, but copying or printing them later would overflow the stack.
bool refuseDeepNesting(int depth, Json::parse_event_t event, Json&)
{
    if (depth >= kMaxInputDepth &&
        (event == Json::parse_event_t::object_start || event == Json::parse_event_t::array_start))
        throw Json::parse_error::create(101, 0, "JSON nested too deeply", nullptr);
    return true;
}

}  // namespace

Response::Response(const char* text)
{
    KORVEX_LOG("response ctor");
    try {
        document = Json::parse(text ? text : "", refuseDeepNesting);
    } catch (const Json::out_of_range& error) {
        // A number too large for any C++ type ("1e400") is malformed text to our callers.
        throw Json::parse_error::create(101, 0, error.what(), nullptr);
    }
    readCode(document, "response", response_);
    readCode(document, "extended", extended_);
}

Response::~Response() = default;

Json Response::data() const
{
    const auto it = document.find("data");
    return it == document.end() ? Json() : *it;
}

}  // namespace korvex
