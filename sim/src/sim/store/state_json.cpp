#include "sim/store/state_json.h"

namespace korvex::sim {

NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(Position, name, price, quantity, discount, sum, taxId, taxValue,
                                                paymentMethod, itemAttr, markStamp, unit)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(FiscalDocument, number, type, date, sign, companyName, companyInn,
                                                operatorName, shift, numberInShift, operation, total, cash, credit,
                                                postpay, prepay, otherpay, clientInn, clientName, positions, regnum,
                                                taxcode, mode, reason, waitCount, firstWaitingDate)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(FiscalSetup, registered, archiveClosed, fdSerial, regnum, fdMode,
                                                fdExtMode, taxcode, agents, companyName, companyInn, saleAddress,
                                                saleLocation, ofdName, ofdInn, fnsSite, senderEmail, automatNumber,
                                                registrationsLeft, registrations, registrationDocument,
                                                registrationDate)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(Counter, count, total)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(Shift, number, open, receipts, cash, counters, operatorName)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE_WITH_DEFAULT(GoodsRecord, id, name, intcode, barcode, unit, itemAttr, itemAttrExt,
                                                price, excise, deptId)

namespace {

inline constexpr int kFormat = 1;

}  // namespace

Json keptState(const RegisterState& state)
{
    Json goods = Json::array();
    for (const auto& entry : state.goods.records)
        goods.push_back(entry.second);
    return Json{{"format", kFormat},
                {"clockOffset", state.clockOffset},
                {"fiscal", state.fiscal},
                {"shift", state.shift},
                {"documents", state.drive.documents()},
                {"goods", goods}};
}

bool restoreKeptState(const Json& document, RegisterState& state, std::string& error)
{
    if (!document.is_object() || document.value("format", 0) != kFormat) {
        error = "not a simulator state of format " + std::to_string(kFormat);
        return false;
    }
    try {
        auto documents = document.at("documents").get<std::vector<FiscalDocument>>();
        // Documents are numbered 1, 2, ... in the order they were written; lookups rely on it.
        for (std::size_t i = 0; i < documents.size(); ++i) {
            if (documents[i].number != i + 1) {
                error = "fiscal documents are not numbered 1, 2, ...";
                return false;
            }
        }
        GoodsDatabase goods;
        for (const GoodsRecord& record : document.at("goods").get<std::vector<GoodsRecord>>())
            goods.records[record.id] = record;
        FiscalSetup fiscal = document.at("fiscal").get<FiscalSetup>();
        Shift shift = document.at("shift").get<Shift>();
        const std::int64_t clockOffset = document.value("clockOffset", std::int64_t(0));

        state.fiscal = std::move(fiscal);
        state.shift = std::move(shift);
        state.drive.restore(std::move(documents));
        state.goods = std::move(goods);
        state.clockOffset = clockOffset;
        return true;
    } catch (const Json::exception& failure) {
        error = std::string("malformed state: ") + failure.what();
        return false;
    }
}

}  // namespace korvex::sim
