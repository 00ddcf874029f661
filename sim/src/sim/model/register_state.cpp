#include "sim/model/register_state.h"

#include <ctime>

namespace korvex::sim {

std::uint32_t registerTime(const RegisterState& state)
{
    return std::uint32_t(std::int64_t(std::time(nullptr)) + state.clockOffset);
}

}  // namespace korvex::sim
