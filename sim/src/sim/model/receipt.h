#pragma once
// The open document: its kind, operator, buyer and positions, up to its closing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/model/fiscal_document.h"
#include "sim/model/shift.h"

namespace korvex::sim {

// What a document kind (doc_kind 1..6) becomes in the fiscal drive and in the counters.
struct DocumentKind {
    std::uint16_t type;       // doc_type::kReceipt or kCorrection
    std::uint8_t operation;   // 1 sale, 2 sale return, 3 buy, 4 buy return
    CounterSlot counter;
    bool cashIn;              // cash goes into the drawer (sale, buy return)
};
std::optional<DocumentKind> documentKind(std::uint16_t docKind);

inline constexpr std::size_t kMaxPositions = 100;
inline constexpr std::uint64_t kMaxPrice = 100'000'000'000ull;  // 10 million currency units
inline constexpr std::uint64_t kMaxQuantity = 100'000'000ull;   // 10 thousand pieces
inline constexpr std::uint64_t kMaxPayment = kMaxPrice * kMaxQuantity / 10000 * kMaxPositions;

struct Payments {
    std::uint64_t cash = 0, credit = 0, postpay = 0, prepay = 0, otherpay = 0;
    std::uint64_t nonCash() const { return credit + postpay + prepay + otherpay; }
};

struct Receipt {
    DocumentKind kind{};
    std::string operatorName;
    std::string clientInn;
    std::string clientName;
    std::uint8_t taxcode = 0;
    std::vector<Position> positions;
    int texts = 0;  // free text lines and footers added

    std::uint64_t total() const;
};

// The sum of `price` x `quantity` (both in 1/10000) rounded to whole kopecks, less `discount`;
// nothing when a factor is above its bound or the discount exceeds the sum.
std::optional<std::uint64_t> positionSum(std::uint64_t price, std::uint64_t quantity, std::uint64_t discount);
// The tax in a sum for the register's tax number (1 none, 2 10%, 3 20%, 4 10/110, 5 20/120, 6 0%).
std::uint64_t taxIn(std::uint64_t sum, std::uint8_t taxId);

}  // namespace korvex::sim
