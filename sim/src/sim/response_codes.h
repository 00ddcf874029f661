#pragma once
// The simulated register's own result codes, sent as item 8 (`response`) of every reply.
// The table in sim/README.md lists the same codes; keep the two together.

#include <cstdint>

namespace korvex::sim::response {

inline constexpr std::uint16_t kOk = 0;
inline constexpr std::uint16_t kUnknownCommand = 1;      // no item 7, or a code the register lacks
inline constexpr std::uint16_t kBadFrame = 2;            // the request's CRC does not match
inline constexpr std::uint16_t kTaskRunning = 3;         // with extended kTaskRunningExtended
inline constexpr std::uint16_t kWrongSerial = 4;         // item 6 names another register
inline constexpr std::uint16_t kLastPiece = 5;           // import: this reply holds the last piece
inline constexpr std::uint16_t kBadParameter = 6;        // a required item is missing or out of range

inline constexpr std::uint16_t kNotInEmulation = 10;     // a receipt command outside emulation mode
inline constexpr std::uint16_t kShiftOpen = 11;          // the command needs a closed shift
inline constexpr std::uint16_t kShiftClosed = 12;        // the command needs an open shift
inline constexpr std::uint16_t kDocumentOpen = 13;       // the command needs no open document
inline constexpr std::uint16_t kNoDocument = 14;         // the command needs an open document
inline constexpr std::uint16_t kPaymentShort = 15;       // payments below the document total
inline constexpr std::uint16_t kPaymentTooLarge = 16;    // non-cash payments above the total
inline constexpr std::uint16_t kNoItems = 17;            // closing a document without items
inline constexpr std::uint16_t kUnknownDocKind = 18;     // doc_kind outside 1..6
inline constexpr std::uint16_t kDocumentFull = 19;       // more items than one document holds
inline constexpr std::uint16_t kNotEnoughCash = 25;      // a cash payout above the drawer's cash

inline constexpr std::uint16_t kUnknownTask = 20;        // status query for a task never seen
inline constexpr std::uint16_t kNoFiscalDocument = 21;   // no fiscal document with that number
inline constexpr std::uint16_t kNoSuchTag = 22;          // the document has no item with that tag
inline constexpr std::uint16_t kNoImport = 23;           // 405 without a 404 on this connection
inline constexpr std::uint16_t kNoSuchPage = 24;         // configuration page past the last one

inline constexpr std::uint16_t kNotRegistered = 30;      // fiscal work before registration
inline constexpr std::uint16_t kNoRegistration = 31;     // 216/217 without a 215 first
inline constexpr std::uint16_t kFdSerialMismatch = 32;   // 217 names another fiscal drive
inline constexpr std::uint16_t kNoRegistrationsLeft = 33;
inline constexpr std::uint16_t kArchiveClosed = 34;      // the fiscal archive is closed
inline constexpr std::uint16_t kClockBeforeLastDocument = 35;

inline constexpr std::uint16_t kBadGoodsRecord = 40;     // per record: goods_id, name, intcode, item_attr or dept_id missing
inline constexpr std::uint16_t kNoSuchGoods = 41;        // per record: no record with that goods_id
inline constexpr std::uint16_t kGoodsFull = 42;          // per record: the database is full
inline constexpr std::uint16_t kMoreRecords = 43;        // the selection did not fit one reply

inline constexpr std::uint16_t kReplyTooLarge = 50;      // the reply would not fit a frame

// Extended code that goes with kTaskRunning: the task is still being worked on.
inline constexpr std::uint32_t kTaskRunningExtended = 103;

}  // namespace korvex::sim::response
