#include "commands/service/command_set_date_time.h"

#include "commands/builder_options.h"

int CommandSetDateTime::prepare()
{
    korvex::RequestBuilder b(*this, "set date/time begin", korvex::withoutTaskItem(korvex::parsedInputLogged()));
    if (b.isNull())
        return b.nullResult();
    b.member(139);  // date_time
    return b.finish(18);
}
