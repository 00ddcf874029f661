#pragma once
// An open connection to the register, as the commands of the tool use it.

#include "report.h"

namespace korvex3_cli {

struct Connection {
    int handle = 0;
    korvex3_u16 timeout = 0;
    Where where;
};

}  // namespace korvex3_cli
