// The composition of an imported fiscal document from any document bytes, in both text
// forms (first byte odd: texts as \uXXXX escapes): the result is always JSON text.
#include <cstdlib>

#include "fuzz_input.h"
#include "import/command_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    CommandImport command("127.0.0.1", 1, "0123456789", data[0] & 1);
    command.documentBuffer = fuzz::bytes(data + 1, size - 1);
    command.composeDocument();
    if (!Json::accept(command.output.toStdString()))
        std::abort();
    return 0;
}
