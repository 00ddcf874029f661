#pragma once
// The shift: its number, whether it is open, its cash and its per-operation counters.

#include <array>
#include <cstdint>
#include <string>

namespace korvex::sim {

struct Counter {
    std::uint16_t count = 0;
    std::uint64_t total = 0;
};

// Counter slots in the order of the status query's blocks 103..108.
enum CounterSlot { kSales, kBuys, kSalesReturn, kBuysReturn, kSalesCorrection, kBuysCorrection, kCounterSlots };

struct Shift {
    std::uint16_t number = 0;  // of the current or last shift; 0 before the first
    bool open = false;
    std::uint16_t receipts = 0;  // receipts in the current shift
    std::uint64_t cash = 0;
    std::array<Counter, kCounterSlots> counters{};
    std::string operatorName;

    // A new shift: next number, cash and counters from zero.
    void begin(const std::string& operatorName);
};

}  // namespace korvex::sim
