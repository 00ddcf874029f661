#include "registration/command_registration.h"

#include "commands/member_fields.h"

namespace {
constexpr quint16 kCode = 217;
constexpr quint16 kTagCompanyInn = 92, kTagOfdInn = 96;
}  // namespace

int CommandRegistration::prepare()
{
    using korvex::Encoding;
    korvex::RequestBuilder builder(*this, "complete registration begin");
    if (builder.isNull())
        return builder.nullResult();
    // regnum, fd_serial; each taxpayer number is checked right before it is written.
    korvex::writeMembers(builder, {{28}, {24}});
    builder.checkInn(kTagCompanyInn);
    // company_inn, taxcode, fd_mode, fd_ext_mode, agents, automat_number
    korvex::writeMembers(builder, {{kTagCompanyInn}, {27}, {26}, {49}, {25}, {99, Encoding::Cp1251}});
    builder.checkInn(kTagOfdInn);
    // ofd_inn, sender_email, reg_reason, reg_reason_ext
    korvex::writeMembers(builder, {{kTagOfdInn}, {98, Encoding::Cp1251}, {116}, {167}});
    return builder.finish(kCode);
}
