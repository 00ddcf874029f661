#pragma once
// A result envelope read back: the register's `response` and `extended` codes and the `data`
// part. Malformed text, and text nested deeper than korvex::kMaxInputDepth, throw nlohmann's
// parse_error; a code that is neither a number nor a boolean throws its type_error. Codes
// whose key is absent or null stay 0.

#include "api/export.h"
#include "tlv/json.h"

namespace korvex {

class KORVEX3_EXPORT Response {
public:
    // A null text counts as empty text (and so throws the parse error).
    explicit Response(const char* text);
    virtual ~Response();

    // A copy of the `data` member; null when the text is not an object or has none.
    Json data() const;
    int response() const { return response_; }
    int extended() const { return extended_; }

private:
    int response_ = 0;
    int extended_ = 0;
    Json document;
};

}  // namespace korvex
