// Opening and closing the shift; each writes its report to the fiscal drive.
#include "sim/handlers/common.h"
#include "sim/handlers/handlers.h"
#include "sim/response_codes.h"

namespace korvex::sim::handlers {
namespace {

const FiscalDocument& writeShiftReport(Context& c, std::uint16_t type, const std::string& operatorName)
{
    FiscalDocument report;
    report.type = type;
    report.shift = c.state.shift.number;
    report.operatorName = operatorName;
    return writeDocument(c, std::move(report));
}

}  // namespace

Reply openShift(Context& c, const Request& r)
{
    if (const std::uint16_t refusal = closedShiftWorkRefusal(c.state))
        return Reply::error(refusal);
    const std::string operatorName = operatorOf(r.fields);
    if (operatorName.empty())
        return Reply::error(response::kBadParameter);
    c.state.shift.begin(operatorName);
    writeShiftReport(c, doc_type::kShiftOpening, operatorName);
    return Reply::ok();
}

Reply closeShift(Context& c, const Request& r)
{
    if (!c.state.shift.open)
        return Reply::error(response::kShiftClosed);
    if (c.state.receipt)
        return Reply::error(response::kDocumentOpen);
    const std::string operatorName = operatorOf(r.fields);
    if (operatorName.empty())
        return Reply::error(response::kBadParameter);
    c.state.shift.open = false;
    writeShiftReport(c, doc_type::kShiftClosing, operatorName);
    return Reply::ok();
}

}  // namespace korvex::sim::handlers
