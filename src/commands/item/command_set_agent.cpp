#include "commands/item/command_set_agent.h"

#include "commands/builder_options.h"
#include "commands/member_fields.h"

using korvex::Encoding;

namespace {
constexpr quint16 kCode = 213;
constexpr quint16 kAgent = 66, kTransferOpInn = 70, kProviderInn = 75;
constexpr int kMaxAgent = 7;
}  // namespace

int CommandSetAgent::prepare()
{
    korvex::RequestBuilder b(*this, "set agent begin", korvex::parsedInputLogged());
    if (b.isNull())
        return b.nullResult();

    const int agent = b.number(kAgent);
    if (agent > kMaxAgent)
        b.reject(kAgent);
    b.writeNumber(kAgent, agent);

    b.member(68, Encoding::Cp1251);  // transfer_op_addr
    b.checkInn(kTransferOpInn);
    b.member(kTransferOpInn);
    korvex::writeMembers(b, {{69, Encoding::Cp1251},    // transfer_op_name
                             {67},                      // transfer_op_phone
                             {71},                      // payment_op_phone
                             {72, Encoding::Cp1251},    // payment_op_action
                             {73},                      // payment_reception_op_phone
                             {76, Encoding::Cp1251},    // provider_name
                             {74}});                    // provider_phone
    b.checkInn(kProviderInn);
    b.member(kProviderInn);
    return b.finish(kCode);
}
