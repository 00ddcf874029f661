// The status query: how a task stands, with its fiscal document and the shift's counters.
#include <algorithm>

#include "sim/handlers/fields.h"
#include "sim/handlers/handlers.h"
#include "sim/handlers/tags.h"
#include "sim/model/document_layouts.h"
#include "sim/response_codes.h"
#include "sim/wire/item_writer.h"

namespace korvex::sim::handlers {
namespace {

void addDocument(ItemWriter& items, const FiscalDocument& document)
{
    items.u32(tag::kFdDate, document.date)
        .u32(tag::kFdNumber, document.number)
        .u32(tag::kFdSign, document.sign)
        .bytes(tag::kFdDocData, documentRecord(document));
}

void addShift(ItemWriter& items, const RegisterState& state)
{
    const Waiting waiting = state.drive.waiting();
    items.u16(tag::kShiftId, state.shift.number)
        .u8(tag::kFdShiftState, state.shift.open ? 1 : 0)
        .u8(tag::kFdFail, 0)
        .u8(tag::kFdError, 0)
        .u8(tag::kFdOverflow, 0)
        .u64(tag::kShiftCash, state.shift.cash)
        .u16(tag::kFdWaiting, std::min<std::uint32_t>(waiting.count, 0xFFFF))
        .u32(tag::kFdWaitingDocument, waiting.firstNumber)
        .u32(tag::kFdWaitingDate, waiting.firstDate);
    for (int slot = 0; slot < kCounterSlots; ++slot) {
        const Counter& counter = state.shift.counters[std::size_t(slot)];
        ItemWriter block;
        block.u16(tag::kCheckCount, counter.count).u64(tag::kCheckTotal, counter.total);
        items.block(std::uint16_t(tag::kSales + slot), block);
    }
}

void addMarking(ItemWriter& items, const MarkingResult& marking)
{
    items.u8(tag::kMarkValidationStatus, marking.validation)
        .u8(tag::kMarkResultCode, marking.resultCode)
        .u8(tag::kMarkStatus, marking.status)
        .u8(tag::kMarkOnlineType, marking.onlineType)
        .u8(tag::kMarkHandleCode, marking.handleCode);
}

}  // namespace

Reply query(Context& c, const Request& r)
{
    if (!r.taskId)
        return Reply::error(response::kBadParameter);
    const Task* task = c.state.tasks.find(*r.taskId);
    if (!task)
        return Reply::error(response::kUnknownTask);
    if (!task->finished(std::chrono::steady_clock::now()))
        return Reply::error(response::kTaskRunning, response::kTaskRunningExtended);
    if (task->response != response::kOk)
        return Reply::error(task->response);

    ItemWriter items;
    if (task->fdNumber)
        if (const FiscalDocument* document = c.state.drive.find(*task->fdNumber))
            addDocument(items, *document);
    addShift(items, c.state);
    if (task->marking)
        addMarking(items, *task->marking);
    return Reply::ok(items.data());
}

}  // namespace korvex::sim::handlers
