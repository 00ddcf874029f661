#include "commands/mode/command_fremu_reset.h"

#include "commands/request_builder.h"

int CommandFremuReset::prepare() { return korvex::prepareEmpty(*this, 223, "fremu reset begin"); }
