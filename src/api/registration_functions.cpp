// Exported function of the registration sequence.
#include "api/connections.h"
#include "korvex3/korvex3.h"
#include "registration/registration.h"

KORVEX3_API int korvex3_fremu_registration(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char* json,
                                           const char*& out)
{
    const korvex::connections::Record record = korvex::connections::find(handle);
    if (!record)
        return korvex3::kNoHandle;
    return registration(record.get(), record->port, timeout, taskId, json, out);
}
