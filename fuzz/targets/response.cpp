// A result envelope read back from any text: the parse and type errors it documents are the
// only exceptions; anything else ends the fuzzer as a crash.
#include <string>

#include "registration/response.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);  // ends in a zero byte
    try {
        const korvex::Response response(text.c_str());
        response.data().dump(-1, ' ', false, Json::error_handler_t::replace);
    } catch (const Json::parse_error&) {
    } catch (const Json::type_error&) {
    }
    return 0;
}
