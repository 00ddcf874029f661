#pragma once
// Faults written as text, for the command line: KIND[:ARG[:ARG]][@COUNT]
//
//   delay:MS            every reply MS milliseconds late
//   split:PIECES:MS     replies in PIECES pieces (0: byte by byte), MS apart
//   bad-crc  bad-magic  silent  close  close-mid  overlong
//   endless-more        imports and configuration reads never end
//   endless-status      registration tasks never finish
//   @COUNT              for the next COUNT occasions (default 1), @* for ever

#include <optional>
#include <string>

#include "sim/faults/fault.h"

namespace korvex::sim {

// The fault, or nothing with `error` saying what is wrong with the text.
std::optional<Fault> parseFault(const std::string& text, std::string& error);

}  // namespace korvex::sim
