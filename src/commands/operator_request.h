#pragma once
// The request of a command whose only input is the operator who asks for it (the X-report
// with input, the fiscal archive closing): the task item, then user_id / user_name / user_inn.
// Without an operator the keys user_name, user_id are refused, after user_inn when that is
// not a valid taxpayer number.

#include "commands/request_builder.h"

namespace korvex {

int prepareOperatorRequest(Command& command, const char* beginText, quint16 code,
                           RequestBuilder::Options options);

}  // namespace korvex
