#pragma once
// Checks and steps that several command handlers share.

#include <cstdint>
#include <string>

#include "sim/handlers/context.h"
#include "tlv/tlv_parser.h"

namespace korvex::sim {

// kNotRegistered or kArchiveClosed when the fiscal drive takes no fiscal documents; else kOk.
std::uint16_t fiscalWorkRefusal(const RegisterState& state);
// As fiscalWorkRefusal, and kShiftOpen while a shift is open.
std::uint16_t closedShiftWorkRefusal(const RegisterState& state);

// The operator named by user_name (Windows-1251), else by user_id; empty when neither is given.
std::string operatorOf(const TLVParser& fields);

// Writes `document` to the fiscal drive under the register's organisation and clock, and
// notes its number for the task of the request.
const FiscalDocument& writeDocument(Context& context, FiscalDocument document);

}  // namespace korvex::sim
