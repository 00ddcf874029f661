#pragma once
// Device protocol tags the register reads and writes (numbers and widths of the device tag
// dictionary).

#include <cstdint>

namespace korvex::sim::tag {

inline constexpr std::uint16_t kVersion = 1, kBuild = 2, kFlags = 3, kFlashSize = 4, kGoodsCount = 5;
inline constexpr std::uint16_t kSerial = 6, kResponse = 8, kPageCount = 10, kPageStart = 11;
inline constexpr std::uint16_t kBinary = 12, kUserId = 13, kDocKind = 14, kShiftCash = 15;
inline constexpr std::uint16_t kFdLastDoc = 16, kFdFirstDate = 17, kFdLastDate = 18, kFdDocType = 19;
inline constexpr std::uint16_t kFdDocId = 20, kFdDocData = 21, kPageSize = 22, kDevContext = 23;
inline constexpr std::uint16_t kFdSerial = 24, kAgents = 25, kFdMode = 26, kTaxcode = 27;
inline constexpr std::uint16_t kRegnum = 28;
inline constexpr std::uint16_t kCash = 31, kCredit = 32, kPostpay = 33, kPrepay = 34, kOtherpay = 35;
inline constexpr std::uint16_t kDeptId = 36, kPrice = 37, kQuant = 38, kItemDiscAbs = 39;
inline constexpr std::uint16_t kIntcode = 40, kName = 41, kText = 42, kShiftId = 43;
inline constexpr std::uint16_t kFdExtMode = 49, kUserName = 50, kTaxId = 51, kUserInn = 52;
inline constexpr std::uint16_t kTaskId = 53, kFlashBank = 54, kBootVersion = 57;
inline constexpr std::uint16_t kFdDate = 58, kFdNumber = 59, kFdSign = 60;
inline constexpr std::uint16_t kClientInn = 63, kClientName = 64, kAgent = 66;
inline constexpr std::uint16_t kPaymentMethod = 77, kFdFlags = 78, kFdPhase = 79, kFdExpired = 80;
inline constexpr std::uint16_t kFdRegLeft = 81, kFdShiftState = 82, kFdWaiting = 83;
inline constexpr std::uint16_t kFdWaitingDocument = 84, kFdWaitingDate = 85, kShiftDocNumber = 86;
inline constexpr std::uint16_t kFdTag = 87, kFdRegCount = 88, kFdRegDocument = 89, kFdRegDate = 90;
inline constexpr std::uint16_t kCompanyName = 91, kCompanyInn = 92, kSaleAddress = 93;
inline constexpr std::uint16_t kSaleLocation = 94, kOfdName = 95, kOfdInn = 96, kFnsSite = 97;
inline constexpr std::uint16_t kSenderEmail = 98, kAutomatNumber = 99;
inline constexpr std::uint16_t kFdError = 100, kFdFail = 101, kFdOverflow = 102;
inline constexpr std::uint16_t kSales = 103;  // blocks 103..108, in CounterSlot order
inline constexpr std::uint16_t kCheckCount = 109, kCheckTotal = 110;
inline constexpr std::uint16_t kLineLength = 115, kRegReason = 116, kTaxValue = 117;
inline constexpr std::uint16_t kItemAttr = 118, kItemAttrExt = 119, kTextType = 120;
inline constexpr std::uint16_t kFfdVersion = 124, kKktFfdVersion = 125, kMarkStamp = 126;
inline constexpr std::uint16_t kGoodsId = 129, kItem = 130, kRange = 131, kList = 132;
inline constexpr std::uint16_t kBarcode = 133, kUnit = 134, kActiveGoods = 135, kDeleteBefore = 136;
inline constexpr std::uint16_t kExcise = 137, kTimeout = 138, kDateTime = 139;
inline constexpr std::uint16_t kUnitId = 142, kFoivIdent = 154;
inline constexpr std::uint16_t kMarkStatus = 163, kMarkValidationStatus = 170, kMarkResultCode = 171;
inline constexpr std::uint16_t kMarkHandleCode = 172, kMarkOnlineType = 173;

}  // namespace korvex::sim::tag
