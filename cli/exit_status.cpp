#include "exit_status.h"

#include "korvex3/result_codes.h"

namespace korvex3_cli {

int exitStatusOf(int code, bool refused)
{
    if (code == korvex3::kOk)
        return refused ? kExitRefused : kExitSuccess;
    if (code < 0 && code >= korvex3::kReplyOverLimit)
        return kExitLibraryBase - code;
    return kExitUnknownCode;
}

}  // namespace korvex3_cli
