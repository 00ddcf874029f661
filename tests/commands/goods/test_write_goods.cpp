// Storing goods records: the record blocks in descending goods_id order, the fields of each
// record in their fixed order, and the error entries that name a failing record.
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "commands/goods/command_write_goods.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

using Write = Prepared<CommandWriteGoods>;

QByteArray requestPayload(const Write& p) { return payloadOf(p.command.request); }

// goods_id of each `item` block inside the payload's `list`, in wire order.
std::vector<std::uint64_t> recordIds(const QByteArray& payload)
{
    std::vector<std::uint64_t> ids;
    for (const Item& record : itemsOf(itemOf(payload, 132).value_or(QByteArray())))
        if (record.tag == 130)
            ids.push_back(numberOf(itemOf(record.value, 129).value_or(QByteArray())));
    return ids;
}

std::string record(int id) { return R"({"goods_id":)" + std::to_string(id) + R"(,"name":"A","intcode":"1","item_attr":1,"dept_id":1})"; }

TEST(WriteGoods, OneRecord)
{
    Write p(R"({"list":[{"goods_id":1,"name":"A","intcode":"1","item_attr":1,"dept_id":1}]})", 6);
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(p.code(), 402);
    EXPECT_EQ(p.payload(), "84 00 1E 00 82 00 1A 00 81 00 02 00 01 00 29 00 01 00 41 28 00 01 00 31 76 00 01 00 01 "
                           "24 00 01 00 01");
}

TEST(WriteGoods, EveryFieldInRecordOrderAfterDeleteBefore)
{
    // Keys in another order than the wire's; name and unit go out in Windows-1251, intcode as UTF-8.
    Write p(R"({"list":[{"dept_id":2,"excise":7,"price":1299,"item_attr_ext":4,"item_attr":3,"unit":"шт",
                         "barcode":"46","intcode":"Б","name":"Б","goods_id":258}],"delete_before":1})");
    ASSERT_EQ(p.result, 0);
    const std::vector<Item> top = itemsOf(requestPayload(p));
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(toHex(item(top[0].tag, top[0].value)), "88 00 01 00 01");
    EXPECT_EQ(top[1].tag, 132);
    EXPECT_EQ(toHex(top[1].value),
              toHex(item(130, item(129, u16(258)) + item(41, "\xC1") + item(40, "\xD0\x91") + item(133, "46") +
                                  item(134, "\xF8\xF2") + item(118, u8(3)) + item(119, u8(4)) +
                                  item(37, u64(1299)) + item(137, u64(7)) + item(36, u8(2)))));
}

TEST(WriteGoods, EmptyTextsOfOptionalFieldsAreNotSent)
{
    Write p(R"({"list":[{"goods_id":1,"name":"A","intcode":"1","item_attr":1,"dept_id":1,"barcode":"","unit":"",
                         "price":"12"}]})");
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(recordIds(requestPayload(p)), std::vector<std::uint64_t>{1});
    EXPECT_EQ(payloadOf(p.command.request).size(), 34);  // the one-record request, nothing added
}

TEST(WriteGoods, RecordsGoDescendingByGoodsId)
{
    Write p(QByteArray::fromStdString(R"({"list":[)" + record(3) + "," + record(7) + "," + record(5) + "]}"));
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(recordIds(requestPayload(p)), (std::vector<std::uint64_t>{7, 5, 3}));
}

TEST(WriteGoods, ManyRecordsIncludingEqualIdsStayDescending)
{
    std::string list;
    std::vector<std::uint64_t> expected;
    for (int i = 0; i < 40; ++i) {
        const int id = (i * 37) % 20;  // every id twice, scattered
        list += (list.empty() ? "" : ",") + record(id);
        expected.push_back(std::uint64_t(id));
    }
    std::sort(expected.rbegin(), expected.rend());
    Write p(QByteArray::fromStdString(R"({"list":[)" + list + "]}"));
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(recordIds(requestPayload(p)), expected);
}

TEST(WriteGoods, ElementsWithoutNumericIdDoNotUpsetTheOrdering)
{
    // Enough elements that the sort leaves its small-range path; every odd one lacks a usable id.
    std::string list;
    const char* const odd[] = {"5", R"("x")", "null", "[1]", R"({"goods_id":"4"})", R"({"name":"A"})", "true"};
    for (int i = 0; i < 42; ++i)
        list += std::string(i ? "," : "") + (i % 2 ? odd[(i / 2) % 7] : record(i));
    Write p(QByteArray::fromStdString(R"({"list":[)" + list + "]}"));
    EXPECT_EQ(p.result, -8);
    EXPECT_FALSE(p.framed());
    const Json errors = Json::parse(p.output());
    ASSERT_TRUE(errors.is_array());
    // Each bad element fails on goods_id; the non-objects on every required field.
    int goodsIdEntries = 0;
    for (const Json& entry : errors)
        goodsIdEntries += entry.is_object() && entry.contains("goods_id");
    EXPECT_EQ(goodsIdEntries, 21);
}

const CommandKind write = kindOf<CommandWriteGoods>(402);

const RequestCase kCases[] = {
    {"RecordWithoutNameAndDepartment", write, 0, R"({"list":[{"goods_id":1,"intcode":"1","item_attr":1}]})", -8,
     R"([{"name":{"goods_id":1,"intcode":"1","item_attr":1}},{"dept_id":{"goods_id":1,"intcode":"1","item_attr":1}}])"},
    {"WrongTypes", write, 0, R"({"list":[{"goods_id":"1","name":2,"intcode":"1","item_attr":1,"dept_id":1}]})", -8,
     R"([{"goods_id":{"dept_id":1,"goods_id":"1","intcode":"1","item_attr":1,"name":2}},)"
     R"({"name":{"dept_id":1,"goods_id":"1","intcode":"1","item_attr":1,"name":2}}])"},
    {"NoList", write, 0, R"({"delete_before":1})", -8, R"(["list","list"])"},
    {"NotJson", write, 0, "[", -8, R"(["list","list"])"},
    {"ListAsNumber", write, 0, R"({"list":5})", -8,
     R"(["list",{"goods_id":5},{"name":5},{"intcode":5},{"item_attr":5},{"dept_id":5}])"},
    {"ListAsObject", write, 0, R"({"list":{"a":{"goods_id":1,"name":"A","intcode":"1","item_attr":1,"dept_id":1}}})",
     -8, R"(["list"])"},
    {"EmptyListSendsNoListItem", write, 0, R"({"list":[],"delete_before":1})", 0, "88 00 01 00 01"},
    {"Null", write, 0, "null", -9, ""},
};

class WriteGoodsRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(WriteGoodsRequest, Builds) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, WriteGoodsRequest, testing::ValuesIn(kCases), caseName);

TEST(WriteGoodsParse, ListsIdAndResponseLastRecordFirst)
{
    CommandWriteGoods command("127.0.0.1", 1, QString());
    const QByteArray payload = item(130, item(129, u16(1)) + item(8, u16(0)) + item(41, "A")) +
                               item(130, item(129, u16(2)) + item(8, u16(3)));
    EXPECT_EQ(command.parse(payload), Json::parse(R"([{"goods_id":2,"response":3},{"goods_id":1,"response":0}])"));
    EXPECT_TRUE(command.parse(item(8, u16(0))).is_null());
}

}  // namespace
