// The document cycle: open, add items, then close with payments or cancel.
#include "sim/handlers/common.h"
#include "sim/handlers/fields.h"
#include "sim/handlers/handlers.h"
#include "sim/handlers/tags.h"
#include "sim/response_codes.h"

namespace korvex::sim::handlers {
namespace {

inline constexpr int kMaxNameBytes = 128;
inline constexpr int kMaxMarkBytes = 256;

// Units of measure by their code in the fiscal data format.
std::string unitName(std::uint64_t code)
{
    switch (code) {
    case 0: return "шт";
    case 10: return "г";
    case 11: return "кг";
    case 22: return "м";
    case 41: return "л";
    default: return {};
    }
}

// Nothing when an amount is beyond any document's total, so that sums cannot overflow.
std::optional<Payments> paymentsOf(const TLVParser& fields)
{
    Payments p;
    p.cash = numberOr(fields, tag::kCash, 0);
    p.credit = numberOr(fields, tag::kCredit, 0);
    p.postpay = numberOr(fields, tag::kPostpay, 0);
    p.prepay = numberOr(fields, tag::kPrepay, 0);
    p.otherpay = numberOr(fields, tag::kOtherpay, 0);
    for (const std::uint64_t amount : {p.cash, p.credit, p.postpay, p.prepay, p.otherpay})
        if (amount > kMaxPayment)
            return std::nullopt;
    return p;
}

// The operator, who may also be named by the taxpayer number alone.
std::string documentOperator(const TLVParser& fields)
{
    const std::string name = operatorOf(fields);
    const std::string inn = rawText(fields, tag::kUserInn);
    return name.empty() && !inn.empty() ? "ИНН " + inn : name;
}

}  // namespace

Reply openDoc(Context& c, const Request& r)
{
    if (const std::uint16_t refusal = fiscalWorkRefusal(c.state))
        return Reply::error(refusal);
    if (!c.state.shift.open)
        return Reply::error(response::kShiftClosed);
    if (c.state.receipt)
        return Reply::error(response::kDocumentOpen);
    const std::optional<std::uint64_t> docKind = numberField(r.fields, tag::kDocKind);
    const std::string operatorName = documentOperator(r.fields);
    if (!docKind || operatorName.empty())
        return Reply::error(response::kBadParameter);
    const std::optional<DocumentKind> kind = documentKind(std::uint16_t(*docKind));
    if (!kind)
        return Reply::error(response::kUnknownDocKind);

    Receipt receipt;
    receipt.kind = *kind;
    receipt.operatorName = operatorName;
    receipt.clientInn = rawText(r.fields, tag::kClientInn);
    receipt.clientName = text1251(r.fields, tag::kClientName);
    receipt.taxcode = std::uint8_t(numberOr(r.fields, tag::kTaxcode, c.state.fiscal.taxcode));
    c.state.receipt = std::move(receipt);
    return Reply::ok();
}

Reply addItem(Context& c, const Request& r)
{
    if (!c.state.receipt)
        return Reply::error(response::kNoDocument);
    Receipt& receipt = *c.state.receipt;
    if (receipt.positions.size() >= kMaxPositions)
        return Reply::error(response::kDocumentFull);
    const TLVParser& f = r.fields;
    const std::optional<std::uint64_t> price = numberField(f, tag::kPrice);
    const std::optional<std::uint64_t> quantity = numberField(f, tag::kQuant);
    const QByteArray name = f.value(tag::kName);
    const std::uint64_t taxId = numberOr(f, tag::kTaxId, 0);
    const std::uint64_t deptId = numberOr(f, tag::kDeptId, 0);
    const bool taxKnown = taxId >= 1 && taxId <= 6;
    if (!price || !quantity || *quantity == 0 || name.isEmpty() || name.size() > kMaxNameBytes
        || (taxId == 0 && deptId == 0) || (taxId != 0 && !taxKnown) || f.value(tag::kMarkStamp).size() > kMaxMarkBytes)
        return Reply::error(response::kBadParameter);
    const std::optional<std::uint64_t> sum = positionSum(*price, *quantity, numberOr(f, tag::kItemDiscAbs, 0));
    if (!sum)
        return Reply::error(response::kBadParameter);

    Position p;
    p.name = text1251(f, tag::kName);
    p.price = *price;
    p.quantity = *quantity;
    p.discount = numberOr(f, tag::kItemDiscAbs, 0);
    p.sum = *sum;
    p.taxId = std::uint8_t(taxKnown ? taxId : 3);  // a department's goods carry 20% VAT
    p.taxValue = numberOr(f, tag::kTaxValue, taxIn(p.sum, p.taxId));
    p.paymentMethod = std::uint8_t(numberOr(f, tag::kPaymentMethod, 0));
    p.itemAttr = std::uint8_t(numberOr(f, tag::kItemAttr, 0));
    p.markStamp = rawText(f, tag::kMarkStamp);
    p.unit = unitName(numberOr(f, tag::kUnitId, 0));
    receipt.positions.push_back(std::move(p));
    return Reply::ok();
}

Reply cancelDoc(Context& c, const Request&)
{
    if (!c.state.receipt)
        return Reply::error(response::kNoDocument);
    c.state.receipt.reset();
    return Reply::ok();
}

Reply closeDoc(Context& c, const Request& r)
{
    if (!c.state.receipt)
        return Reply::error(response::kNoDocument);
    const Receipt& receipt = *c.state.receipt;
    if (receipt.positions.empty())
        return Reply::error(response::kNoItems);
    const std::optional<Payments> payments = paymentsOf(r.fields);
    if (!payments)
        return Reply::error(response::kBadParameter);
    const Payments& paid = *payments;
    const std::uint64_t total = receipt.total();
    if (paid.nonCash() > total)
        return Reply::error(response::kPaymentTooLarge);
    if (paid.cash + paid.nonCash() < total)
        return Reply::error(response::kPaymentShort);
    const std::uint64_t cash = total - paid.nonCash();  // the change stays in the drawer
    Shift& shift = c.state.shift;
    if (!receipt.kind.cashIn && cash > shift.cash)
        return Reply::error(response::kNotEnoughCash);

    shift.cash = receipt.kind.cashIn ? shift.cash + cash : shift.cash - cash;
    ++shift.receipts;
    Counter& counter = shift.counters[receipt.kind.counter];
    ++counter.count;
    counter.total += total;

    FiscalDocument document;
    document.type = receipt.kind.type;
    document.shift = shift.number;
    document.numberInShift = shift.receipts;
    document.operation = receipt.kind.operation;
    document.operatorName = receipt.operatorName;
    document.total = total;
    document.cash = cash;
    document.credit = paid.credit;
    document.postpay = paid.postpay;
    document.prepay = paid.prepay;
    document.otherpay = paid.otherpay;
    document.taxcode = receipt.taxcode;
    document.clientInn = receipt.clientInn;
    document.clientName = receipt.clientName;
    document.positions = receipt.positions;
    c.state.receipt.reset();
    writeDocument(c, std::move(document));
    return Reply::ok();
}

}  // namespace korvex::sim::handlers
