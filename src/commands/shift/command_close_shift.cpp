#include "commands/shift/command_close_shift.h"

#include "commands/operator_fields.h"
#include "commands/shift/shift_request.h"

int CommandCloseShift::prepare()
{
    return korvex::prepareShiftRequest(*this, "close shift begin", 204,
                                       {korvex::kTagUserName, korvex::kTagUserId});
}
