#include "commands/mode/command_exit.h"

#include "commands/request_builder.h"

int CommandExit::prepare() { return korvex::prepareEmpty(*this, 202); }
