#include "commands/text/command_add_footer.h"

#include "commands/text/text_line_request.h"

int CommandAddFooter::prepare() { return korvex::prepareTextLineRequest(*this, "add footer begin", 225); }
