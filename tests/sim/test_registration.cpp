// Registration of a fresh register: 215 opens, 216 adds long attributes, 217 completes and
// writes the registration report.
#include "sim/sim_fixture.h"
#include "sim/response_codes.h"

namespace sim_testing {
namespace {

namespace response = korvex::sim::response;
using korvex::sim::FaultKind;

korvex::sim::Options fresh()
{
    korvex::sim::Options options = quickOptions();
    options.registered = false;
    return options;
}

const QByteArray kCompletion = item(28, "0000000002054321") + item(92, "7700000009") + item(27, u8(2));

class RegistrationTest : public SimTest {
protected:
    RegistrationTest() : SimTest(fresh()) {}
};

TEST_F(RegistrationTest, StepsRegisterTheRegister)
{
    ASSERT_EQ(call(215, task(1)).response, 0);
    ASSERT_EQ(call(212, task(1)).response, 0);
    ASSERT_EQ(call(216, task(2) + item(91, "\xC8\xCF \xC8\xE2\xE0\xED\xEE\xE2")).response, 0);
    ASSERT_EQ(call(212, task(2)).response, 0);
    ASSERT_EQ(call(217, task(3) + kCompletion).response, 0);
    const Answer status = call(212, task(3));
    ASSERT_EQ(status.response, 0);
    EXPECT_EQ(numberOf(valueOf(status.body, 59)), 1u);

    const QByteArray record = valueOf(call(102, item(20, u32(1))).body, 21);
    ASSERT_EQ(record.size(), 47);
    EXPECT_EQ(record.mid(13, 12), QByteArray("7700000009  "));
    EXPECT_EQ(record.mid(25, 20), QByteArray("0000000002054321    "));
    EXPECT_EQ(record[45], 2);
    const Answer state = call(6);
    EXPECT_EQ(itemOf(state.body, 91), QByteArray("\xC8\xCF \xC8\xE2\xE0\xED\xEE\xE2"));
    EXPECT_EQ(itemOf(state.body, 28), QByteArray("0000000002054321"));
    // Now fiscal work may begin.
    ASSERT_EQ(call(201).response, 0);
    EXPECT_EQ(call(203, item(13, u16(1))).response, 0);
}

TEST_F(RegistrationTest, StepsOutOfOrderAreRefused)
{
    EXPECT_EQ(call(216, task(1) + item(91, "A")).response, response::kNoRegistration);
    EXPECT_EQ(call(217, task(2) + kCompletion).response, response::kNoRegistration);
    ASSERT_EQ(call(215, task(3)).response, 0);
    EXPECT_EQ(call(216, task(4) + item(41, "A")).response, response::kBadParameter);
    EXPECT_EQ(call(217, task(5) + item(24, "1111") + kCompletion).response, response::kFdSerialMismatch);
    EXPECT_EQ(call(217, task(6) + item(28, "1")).response, response::kBadParameter);
}

TEST_F(RegistrationTest, ReregistrationNeedsAReasonAndAClosedShift)
{
    ASSERT_EQ(call(215, task(1)).response, 0);
    ASSERT_EQ(call(217, task(2) + kCompletion).response, 0);
    ASSERT_EQ(call(215, task(3)).response, 0);
    EXPECT_EQ(call(217, task(4) + kCompletion).response, response::kBadParameter);
    ASSERT_EQ(call(217, task(5) + item(116, u8(4))).response, 0);
    const Answer fd = call(102, item(20, u32(2)));
    EXPECT_EQ(numberOf(valueOf(fd.body, 19)), 11u);
    EXPECT_EQ(toHex(valueOf(fd.body, 21).mid(47)), "04");
    openShift();
    EXPECT_EQ(call(215, task(6)).response, response::kShiftOpen);
}

TEST_F(RegistrationTest, EndlessStatusFaultKeepsTheStepRunning)
{
    simulator.faults().add({FaultKind::kEndlessStatus});
    ASSERT_EQ(call(215, task(1)).response, 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(call(212, task(1)).response, response::kTaskRunning);
    // The fault was for one task only.
    ASSERT_EQ(call(215, task(2)).response, 0);
    EXPECT_EQ(call(212, task(2)).response, 0);
}

}  // namespace
}  // namespace sim_testing
