#include "commands/text/command_add_text.h"

#include "commands/text/text_line_request.h"

int CommandAddText::prepare() { return korvex::prepareTextLineRequest(*this, "add text begin", 218); }
