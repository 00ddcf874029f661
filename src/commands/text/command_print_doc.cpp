#include "commands/text/command_print_doc.h"

#include "commands/builder_options.h"

int CommandPrintDoc::prepare()
{
    korvex::RequestBuilder b(*this, "print document begin", korvex::parsedInputLogged());
    if (b.isNull())
        return b.nullResult();

    b.member(59);  // fd_number
    return b.finish(220);
}
