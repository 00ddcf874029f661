#pragma once
// The request of the shift opening and closing: one field list, two codes, and the order in
// which each reports a missing operator.

#include <initializer_list>

#include "link/command.h"

namespace korvex {

int prepareShiftRequest(Command& command, const char* beginText, quint16 code,
                        std::initializer_list<quint16> keysWhenNoOperator);

}  // namespace korvex
