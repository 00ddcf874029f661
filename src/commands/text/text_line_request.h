#pragma once
// The request of a text line in the open document and of a footer text: the same fields
// (text_type, then the text), two codes.

#include "link/command.h"

namespace korvex {

int prepareTextLineRequest(Command& command, const char* beginText, quint16 code);

}  // namespace korvex
