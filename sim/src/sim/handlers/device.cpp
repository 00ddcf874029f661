// Identity, state, clock and the emulation mode.
#include "sim/handlers/fields.h"
#include "sim/handlers/handlers.h"
#include "sim/handlers/tags.h"
#include "sim/response_codes.h"
#include "sim/wire/item_writer.h"
#include "sim/wire/texts.h"

#include <ctime>

namespace korvex::sim::handlers {

Reply getInfo(Context& c, const Request&)
{
    const Identity& id = c.state.identity;
    ItemWriter items;
    items.text(tag::kSerial, id.serial)
        .u8(tag::kFlashBank, id.flashBank)
        .u16(tag::kFlashSize, id.flashSize)
        .u16(tag::kGoodsCount, id.goodsCapacity)
        .u16(tag::kActiveGoods, c.state.goods.records.size())
        .u32(tag::kBootVersion, id.bootVersion)
        .u8(tag::kLineLength, id.lineLength)
        .u8(tag::kFfdVersion, id.ffdVersion)
        .u16(tag::kVersion, id.version)
        .u16(tag::kBuild, id.build)
        .u16(tag::kFlags, id.flags);
    return Reply::ok(items.data());
}

Reply getState(Context& c, const Request&)
{
    const FiscalSetup& f = c.state.fiscal;
    ItemWriter items;
    items.u16(tag::kDevContext, 0)
        .u8(tag::kFdMode, f.fdMode)
        .u8(tag::kFdExtMode, f.fdExtMode)
        .u8(tag::kTaxcode, f.taxcode)
        .u8(tag::kAgents, f.agents)
        .text(tag::kFdSerial, f.fdSerial);
    if (f.registered)
        items.text(tag::kRegnum, f.regnum);
    items.bytes(tag::kCompanyName, toCp1251(f.companyName))
        .text(tag::kCompanyInn, f.companyInn)
        .bytes(tag::kSaleAddress, toCp1251(f.saleAddress))
        .bytes(tag::kSaleLocation, toCp1251(f.saleLocation))
        .bytes(tag::kOfdName, toCp1251(f.ofdName))
        .text(tag::kOfdInn, f.ofdInn)
        .bytes(tag::kFnsSite, toCp1251(f.fnsSite))
        .bytes(tag::kSenderEmail, toCp1251(f.senderEmail))
        .text(tag::kAutomatNumber, f.automatNumber)
        .u32(tag::kDateTime, registerTime(c.state));
    return Reply::ok(items.data());
}

Reply reset(Context& c, const Request&)
{
    c.state.receipt.reset();
    c.state.emulation = false;
    return Reply::ok();
}

Reply setDateTime(Context& c, const Request& r)
{
    const std::optional<std::uint64_t> dateTime = numberField(r.fields, tag::kDateTime);
    if (!dateTime)
        return Reply::error(response::kBadParameter);
    // Fiscal documents must never go back in time.
    if (*dateTime < c.state.drive.lastDate())
        return Reply::error(response::kClockBeforeLastDocument);
    c.state.clockOffset = std::int64_t(std::uint32_t(*dateTime)) - std::int64_t(std::time(nullptr));
    return Reply::ok();
}

Reply enter(Context& c, const Request&)
{
    c.state.emulation = true;
    return Reply::ok();
}

Reply exit(Context& c, const Request&)
{
    if (c.state.receipt)
        return Reply::error(response::kDocumentOpen);
    c.state.emulation = false;
    return Reply::ok();
}

Reply fremuReset(Context& c, const Request&)
{
    c.state.receipt.reset();
    return Reply::ok();
}

Reply keepAlive(Context& c, const Request& r)
{
    c.state.keepAlive = std::uint32_t(numberOr(r.fields, tag::kTimeout, c.state.keepAlive));
    return Reply::ok();
}

}  // namespace korvex::sim::handlers
