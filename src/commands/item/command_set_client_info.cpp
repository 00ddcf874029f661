#include "commands/item/command_set_client_info.h"

#include "commands/builder_options.h"
#include "commands/member_fields.h"

using korvex::Encoding;

int CommandSetClientInfo::prepare()
{
    korvex::RequestBuilder b(*this, "set client info begin", korvex::parsedInputLogged());
    if (b.isNull())
        return b.nullResult();

    korvex::writeMembers(b, {{158},                     // birth_date
                             {159},                     // citizenship
                             {160},                     // client_ident_type
                             {161, Encoding::Cp1251},   // client_ident_data
                             {162, Encoding::Cp1251},   // client_address
                             {63},                      // client_inn
                             {64, Encoding::Cp1251}});  // client_name
    return b.finish(227);
}
