// Requests with a task id become tasks; the status query reports them.
#include "sim/sim_fixture.h"
#include "sim/response_codes.h"

namespace sim_testing {
namespace {

namespace response = korvex::sim::response;

using TaskTest = SimTest;

TEST_F(TaskTest, UnknownTaskAndMissingIdAreRefused)
{
    EXPECT_EQ(call(212, task(404)).response, response::kUnknownTask);
    EXPECT_EQ(call(212).response, response::kBadParameter);
}

TEST_F(TaskTest, RunningTaskReportsNotFinished)
{
    simulator.setTaskDelay(milliseconds(600000));
    ASSERT_EQ(call(201).response, 0);
    ASSERT_EQ(call(203, task(1) + item(13, u16(1))).response, 0);
    for (int i = 0; i < 3; ++i) {
        const Answer status = call(212, task(1));
        EXPECT_EQ(status.response, response::kTaskRunning);
        EXPECT_EQ(status.extended, response::kTaskRunningExtended);
        EXPECT_TRUE(status.body.isEmpty());
    }
}

TEST_F(TaskTest, TaskFinishesAfterItsDelay)
{
    simulator.setTaskDelay(milliseconds(150));
    ASSERT_EQ(call(201).response, 0);
    ASSERT_EQ(call(203, task(1) + item(13, u16(1))).response, 0);
    Answer status = call(212, task(1));
    for (int polls = 0; status.response == response::kTaskRunning && polls < 500; ++polls) {
        EXPECT_EQ(status.extended, response::kTaskRunningExtended);
        client->readSome(milliseconds(20));
        status = call(212, task(1));
    }
    EXPECT_EQ(status.response, 0);
    EXPECT_EQ(status.extended, 0u);
    EXPECT_EQ(numberOf(valueOf(status.body, 59)), 1u);
}

TEST_F(TaskTest, RefusedCommandLeavesItsCodeInTheTask)
{
    ASSERT_EQ(call(201).response, 0);
    ASSERT_EQ(call(206, task(5) + itemPayload(100, 10000)).response, response::kNoDocument);
    EXPECT_EQ(call(212, task(5)).response, response::kNoDocument);
}

TEST_F(TaskTest, CommandWithoutFiscalDocumentReportsOnlyTheShift)
{
    ASSERT_EQ(call(201).response, 0);
    ASSERT_EQ(call(208, task(3)).response, 0);
    const Answer status = call(212, task(3));
    ASSERT_EQ(status.response, 0);
    EXPECT_FALSE(itemOf(status.body, 59).has_value());
    EXPECT_EQ(numberOf(valueOf(status.body, 82)), 0u);
    for (std::uint16_t block = 103; block <= 108; ++block)
        EXPECT_TRUE(itemOf(status.body, block).has_value()) << block;
}

TEST_F(TaskTest, ReusedIdNamesTheLatestTask)
{
    openShift();
    ASSERT_EQ(call(205, task(1) + openDocPayload(1)).response, 0);
    ASSERT_EQ(call(206, task(1) + itemPayload(100, 10000)).response, 0);
    ASSERT_EQ(call(209, task(1) + cashPayload(100)).response, 0);
    EXPECT_EQ(numberOf(valueOf(call(212, task(1)).body, 59)), 2u);
}

TEST_F(TaskTest, MarkingCheckReportsItsOutcome)
{
    ASSERT_EQ(call(201).response, 0);
    const QByteArray request = item(163, u8(2)) + item(38, u64(10000));
    ASSERT_EQ(call(228, task(7) + item(126, "0104600439931256215abcdefghijklm") + request).response, 0);
    ASSERT_EQ(call(228, task(8) + item(126, "garbage") + request).response, 0);
    const Answer good = call(212, task(7));
    EXPECT_EQ(numberOf(valueOf(good.body, 170)), 15u);
    EXPECT_EQ(numberOf(valueOf(good.body, 163)), 2u);
    EXPECT_EQ(numberOf(valueOf(call(212, task(8)).body, 170)), 0u);
    EXPECT_EQ(call(228, task(9) + request).response, response::kBadParameter);
}

}  // namespace
}  // namespace sim_testing
