// Registration: 215 opens it, each 216 adds one long attribute, 217 completes it with the short
// ones and writes the registration report. Each step is a task of its own connection, so the
// draft lives in the register, not in the connection.
#include "sim/handlers/common.h"
#include "sim/handlers/fields.h"
#include "sim/handlers/handlers.h"
#include "sim/handlers/tags.h"
#include "sim/response_codes.h"

namespace korvex::sim::handlers {
namespace {

inline constexpr std::uint16_t kLongAttributes[] = {tag::kCompanyName, tag::kSaleAddress, tag::kSaleLocation,
                                                    tag::kOfdName, tag::kFnsSite};

std::uint16_t registrationRefusal(const RegisterState& state)
{
    if (state.fiscal.archiveClosed)
        return response::kArchiveClosed;
    if (state.shift.open)
        return response::kShiftOpen;
    if (state.fiscal.registrationsLeft == 0)
        return response::kNoRegistrationsLeft;
    return response::kOk;
}

std::string* longAttribute(FiscalSetup& fiscal, std::uint16_t tagNumber)
{
    switch (tagNumber) {
    case tag::kCompanyName: return &fiscal.companyName;
    case tag::kSaleAddress: return &fiscal.saleAddress;
    case tag::kSaleLocation: return &fiscal.saleLocation;
    case tag::kOfdName: return &fiscal.ofdName;
    default: return &fiscal.fnsSite;
    }
}

void takeText(const TLVParser& fields, std::uint16_t tagNumber, std::string& target)
{
    if (has(fields, tagNumber))
        target = rawText(fields, tagNumber);
}

void takeNumber(const TLVParser& fields, std::uint16_t tagNumber, std::uint8_t& target)
{
    if (has(fields, tagNumber))
        target = std::uint8_t(numberOr(fields, tagNumber, 0));
}

}  // namespace

Reply beginRegistration(Context& c, const Request&)
{
    if (const std::uint16_t refusal = registrationRefusal(c.state))
        return Reply::error(refusal);
    c.state.registration = RegistrationDraft{};
    return Reply::ok();
}

Reply addRegItem(Context& c, const Request& r)
{
    if (!c.state.registration)
        return Reply::error(response::kNoRegistration);
    for (const std::uint16_t tagNumber : kLongAttributes) {
        if (has(r.fields, tagNumber) && !r.fields.value(tagNumber).isEmpty()) {
            c.state.registration->texts[tagNumber] = text1251(r.fields, tagNumber);
            return Reply::ok();
        }
    }
    return Reply::error(response::kBadParameter);
}

Reply completeRegistration(Context& c, const Request& r)
{
    if (!c.state.registration)
        return Reply::error(response::kNoRegistration);
    if (const std::uint16_t refusal = registrationRefusal(c.state))
        return Reply::error(refusal);
    const TLVParser& f = r.fields;
    FiscalSetup& fiscal = c.state.fiscal;
    if (has(f, tag::kFdSerial) && rawText(f, tag::kFdSerial) != fiscal.fdSerial)
        return Reply::error(response::kFdSerialMismatch);
    const bool first = !fiscal.registered;
    // A first registration names the register, the user and the taxation; a later one its reason.
    if (first ? !has(f, tag::kRegnum) || !has(f, tag::kCompanyInn) || !has(f, tag::kTaxcode) : !has(f, tag::kRegReason))
        return Reply::error(response::kBadParameter);

    takeText(f, tag::kRegnum, fiscal.regnum);
    takeText(f, tag::kCompanyInn, fiscal.companyInn);
    takeText(f, tag::kOfdInn, fiscal.ofdInn);
    takeNumber(f, tag::kTaxcode, fiscal.taxcode);
    takeNumber(f, tag::kFdMode, fiscal.fdMode);
    takeNumber(f, tag::kFdExtMode, fiscal.fdExtMode);
    takeNumber(f, tag::kAgents, fiscal.agents);
    if (has(f, tag::kAutomatNumber))
        fiscal.automatNumber = text1251(f, tag::kAutomatNumber);
    if (has(f, tag::kSenderEmail))
        fiscal.senderEmail = text1251(f, tag::kSenderEmail);
    for (const auto& [tagNumber, text] : c.state.registration->texts)
        *longAttribute(fiscal, tagNumber) = text;
    c.state.registration.reset();

    FiscalDocument report;
    report.type = first ? doc_type::kRegistration : doc_type::kReregistration;
    report.regnum = fiscal.regnum;
    report.taxcode = fiscal.taxcode;
    report.mode = fiscal.fdMode;
    report.reason = std::uint8_t(numberOr(f, tag::kRegReason, 0));
    const FiscalDocument& written = writeDocument(c, std::move(report));
    fiscal.registered = true;
    --fiscal.registrationsLeft;
    ++fiscal.registrations;
    fiscal.registrationDocument = written.number;
    fiscal.registrationDate = written.date;
    return Reply::ok();
}

}  // namespace korvex::sim::handlers
