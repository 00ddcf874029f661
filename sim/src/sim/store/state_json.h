#pragma once
// The part of the register that outlives a restart (fiscal setup and drive, shift, goods,
// clock) as a JSON document, and back.

#include <string>

#include "sim/model/register_state.h"
#include "tlv/json.h"

namespace korvex::sim {

Json keptState(const RegisterState& state);
// Replaces the kept parts of `state`; false with `error` set when the document does not
// describe a register (then `state` is unchanged).
bool restoreKeptState(const Json& document, RegisterState& state, std::string& error);

}  // namespace korvex::sim
