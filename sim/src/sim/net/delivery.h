#pragma once
// Writes a reply frame to the connection, as the fault (if any) says it should arrive.

#include <optional>

#include <QByteArray>

#include "sim/faults/fault.h"
#include "sim/net/link.h"

namespace korvex::sim {

// False when the connection is to be (or has been) closed.
bool deliver(Link& link, const QByteArray& frame, const std::optional<Fault>& fault);

}  // namespace korvex::sim
