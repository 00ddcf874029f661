// Exported functions of the document import: the same command, two text forms.
#include "api/device_call.h"
#include "import/command_import.h"
#include "korvex3/korvex3.h"

using korvex::api::Out;
using korvex::api::plain;

KORVEX3_API int korvex3_import_doc(int handle, korvex3_u16 timeout, const char* json, const char*& out)
{
    return plain<CommandImport>(handle, timeout, json, out, Out::S, false);
}

KORVEX3_API int korvex3_import_doc2(int handle, korvex3_u16 timeout, const char* json, const char*& out)
{
    return plain<CommandImport>(handle, timeout, json, out, Out::S, true);
}
