#pragma once
// One readable line per request and per reply, for --verbose:
//   request #2 203 open_shift: task_id=1 user_name="Кассир"
//   reply   #2 203 open_shift: response=0 extended=0
// Items go by their names in the device dictionary (tag_N for others); texts are decoded from
// Windows-1251, nested blocks shown in braces, other bytes by their size.

#include <cstdint>
#include <string>

#include "sim/wire/frame_codec.h"

namespace korvex::sim {

std::string describeRequest(int connection, const Request& request);
std::string describeReply(int connection, std::uint16_t cmd, const Reply& reply);

}  // namespace korvex::sim
