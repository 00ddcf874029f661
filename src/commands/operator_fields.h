#pragma once
// The operator who performs an operation: user_id (13, when not 0), user_name (50, cp1251,
// when not empty), user_inn (52, UTF-8, when not empty). Shifts, documents, the X-report and
// the archive closing send this block; they differ only in what counts as an operator and in
// the order in which the missing keys are reported.
//
//   writeOperator(b, {kTagUserId, kTagUserName}, InnAlone::DoesNotIdentify);

#include <initializer_list>

#include "commands/request_builder.h"

namespace korvex {

inline constexpr quint16 kTagUserId = 13;
inline constexpr quint16 kTagUserName = 50;
inline constexpr quint16 kTagUserInn = 52;

// Whether a user_inn given on its own names the operator.
enum class InnAlone { Identifies, DoesNotIdentify };

// Reads the three fields, checks user_inn as a taxpayer number, appends `keysWhenMissing` in
// their order when no operator is given, then writes the given fields (id, name, inn).
void writeOperator(RequestBuilder& b, std::initializer_list<quint16> keysWhenMissing, InnAlone inn);

}  // namespace korvex
