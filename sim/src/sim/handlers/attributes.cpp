// Attributes of the open document and the marking code check.
#include "sim/handlers/fields.h"
#include "sim/handlers/handlers.h"
#include "sim/handlers/tags.h"
#include "sim/response_codes.h"

namespace korvex::sim::handlers {
namespace {

inline constexpr std::uint64_t kMaxAgent = 7;
inline constexpr std::uint64_t kMaxFoiv = 72;

// The code's structure as the register can judge it offline: GS1 codes start with the
// application identifier 01 and a 14-digit GTIN.
MarkingResult checkMarking(const std::string& stamp, std::uint8_t plannedStatus)
{
    MarkingResult result;
    result.status = plannedStatus;
    const bool wellFormed = stamp.size() >= 16 && stamp.compare(0, 2, "01") == 0;
    result.validation = wellFormed ? 15 : 0;  // all four checks passed, or none
    result.resultCode = wellFormed ? 1 : 0;
    result.onlineType = 1;
    return result;
}

}  // namespace

Reply setAgent(Context& c, const Request& r)
{
    if (!c.state.receipt)
        return Reply::error(response::kNoDocument);
    if (numberOr(r.fields, tag::kAgent, 0) > kMaxAgent)
        return Reply::error(response::kBadParameter);
    return Reply::ok();
}

Reply setClientInfo(Context& c, const Request& r)
{
    if (!c.state.receipt)
        return Reply::error(response::kNoDocument);
    if (has(r.fields, tag::kClientInn))
        c.state.receipt->clientInn = rawText(r.fields, tag::kClientInn);
    if (has(r.fields, tag::kClientName))
        c.state.receipt->clientName = text1251(r.fields, tag::kClientName);
    return Reply::ok();
}

Reply setIndustryProps(Context& c, const Request& r)
{
    if (!c.state.receipt)
        return Reply::error(response::kNoDocument);
    const std::uint64_t foiv = numberOr(r.fields, tag::kFoivIdent, 0);
    if (foiv == 0 || foiv > kMaxFoiv)
        return Reply::error(response::kBadParameter);
    return Reply::ok();
}

Reply queryMarking(Context& c, const Request& r)
{
    const std::string stamp = rawText(r.fields, tag::kMarkStamp);
    const std::optional<std::uint64_t> status = numberField(r.fields, tag::kMarkStatus);
    if (stamp.empty() || !status || !has(r.fields, tag::kQuant))
        return Reply::error(response::kBadParameter);
    c.marking = checkMarking(stamp, std::uint8_t(*status));
    return Reply::ok();
}

}  // namespace korvex::sim::handlers
