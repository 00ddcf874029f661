#pragma once
// One document of the simulated fiscal drive. Amounts and quantities are in the register's
// units (1/10000 of the currency unit or of a piece); the fiscal drive's own layouts turn them
// into kopecks.

#include <cstdint>
#include <string>
#include <vector>

namespace korvex::sim {

namespace doc_type {
inline constexpr std::uint16_t kRegistration = 1;
inline constexpr std::uint16_t kShiftOpening = 2;
inline constexpr std::uint16_t kReceipt = 3;
inline constexpr std::uint16_t kShiftClosing = 5;
inline constexpr std::uint16_t kArchiveClosing = 6;
inline constexpr std::uint16_t kReregistration = 11;
inline constexpr std::uint16_t kSettlementState = 21;
inline constexpr std::uint16_t kCorrection = 31;
}  // namespace doc_type

struct Position {
    std::string name;            // UTF-8
    std::uint64_t price = 0;
    std::uint64_t quantity = 0;
    std::uint64_t discount = 0;  // absolute, off the position's sum
    std::uint64_t sum = 0;       // price x quantity less the discount, whole kopecks
    std::uint8_t taxId = 0;      // the register's tax numbering
    std::uint64_t taxValue = 0;
    std::uint8_t paymentMethod = 0;
    std::uint8_t itemAttr = 0;
    std::string markStamp;
    std::string unit;
};

struct FiscalDocument {
    std::uint32_t number = 0;
    std::uint16_t type = 0;
    std::uint32_t date = 0;  // seconds since 1970, whole minutes
    std::uint32_t sign = 0;  // fiscal sign
    std::string companyName;
    std::string companyInn;
    std::string operatorName;

    std::uint16_t shift = 0;          // shift documents and receipts
    std::uint16_t numberInShift = 0;  // receipts

    std::uint8_t operation = 0;       // receipts: 1 sale, 2 sale return, 3 buy, 4 buy return
    std::uint64_t total = 0;
    std::uint64_t cash = 0, credit = 0, postpay = 0, prepay = 0, otherpay = 0;
    std::string clientInn;
    std::string clientName;
    std::vector<Position> positions;

    std::string regnum;               // registration documents
    std::uint8_t taxcode = 0;
    std::uint8_t mode = 0;
    std::uint8_t reason = 0;

    std::uint32_t waitCount = 0;      // settlement state report
    std::uint32_t firstWaitingDate = 0;
};

}  // namespace korvex::sim
