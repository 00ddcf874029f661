#include "commands/goods/command_write_goods.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "commands/builder_options.h"
#include "commands/goods/goods_fields.h"
#include "tlv/reply_fields.h"

using namespace korvex::goods;
using korvex::Encoding;
using korvex::RequestBuilder;

namespace {

enum class Role {
    Required,  // member writer; a failure is a record error entry
    Optional,  // member writer; a failure is skipped
    Text,      // text writer, only when the text is not empty
};

struct RecordField {
    quint16 tag;
    Role role;
    Encoding encoding;
};

// The members of one record, in the order of its `item` block.
constexpr RecordField kRecordFields[] = {
    {kGoodsId, Role::Required, Encoding::Utf8},  {kName, Role::Required, Encoding::Cp1251},
    {kIntCode, Role::Required, Encoding::Utf8},  {kBarcode, Role::Text, Encoding::Utf8},
    {kUnit, Role::Text, Encoding::Cp1251},       {kItemAttr, Role::Required, Encoding::Utf8},
    {kItemAttrExt, Role::Optional, Encoding::Utf8}, {kPrice, Role::Optional, Encoding::Utf8},
    {kExcise, Role::Optional, Encoding::Utf8},   {kDeptId, Role::Required, Encoding::Utf8},
};

const Json kNoList;

// Records with a numeric goods_id by value, largest first, then every other element. Ordering
// by a computed key keeps the comparison a strict weak ordering whatever the elements hold.
std::vector<const Json*> descendingById(const Json& list)
{
    std::vector<std::pair<std::pair<int, double>, const Json*>> keyed;
    for (const Json& element : list) {
        std::pair<int, double> key{1, 0.0};
        if (element.is_object()) {
            const auto id = element.find("goods_id");
            if (id != element.end() && id->is_number() && !std::isnan(id->get<double>()))
                key = {0, -id->get<double>()};
        }
        keyed.emplace_back(key, &element);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const Json*> sorted;
    for (const auto& entry : keyed)
        sorted.push_back(entry.second);
    return sorted;
}

void writeRecord(RequestBuilder& request, const Json& record, QDataStream& into)
{
    Block block;
    for (const RecordField& field : kRecordFields) {
        if (field.role == Role::Text) {
            request.json().toStream(request.json().get(record, field.tag), field.tag, block.stream,
                                    request.codec(field.encoding));
        } else if (!request.member(record, field.tag, block.stream, field.encoding) &&
                   field.role == Role::Required) {
            request.reject(recordEntry(field.tag, record));
        }
    }
    writeBlock(request, kItem, block, into);
}

}  // namespace

int CommandWriteGoods::prepare()
{
    RequestBuilder request(*this, "write goods begin", korvex::withoutTaskItem());
    if (request.isNull())
        return request.nullResult();
    const Json& input = request.input();
    logInput(input);

    const bool hasList = request.json().contains(input, kList);
    if (!hasList)
        request.reject(kList);
    const Json& list = hasList ? input.at("list") : kNoList;
    if (!list.is_array())
        request.reject(kList);

    request.member(kDeleteBefore);
    Block items;
    for (const Json* record : descendingById(list))
        writeRecord(request, *record, items.stream);
    writeBlock(request, kList, items, request.stream());
    return request.finish(402);
}

Json CommandWriteGoods::parse(const QByteArray& body)
{
    return korvex::convertRecords(body, kItem, {{kGoodsId}, {kResponse}});
}
