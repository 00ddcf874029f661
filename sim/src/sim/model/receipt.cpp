#include "sim/model/receipt.h"

namespace korvex::sim {
namespace {

inline constexpr std::uint64_t kUnit = 10000;   // 1/10000 per currency unit or piece
inline constexpr std::uint64_t kKopeck = 100;

std::uint64_t toKopecks(std::uint64_t amount) { return (amount + kKopeck / 2) / kKopeck * kKopeck; }

}  // namespace

std::optional<DocumentKind> documentKind(std::uint16_t docKind)
{
    switch (docKind) {
    case 1: return DocumentKind{doc_type::kReceipt, 1, kSales, true};
    case 2: return DocumentKind{doc_type::kReceipt, 2, kSalesReturn, false};
    case 3: return DocumentKind{doc_type::kReceipt, 3, kBuys, false};
    case 4: return DocumentKind{doc_type::kReceipt, 4, kBuysReturn, true};
    case 5: return DocumentKind{doc_type::kCorrection, 1, kSalesCorrection, true};
    case 6: return DocumentKind{doc_type::kCorrection, 3, kBuysCorrection, false};
    default: return std::nullopt;
    }
}

std::uint64_t Receipt::total() const
{
    std::uint64_t sum = 0;
    for (const Position& position : positions)
        sum += position.sum;
    return sum;
}

std::optional<std::uint64_t> positionSum(std::uint64_t price, std::uint64_t quantity, std::uint64_t discount)
{
    // Bounded so that the product stays within 64 bits.
    if (price > kMaxPrice || quantity > kMaxQuantity)
        return std::nullopt;
    const std::uint64_t sum = toKopecks(price * quantity / kUnit);
    if (discount > sum)
        return std::nullopt;
    return toKopecks(sum - discount);
}

std::uint64_t taxIn(std::uint64_t sum, std::uint8_t taxId)
{
    switch (taxId) {
    case 2:
    case 4:
        return toKopecks(sum * 10 / 110);
    case 3:
    case 5:
        return toKopecks(sum * 20 / 120);
    default:
        return 0;
    }
}

}  // namespace korvex::sim
