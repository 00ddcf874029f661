#include "commands/service/command_close_archive.h"

#include "commands/builder_options.h"
#include "commands/operator_request.h"

int CommandCloseArchive::prepare()
{
    return korvex::prepareOperatorRequest(*this, "close archive begin", 219, korvex::parsedInputLogged());
}
