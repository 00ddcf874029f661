#include "commands/mode/command_enter.h"

#include "commands/request_builder.h"

int CommandEnter::prepare() { return korvex::prepareEmpty(*this, 201); }
