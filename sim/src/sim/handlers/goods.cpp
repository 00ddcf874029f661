// The goods database: write records, read or delete them by a list of numbers or a range.
// Each record of a reply is an `item` block with its own `response`.
#include <algorithm>
#include <vector>

#include "tlv/byte_order.h"
#include "sim/handlers/fields.h"
#include "sim/handlers/handlers.h"
#include "sim/handlers/tags.h"
#include "sim/response_codes.h"
#include "sim/wire/item_writer.h"
#include "sim/wire/texts.h"

namespace korvex::sim::handlers {
namespace {

// Replies stay well inside one frame; a selection that does not fit says so.
inline constexpr int kMaxRecordsBytes = 60000;

// The nested blocks of `tag` inside `container`, in the order they were sent.
std::vector<TLVParser> blocks(const QByteArray& container, std::uint16_t tag)
{
    TLVParser outer(korvex::deviceDictionary());
    outer.parse(container);
    std::vector<TLVParser> result;
    const QList<QByteArray> values = outer.values(tag);
    for (auto it = values.crbegin(); it != values.crend(); ++it) {
        result.emplace_back(korvex::deviceDictionary());
        result.back().parse(*it);
    }
    return result;
}

struct Selection {
    std::vector<std::uint16_t> ids;
};

// By `list` of goods_id items, or by `range` (first goods_id, goods_count; no count: to the end).
std::optional<Selection> selectionOf(const TLVParser& fields, const GoodsDatabase& goods)
{
    Selection selection;
    if (has(fields, tag::kList)) {
        TLVParser list(korvex::deviceDictionary());
        list.parse(fields.value(tag::kList));
        const QList<QByteArray> ids = list.values(tag::kGoodsId);
        for (auto it = ids.crbegin(); it != ids.crend(); ++it)
            selection.ids.push_back(std::uint16_t(readLittleEndian(*it, 2)));
        return selection;
    }
    if (!has(fields, tag::kRange))
        return std::nullopt;
    TLVParser range(korvex::deviceDictionary());
    range.parse(fields.value(tag::kRange));
    const std::optional<std::uint64_t> first = numberField(range, tag::kGoodsId);
    if (!first)
        return std::nullopt;
    const std::uint64_t end = *first + numberOr(range, tag::kGoodsCount, 0x10000);
    for (auto it = goods.records.lower_bound(std::uint16_t(*first)); it != goods.records.end() && it->first < end; ++it)
        selection.ids.push_back(it->first);
    return selection;
}

ItemWriter outcome(std::uint16_t id, std::uint16_t code)
{
    ItemWriter record;
    record.u16(tag::kGoodsId, id).u16(tag::kResponse, code);
    return record;
}

ItemWriter fullRecord(const GoodsRecord& g)
{
    ItemWriter record;
    record.u16(tag::kGoodsId, g.id)
        .bytes(tag::kName, toCp1251(g.name))
        .text(tag::kIntcode, g.intcode)
        .text(tag::kBarcode, g.barcode)
        .bytes(tag::kUnit, toCp1251(g.unit))
        .u8(tag::kItemAttr, g.itemAttr)
        .u8(tag::kItemAttrExt, g.itemAttrExt)
        .u64(tag::kPrice, g.price)
        .u64(tag::kExcise, g.excise)
        .u8(tag::kDeptId, g.deptId)
        .u16(tag::kResponse, response::kOk);
    return record;
}

Reply recordsReply(const std::vector<ItemWriter>& records)
{
    ItemWriter items;
    for (const ItemWriter& record : records) {
        if (items.data().size() + record.data().size() + 4 > kMaxRecordsBytes)
            return Reply{response::kMoreRecords, 0, items.data()};
        items.block(tag::kItem, record);
    }
    return Reply::ok(items.data());
}

std::optional<GoodsRecord> goodsOf(const TLVParser& f)
{
    GoodsRecord g;
    g.id = std::uint16_t(numberOr(f, tag::kGoodsId, 0));
    g.name = text1251(f, tag::kName);
    if (g.id == 0 || g.name.empty() || !has(f, tag::kIntcode) || !has(f, tag::kItemAttr) || !has(f, tag::kDeptId))
        return std::nullopt;
    g.intcode = rawText(f, tag::kIntcode);
    g.barcode = rawText(f, tag::kBarcode);
    g.unit = text1251(f, tag::kUnit);
    g.itemAttr = std::uint8_t(numberOr(f, tag::kItemAttr, 0));
    g.itemAttrExt = std::uint8_t(numberOr(f, tag::kItemAttrExt, 0));
    g.price = numberOr(f, tag::kPrice, 0);
    g.excise = numberOr(f, tag::kExcise, 0);
    g.deptId = std::uint8_t(numberOr(f, tag::kDeptId, 0));
    return g;
}

}  // namespace

Reply writeGoods(Context& c, const Request& r)
{
    if (!has(r.fields, tag::kList))
        return Reply::error(response::kBadParameter);
    auto& records = c.state.goods.records;
    if (numberOr(r.fields, tag::kDeleteBefore, 0) != 0)
        records.clear();
    std::vector<ItemWriter> outcomes;
    for (const TLVParser& block : blocks(r.fields.value(tag::kList), tag::kItem)) {
        const std::optional<GoodsRecord> goods = goodsOf(block);
        const std::uint16_t id = std::uint16_t(numberOr(block, tag::kGoodsId, 0));
        if (!goods) {
            outcomes.push_back(outcome(id, response::kBadGoodsRecord));
        } else if (!records.count(id) && records.size() >= c.state.identity.goodsCapacity) {
            outcomes.push_back(outcome(id, response::kGoodsFull));
        } else {
            records[id] = *goods;
            outcomes.push_back(outcome(id, response::kOk));
        }
    }
    return recordsReply(outcomes);
}

Reply readGoods(Context& c, const Request& r)
{
    const auto& records = c.state.goods.records;
    Selection selection;
    if (r.payload.isEmpty()) {
        for (const auto& entry : records)  // no selection: the whole database
            selection.ids.push_back(entry.first);
    } else if (const auto chosen = selectionOf(r.fields, c.state.goods)) {
        selection = *chosen;
    } else {
        return Reply::error(response::kBadParameter);
    }
    std::vector<ItemWriter> found;
    for (const std::uint16_t id : selection.ids) {
        const auto it = records.find(id);
        found.push_back(it == records.end() ? outcome(id, response::kNoSuchGoods) : fullRecord(it->second));
    }
    return recordsReply(found);
}

Reply deleteGoods(Context& c, const Request& r)
{
    const std::optional<Selection> selection = selectionOf(r.fields, c.state.goods);
    if (!selection)
        return Reply::error(response::kBadParameter);
    std::vector<ItemWriter> outcomes;
    for (const std::uint16_t id : selection->ids) {
        const bool existed = c.state.goods.records.erase(id) > 0;
        outcomes.push_back(outcome(id, existed ? response::kOk : response::kNoSuchGoods));
    }
    return recordsReply(outcomes);
}

}  // namespace korvex::sim::handlers
