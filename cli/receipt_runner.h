#pragma once
// `receipt FILE`: the document opening, the items, the texts and the closing, then the closing
// task followed until the register has fiscalised the receipt. A refusal cancels the document.
// A closing whose request went out is never sent again: when its reply is lost, the register
// is asked about its task, so that a lost reply can never print a receipt twice.

#include <nlohmann/json.hpp>

#include "connection.h"
#include "receipt_plan.h"
#include "task_follow.h"

namespace korvex3_cli {

struct ReceiptOutcome {
    int exitStatus = 0;
    // "fiscalised" true with fd_number, fd_date, fd_sign and task_id; false with the failed
    // step and whether the document was cancelled; null when the register could not tell.
    nlohmann::json summary;
};

ReceiptOutcome runReceipt(Console& console, const Connection& connection, const ReceiptPlan& plan,
                          const FollowLimits& limits = {});

// `receipt FILE` once the file is planned: runs it, prints the summary, returns the exit status.
int receiptCommand(Console& console, const Connection& connection, const ReceiptPlan& plan, bool compact);

}  // namespace korvex3_cli
