#pragma once
// The process-wide table of open connections. Handles start at 1 and are never reused.

#include <memory>

#include "api/connection_info.h"

namespace korvex::connections {

using Record = std::shared_ptr<ConnectionInfo>;

// Stores the record under a new handle and returns the handle.
int add(Record record);
// The record of an open handle, or null.
Record find(int handle);
// Forgets the handle (its texts are freed with the record); false when it was not open.
bool remove(int handle);

}  // namespace korvex::connections
