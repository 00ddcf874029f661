#pragma once
// Check digits of taxpayer numbers. `inn` is a NUL-terminated text; an empty one is acceptable
// exactly when allowEmpty is true. Every character must be a decimal digit.

#include "api/export.h"

// Russian: 10 digits (organisation) or 12 digits (person).
KORVEX3_EXPORT bool validateRuInn(const char* inn, bool allowEmpty);
// Kazakh identification number: 12 digits.
KORVEX3_EXPORT bool validateKzInn(const char* inn, bool allowEmpty);
