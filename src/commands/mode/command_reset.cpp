#include "commands/mode/command_reset.h"

#include "commands/request_builder.h"

int CommandReset::prepare() { return korvex::prepareEmpty(*this, 15); }
