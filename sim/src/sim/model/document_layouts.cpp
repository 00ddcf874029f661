#include "sim/model/document_layouts.h"

#include <ctime>

#include "tlv/byte_order.h"
#include "sim/wire/item_writer.h"
#include "sim/wire/texts.h"

namespace korvex::sim {
namespace {

namespace fd_tag {
inline constexpr std::uint16_t kDate = 1012, kCompanyInn = 1018, kTotal = 1020, kOperator = 1021;
inline constexpr std::uint16_t kQuantity = 1023, kName = 1030, kCash = 1031, kRegnum = 1037;
inline constexpr std::uint16_t kShift = 1038, kNumber = 1040, kFdSerial = 1041, kNumberInShift = 1042;
inline constexpr std::uint16_t kPositionSum = 1043, kCompanyName = 1048, kOperation = 1054;
inline constexpr std::uint16_t kTaxcode = 1055, kPosition = 1059, kSign = 1077, kPrice = 1079;
inline constexpr std::uint16_t kCredit = 1081, kWaitCount = 1097, kFirstWaiting = 1098, kReason = 1101;
inline constexpr std::uint16_t kMarkStamp = 1162, kUnit = 1197, kTaxId = 1199, kTaxValue = 1200;
inline constexpr std::uint16_t kItemAttr = 1212, kPaymentMethod = 1214, kPrepay = 1215;
inline constexpr std::uint16_t kPostpay = 1216, kOtherpay = 1217, kClientName = 1227, kClientInn = 1228;
}  // namespace fd_tag

inline constexpr std::uint64_t kKopeck = 100;  // register units per kopeck

void appendDate(QByteArray& out, std::uint32_t seconds)
{
    const std::time_t time = std::time_t(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    out.append(char(local.tm_year - 100));
    out.append(char(local.tm_mon + 1));
    out.append(char(local.tm_mday));
    out.append(char(local.tm_hour));
    out.append(char(local.tm_min));
}

// ASCII text cut or padded with spaces to `width` bytes.
QByteArray fixedText(const std::string& text, int width)
{
    QByteArray bytes = QByteArray::fromStdString(text).left(width);
    return bytes.leftJustified(width, ' ');
}

// Unsigned, least significant byte first, as few bytes as the value needs (at least one).
QByteArray varying(std::uint64_t value)
{
    QByteArray bytes;
    do {
        bytes.append(char(value & 0xFF));
        value >>= 8;
    } while (value != 0);
    return bytes;
}

QByteArray kopecks(std::uint64_t amount) { return varying(amount / kKopeck); }

// Decimal places, then the mantissa: 15000 (1.5 pieces) is 1 place and 15.
QByteArray quantity(std::uint64_t value)
{
    int places = 4;
    while (places > 0 && value % 10 == 0) {
        value /= 10;
        --places;
    }
    return char(places) + varying(value);
}

QByteArray sign(std::uint32_t value)
{
    QByteArray bytes(2, '\0');
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xFF));
    return bytes;
}

void addText(ItemWriter& items, std::uint16_t tag, const std::string& text)
{
    if (!text.empty())
        items.bytes(tag, toCp866(text));
}

ItemWriter position(const Position& p)
{
    ItemWriter items;
    addText(items, fd_tag::kName, p.name);
    items.bytes(fd_tag::kPrice, kopecks(p.price))
        .bytes(fd_tag::kQuantity, quantity(p.quantity))
        .u8(fd_tag::kTaxId, fiscalTaxCode(p.taxId))
        .bytes(fd_tag::kTaxValue, kopecks(p.taxValue))
        .bytes(fd_tag::kPositionSum, kopecks(p.sum));
    if (p.paymentMethod != 0)
        items.u8(fd_tag::kPaymentMethod, p.paymentMethod);
    if (p.itemAttr != 0)
        items.u8(fd_tag::kItemAttr, p.itemAttr);
    if (!p.markStamp.empty())
        items.text(fd_tag::kMarkStamp, p.markStamp);
    addText(items, fd_tag::kUnit, p.unit);
    return items;
}

void addReceipt(ItemWriter& items, const FiscalDocument& d)
{
    items.u32(fd_tag::kShift, d.shift)
        .u32(fd_tag::kNumberInShift, d.numberInShift)
        .u8(fd_tag::kOperation, d.operation)
        .bytes(fd_tag::kTotal, kopecks(d.total))
        .bytes(fd_tag::kCash, kopecks(d.cash))
        .bytes(fd_tag::kCredit, kopecks(d.credit))
        .bytes(fd_tag::kPrepay, kopecks(d.prepay))
        .bytes(fd_tag::kPostpay, kopecks(d.postpay))
        .bytes(fd_tag::kOtherpay, kopecks(d.otherpay))
        .u8(fd_tag::kTaxcode, d.taxcode);
    if (!d.clientInn.empty())
        items.text(fd_tag::kClientInn, d.clientInn);
    addText(items, fd_tag::kClientName, d.clientName);
    for (const Position& p : d.positions)
        items.block(fd_tag::kPosition, position(p));
}

void addRegistration(ItemWriter& items, const FiscalDocument& d)
{
    items.text(fd_tag::kRegnum, d.regnum).u8(fd_tag::kTaxcode, d.taxcode);
    if (d.type == doc_type::kReregistration)
        items.u8(fd_tag::kReason, d.reason);
}

ItemWriter documentItemsOf(const FiscalDocument& d, const std::string& fdSerial)
{
    ItemWriter items;
    items.u32(fd_tag::kDate, d.date).u32(fd_tag::kNumber, d.number).bytes(fd_tag::kSign, sign(d.sign));
    items.text(fd_tag::kFdSerial, fdSerial).text(fd_tag::kCompanyInn, d.companyInn);
    addText(items, fd_tag::kCompanyName, d.companyName);
    addText(items, fd_tag::kOperator, d.operatorName);
    switch (d.type) {
    case doc_type::kShiftOpening:
    case doc_type::kShiftClosing:
        items.u32(fd_tag::kShift, d.shift);
        break;
    case doc_type::kReceipt:
    case doc_type::kCorrection:
        addReceipt(items, d);
        break;
    case doc_type::kRegistration:
    case doc_type::kReregistration:
    case doc_type::kArchiveClosing:
        addRegistration(items, d);
        break;
    case doc_type::kSettlementState: {
        QByteArray first;
        appendDate(first, d.firstWaitingDate);
        items.u32(fd_tag::kWaitCount, d.waitCount).bytes(fd_tag::kFirstWaiting, first);
        break;
    }
    default:
        break;
    }
    return items;
}

}  // namespace

