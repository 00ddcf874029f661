// The goods database: per-record outcomes of writing, reading by list or range, deleting.
#include "sim/sim_fixture.h"
#include "sim/response_codes.h"

namespace sim_testing {
namespace {

namespace response = korvex::sim::response;

QByteArray goods(std::uint16_t id, const QByteArray& name)
{
    return item(130, item(129, u16(id)) + item(41, name) + item(40, "1") + item(118, u8(1)) + item(37, u64(5000))
                         + item(36, u8(1)));
}

QByteArray ids(std::initializer_list<std::uint16_t> numbers)
{
    QByteArray list;
    for (const std::uint16_t id : numbers)
        list += item(129, u16(id));
    return item(132, list);
}

// goods_id -> response of each record block of a reply, in reply order.
std::vector<std::pair<std::uint64_t, std::uint64_t>> outcomes(const QByteArray& body)
{
    std::vector<std::pair<std::uint64_t, std::uint64_t>> result;
    for (const Item& record : itemsOf(body))
        if (record.tag == 130)
            result.emplace_back(numberOf(valueOf(record.value, 129)), numberOf(valueOf(record.value, 8)));
    return result;
}

using Outcomes = std::vector<std::pair<std::uint64_t, std::uint64_t>>;

class GoodsTest : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        const Answer written = call(402, item(132, goods(3, "\xC0\xC1") + goods(5, "B") + goods(9, "C")));
        ASSERT_EQ(written.response, 0);
        ASSERT_EQ(outcomes(written.body), (Outcomes{{3, 0}, {5, 0}, {9, 0}}));
    }
};

TEST_F(GoodsTest, WriteReportsEachRecord)
{
    const QByteArray noName = item(130, item(129, u16(7)) + item(40, "1") + item(118, u8(1)) + item(36, u8(1)));
    const Answer written = call(402, item(132, goods(4, "D") + noName));
    EXPECT_EQ(outcomes(written.body), (Outcomes{{4, 0}, {7, response::kBadGoodsRecord}}));
    EXPECT_EQ(call(402).response, response::kBadParameter);
}

TEST_F(GoodsTest, ReadByListReturnsRecordsAndMisses)
{
    const Answer read = call(401, ids({5, 4, 3}));
    ASSERT_EQ(read.response, 0);
    EXPECT_EQ(outcomes(read.body), (Outcomes{{5, 0}, {4, response::kNoSuchGoods}, {3, 0}}));
    const QByteArray third = itemsOf(read.body)[2].value;
    EXPECT_EQ(itemOf(third, 41), QByteArray("\xC0\xC1"));
    EXPECT_EQ(numberOf(valueOf(third, 37)), 5000u);
    EXPECT_EQ(numberOf(valueOf(third, 36)), 1u);
}

TEST_F(GoodsTest, ReadByRange)
{
    EXPECT_EQ(outcomes(call(401, item(131, item(129, u16(4)) + item(5, u16(2)))).body), (Outcomes{{5, 0}}));
    EXPECT_EQ(outcomes(call(401, item(131, item(129, u16(4)))).body), (Outcomes{{5, 0}, {9, 0}}));
    EXPECT_EQ(outcomes(call(401).body), (Outcomes{{3, 0}, {5, 0}, {9, 0}}));
    EXPECT_EQ(call(401, item(131, item(5, u16(2)))).response, response::kBadParameter);
}

TEST_F(GoodsTest, DeleteThenReadMisses)
{
    EXPECT_EQ(outcomes(call(403, ids({5, 6})).body), (Outcomes{{5, 0}, {6, response::kNoSuchGoods}}));
    EXPECT_EQ(outcomes(call(401, ids({5})).body), (Outcomes{{5, response::kNoSuchGoods}}));
    EXPECT_EQ(call(403).response, response::kBadParameter);
}

TEST_F(GoodsTest, DeleteBeforeWritingEmptiesTheDatabase)
{
    call(402, item(136, u8(1)) + item(132, goods(1, "A")));
    EXPECT_EQ(outcomes(call(401).body), (Outcomes{{1, 0}}));
}

TEST_F(GoodsTest, FullDatabaseRefusesNewRecordsButUpdatesOld)
{
    simulator.withState([](korvex::sim::RegisterState& s) { s.identity.goodsCapacity = 3; });
    const Answer written = call(402, item(132, goods(3, "X") + goods(4, "Y")));
    EXPECT_EQ(outcomes(written.body), (Outcomes{{3, 0}, {4, response::kGoodsFull}}));
    EXPECT_EQ(numberOf(valueOf(call(1).body, 135)), 3u);
}

}  // namespace
}  // namespace sim_testing
