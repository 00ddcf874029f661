#include "commands/report/command_get_money.h"

#include "commands/request_builder.h"
#include "tlv/reply_fields.h"

int CommandGetMoney::prepare()
{
    return korvex::prepareEmpty(*this, 210, "get money begin");
}

Json CommandGetMoney::parse(const QByteArray& body)
{
    return korvex::convertPayload(body, {{15}});  // shift_cash
}
