#include "sim/model/shift.h"

namespace korvex::sim {

void Shift::begin(const std::string& name)
{
    ++number;
    open = true;
    receipts = 0;
    cash = 0;
    counters = {};
    operatorName = name;
}

}  // namespace korvex::sim
