#pragma once
// The faults waiting to happen, shared by every connection of a simulator. Faults of one
// lane take effect in the order they were added.

#include <deque>
#include <mutex>
#include <optional>

#include "sim/faults/fault.h"

namespace korvex::sim {

class FaultPlan {
public:
    void add(const Fault& fault);
    void clear();

    // Each call uses up one occasion of the first fault of its lane.
    std::optional<Fault> takeReplyFault();
    bool takeEndlessMore();
    bool takeEndlessStatus();

private:
    std::optional<Fault> take(std::deque<Fault>& lane);
    std::deque<Fault>& laneOf(FaultKind kind);

    std::mutex lock_;
    std::deque<Fault> replies_;
    std::deque<Fault> transfers_;
    std::deque<Fault> statuses_;
};

}  // namespace korvex::sim