std::uint8_t fiscalTaxCode(std::uint8_t taxId)
{
    switch (taxId) {
    case 1: return 6;  // no VAT
    case 2: return 2;  // 10%
    case 4: return 4;  // 10/110
    case 5: return 3;  // 20/120
    case 6: return 5;  // 0%
    default: return 1; // 20%
    }
}

QByteArray documentRecord(const FiscalDocument& d)
{
    QByteArray record;
    appendDate(record, d.date);
    appendLittleEndian(record, d.number, 4);
    appendLittleEndian(record, d.sign, 4);
    switch (d.type) {
    case doc_type::kRegistration:
    case doc_type::kReregistration:
    case doc_type::kArchiveClosing:
        record += fixedText(d.companyInn, 12) + fixedText(d.regnum, 20);
        if (d.type != doc_type::kArchiveClosing)
            record += char(d.taxcode) + QByteArray(1, char(d.mode));
        if (d.type == doc_type::kReregistration)
            record += char(d.reason);
        break;
    case doc_type::kShiftOpening:
    case doc_type::kShiftClosing:
        appendLittleEndian(record, d.shift, 2);
        break;
    case doc_type::kReceipt:
    case doc_type::kCorrection:
        record += char(d.operation);
        appendLittleEndian(record, d.total / kKopeck, 5);
        break;
    case doc_type::kSettlementState:
        appendLittleEndian(record, d.waitCount, 4);
        appendDate(record, d.firstWaitingDate);
        break;
    default:
        break;
    }
    return record;
}

QByteArray documentTlv(const FiscalDocument& document, const std::string& fdSerial)
{
    const QByteArray items = documentItemsOf(document, fdSerial).data();
    QByteArray bytes;
    appendLittleEndian(bytes, document.type, 2);
    appendLittleEndian(bytes, std::uint64_t(items.size()), 2);
    return bytes + items;
}

QByteArray documentItems(const FiscalDocument& document, const std::string& fdSerial, std::uint16_t tag)
{
    const QByteArray items = documentItemsOf(document, fdSerial).data();
    QByteArray selected;
    int at = 0;
    while (items.size() - at >= 4) {
        const auto itemTag = std::uint16_t(readLittleEndian(items.constData() + at, 2, 2));
        const int length = int(readLittleEndian(items.constData() + at + 2, 2, 2));
        if (itemTag == tag)
            selected += items.mid(at, 4 + length);
        at += 4 + length;
    }
    return selected;
}

}  // namespace korvex::sim
