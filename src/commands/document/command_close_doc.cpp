#include "commands/document/command_close_doc.h"

#include "commands/builder_options.h"
#include "commands/member_fields.h"

int CommandCloseDoc::prepare()
{
    korvex::RequestBuilder b(*this, "close document begin", korvex::parsedInputLogged());
    if (b.isNull())
        return b.nullResult();

    korvex::writeMembers(b, {{31},     // cash
                             {32},     // credit
                             {33},     // postpay
                             {34},     // prepay
                             {35},     // otherpay
                             {140}});  // forbid_print
    return b.finish(209);
}
