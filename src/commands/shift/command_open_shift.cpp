#include "commands/shift/command_open_shift.h"

#include "commands/operator_fields.h"
#include "commands/shift/shift_request.h"

int CommandOpenShift::prepare()
{
    return korvex::prepareShiftRequest(*this, "open shift begin", 203,
                                       {korvex::kTagUserId, korvex::kTagUserName});
}
