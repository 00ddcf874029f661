// The configuration block read page by page on one connection.
#include "sim/sim_fixture.h"
#include "sim/response_codes.h"

namespace sim_testing {
namespace {

namespace response = korvex::sim::response;

using ConfigTest = SimTest;

TEST_F(ConfigTest, PagesChainToTheWholeBlock)
{
    QByteArray block;
    std::vector<std::uint64_t> asked;
    std::uint64_t page = 1;
    while (page != 0 && asked.size() < 100) {
        asked.push_back(page);
        const Answer answer = call(7, item(11, u16(std::uint16_t(page))));
        ASSERT_EQ(answer.response, 0);
        block += itemOf(answer.body, 12).value_or(QByteArray());
        page = numberOf(itemOf(answer.body, 11).value_or(QByteArray()));
    }
    EXPECT_EQ(asked, (std::vector<std::uint64_t>{1, 2, 3, 4}));
    EXPECT_EQ(block, simulator.withState([](korvex::sim::RegisterState& s) { return s.configuration; }));
}

TEST_F(ConfigTest, PageZeroIsTheFirstAndPagesPastTheEndAreRefused)
{
    EXPECT_EQ(call(7, item(11, u16(0))).body, call(7, item(11, u16(1))).body);
    const Answer past = call(7, item(11, u16(5)));
    EXPECT_EQ(past.response, response::kNoSuchPage);
    EXPECT_TRUE(past.body.isEmpty());
}

}  // namespace
}  // namespace sim_testing
