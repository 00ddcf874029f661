#include "sim/handlers/common.h"

#include "sim/handlers/fields.h"
#include "sim/handlers/tags.h"
#include "sim/response_codes.h"

namespace korvex::sim {

std::uint16_t fiscalWorkRefusal(const RegisterState& state)
{
    if (state.fiscal.archiveClosed)
        return response::kArchiveClosed;
    if (!state.fiscal.registered)
        return response::kNotRegistered;
    return response::kOk;
}

std::uint16_t closedShiftWorkRefusal(const RegisterState& state)
{
    if (const std::uint16_t refusal = fiscalWorkRefusal(state))
        return refusal;
    return state.shift.open ? response::kShiftOpen : response::kOk;
}

std::string operatorOf(const TLVParser& fields)
{
    const std::string name = text1251(fields, tag::kUserName);
    if (!name.empty())
        return name;
    const std::uint64_t id = numberOr(fields, tag::kUserId, 0);
    return id == 0 ? std::string() : "Кассир " + std::to_string(id);
}

const FiscalDocument& writeDocument(Context& context, FiscalDocument document)
{
    RegisterState& state = context.state;
    document.companyName = state.fiscal.companyName;
    document.companyInn = state.fiscal.companyInn;
    const FiscalDocument& written = state.drive.write(std::move(document), registerTime(state), state.fiscal.fdSerial);
    context.fdNumber = written.number;
    return written;
}

}  // namespace korvex::sim
