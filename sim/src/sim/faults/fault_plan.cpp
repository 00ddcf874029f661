#include "sim/faults/fault_plan.h"

namespace korvex::sim {

std::deque<Fault>& FaultPlan::laneOf(FaultKind kind)
{
    switch (kind) {
    case FaultKind::kEndlessMore:
        return transfers_;
    case FaultKind::kEndlessStatus:
        return statuses_;
    default:
        return replies_;
    }
}

void FaultPlan::add(const Fault& fault)
{
    if (fault.count == 0)
        return;
    std::lock_guard<std::mutex> guard(lock_);
    laneOf(fault.kind).push_back(fault);
}

void FaultPlan::clear()
{
    std::lock_guard<std::mutex> guard(lock_);
    replies_.clear();
    transfers_.clear();
    statuses_.clear();
}

std::optional<Fault> FaultPlan::take(std::deque<Fault>& lane)
{
    std::lock_guard<std::mutex> guard(lock_);
    if (lane.empty())
        return std::nullopt;
    const Fault fault = lane.front();
    if (fault.count != Fault::kAlways && --lane.front().count <= 0)
        lane.pop_front();
    return fault;
}

std::optional<Fault> FaultPlan::takeReplyFault() { return take(replies_); }
bool FaultPlan::takeEndlessMore() { return take(transfers_).has_value(); }
bool FaultPlan::takeEndlessStatus() { return take(statuses_).has_value(); }

}  // namespace korvex::sim
