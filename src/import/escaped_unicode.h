#pragma once
// The escaped text form of imported documents: every UTF-16 code unit as \uXXXX (lower-case
// hexadecimal), ASCII included, so the text survives hosts that only handle plain ASCII.

#include <string>

#include <QString>

#include "api/export.h"

KORVEX3_EXPORT std::string EscapedUnicodeString(const QString& text);
