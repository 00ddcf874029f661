#pragma once
// Requests that carried a task id, as the status query reports them. The id is the caller's:
// a later request with the same id replaces the earlier task.

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>

namespace korvex::sim {

struct MarkingResult {
    std::uint8_t status = 0;            // the planned status given with the request
    std::uint8_t validation = 0;
    std::uint8_t resultCode = 0;
    std::uint8_t handleCode = 0;
    std::uint8_t onlineType = 0;
};

struct Task {
    std::uint32_t id = 0;
    std::uint16_t cmd = 0;
    std::chrono::steady_clock::time_point readyAt;
    bool endless = false;                     // never finishes (a fault)
    std::uint16_t response = 0;               // the outcome once finished
    std::optional<std::uint32_t> fdNumber;    // the fiscal document it wrote
    std::optional<MarkingResult> marking;

    bool finished(std::chrono::steady_clock::time_point now) const { return !endless && now >= readyAt; }
};

class Tasks {
public:
    // Bounded: the oldest tasks are forgotten beyond this many.
    static constexpr std::size_t kKept = 4096;

    void record(const Task& task);
    const Task* find(std::uint32_t id) const;

private:
    struct Kept {
        std::uint64_t arrival;
        Task task;
    };
    std::map<std::uint32_t, Kept> tasks_;
    std::map<std::uint64_t, std::uint32_t> order_;  // arrival -> id
    std::uint64_t arrivals_ = 0;
};

}  // namespace korvex::sim
