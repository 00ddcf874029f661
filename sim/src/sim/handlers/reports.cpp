// Reports, the cash total and the closing of the fiscal archive.
#include "sim/handlers/common.h"
#include "sim/handlers/handlers.h"
#include "sim/handlers/tags.h"
#include "sim/response_codes.h"
#include "sim/wire/item_writer.h"

namespace korvex::sim::handlers {

Reply reportX(Context& c, const Request&)
{
    if (c.state.receipt)
        return Reply::error(response::kDocumentOpen);
    return Reply::ok();
}

Reply getMoney(Context& c, const Request&)
{
    return Reply::ok(ItemWriter().u64(tag::kShiftCash, c.state.shift.cash).data());
}

Reply reportState(Context& c, const Request&)
{
    if (const std::uint16_t refusal = fiscalWorkRefusal(c.state))
        return Reply::error(refusal);
    if (c.state.receipt)
        return Reply::error(response::kDocumentOpen);
    const Waiting waiting = c.state.drive.waiting();
    FiscalDocument report;
    report.type = doc_type::kSettlementState;
    report.waitCount = waiting.count;
    report.firstWaitingDate = waiting.firstDate;
    writeDocument(c, std::move(report));
    return Reply::ok();
}

Reply closeArchive(Context& c, const Request& r)
{
    if (const std::uint16_t refusal = closedShiftWorkRefusal(c.state))
        return Reply::error(refusal);
    const std::string operatorName = operatorOf(r.fields);
    if (operatorName.empty())
        return Reply::error(response::kBadParameter);
    FiscalDocument report;
    report.type = doc_type::kArchiveClosing;
    report.operatorName = operatorName;
    report.regnum = c.state.fiscal.regnum;
    writeDocument(c, std::move(report));
    c.state.fiscal.archiveClosed = true;
    return Reply::ok();
}

}  // namespace korvex::sim::handlers
