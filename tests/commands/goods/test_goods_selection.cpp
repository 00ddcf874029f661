// Reading and deleting goods records select them the same way: by a list of goods_id or by
// a range. Every case runs through both commands.
#include <vector>

#include <gtest/gtest.h>

#include "commands/goods/command_delete_goods.h"
#include "commands/goods/command_read_goods.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

struct Selection {
    const char* name;
    const char* input;
    int result;
    const char* expected;  // the payload for 0, the error list for -8
};

const Selection kSelections[] = {
    {"List", R"({"list":[{"goods_id":1},{"goods_id":2}]})", 0, "84 00 0C 00 81 00 02 00 01 00 81 00 02 00 02 00"},
    {"ListInArrayOrder", R"({"list":[{"goods_id":9},{"goods_id":2}]})", 0,
     "84 00 0C 00 81 00 02 00 09 00 81 00 02 00 02 00"},
    {"RangeWithCount", R"({"range":{"goods_id":10,"goods_count":5}})", 0,
     "83 00 0C 00 81 00 02 00 0A 00 05 00 02 00 05 00"},
    {"RangeWithoutCount", R"({"range":{"goods_id":10}})", 0, "83 00 06 00 81 00 02 00 0A 00"},
    {"ListWinsOverRange", R"({"range":{"goods_id":10},"list":[{"goods_id":1}]})", 0, "84 00 06 00 81 00 02 00 01 00"},
    {"EmptyListSendsNothing", R"({"list":[]})", 0, ""},
    {"RangeWithoutFirstRecord", R"({"range":{"goods_count":5}})", -8, R"(["goods_id"])"},
    {"RangeNotAnObject", R"({"range":10})", -8, R"(["goods_id"])"},
    {"ListElementsWithoutNumber", R"({"list":[{"goods_id":1},{"goods_id":"2"},3]})", -8,
     R"([{"goods_id":{"goods_id":"2"}},{"goods_id":3}])"},
    // Not an array: refused, and its member values are still taken as the elements.
    {"ListAsObject", R"({"list":{"a":{"goods_id":1},"b":{}}})", -8, R"(["list",{"goods_id":{}}])"},
    {"ListAsNumber", R"({"list":7})", -8, R"(["list",{"goods_id":7}])"},
    {"ListNull", R"({"list":null})", -8, R"(["list"])"},
    // Neither selection: refused without an error list.
    {"NoSelection", R"({"goods_id":1})", -8, ""},
    {"NotJson", "{\"list\":[", -8, ""},
    {"Null", "null", -9, ""},
};

// Every selection through reading (401) and deleting (403); a task id is never sent.
std::vector<RequestCase> bothCommands()
{
    const CommandKind read = kindOf<CommandReadGoods>(401);
    const CommandKind remove = kindOf<CommandDeleteGoods>(403);
    std::vector<RequestCase> cases;
    for (const Selection& s : kSelections) {
        cases.push_back({"", read, 4, s.input, s.result, s.expected});
        cases.push_back({"", remove, 4, s.input, s.result, s.expected});
    }
    return cases;
}

class GoodsSelection : public testing::TestWithParam<RequestCase> {};

TEST_P(GoodsSelection, Builds) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, GoodsSelection, testing::ValuesIn(bothCommands()),
                         [](const testing::TestParamInfo<RequestCase>& info) {
                             return std::string(info.param.command.code == 401 ? "Read" : "Delete") +
                                    kSelections[info.index / 2].name;
                         });

TEST(ReadGoodsParse, ListsTheRecordsLastFirstWithTheirTexts)
{
    const QByteArray name("\xC0\xC1", 2);  // "АБ" in Windows-1251
    const QByteArray first = item(129, u16(1)) + item(41, name) + item(40, name) + item(133, "4601234567890") +
                             item(134, name) + item(37, u64(1299)) + item(137, u64(5)) + item(118, u8(1)) +
                             item(119, u8(2)) + item(36, u8(3)) + item(8, u16(0)) + item(43, u16(9));
    const QByteArray payload = item(130, first) + item(130, item(129, u16(2))) + item(130, item(129, u16(3)));
    CommandReadGoods command("127.0.0.1", 1, QString());
    const Json data = command.parse(payload);
    EXPECT_EQ(data, Json::parse(R"([{"goods_id":3},{"goods_id":2},{"goods_id":1,"name":"АБ","intcode":"АБ",
        "barcode":"4601234567890","unit":"АБ","price":1299,"excise":5,"item_attr":1,"item_attr_ext":2,
        "dept_id":3,"response":0}])"));
}

TEST(ReadGoodsParse, ReplyWithoutRecordsGivesNull)
{
    CommandReadGoods command("127.0.0.1", 1, QString());
    EXPECT_TRUE(command.parse(item(8, u16(0))).is_null());
}

}  // namespace
