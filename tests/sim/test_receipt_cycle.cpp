// A sale from opening to its fiscal document: totals, change, counters, the cash total and
// the document as the fiscal drive hands it back.
#include <ctime>

#include "sim/sim_fixture.h"

namespace sim_testing {
namespace {

class ReceiptCycleTest : public SimTest {
protected:
    // Two items, 100.00 x 2 and 12.34 x 1.5 (18.51), paid with 250.00 cash.
    void sell()
    {
        openShift();
        ASSERT_EQ(call(205, task(10) + openDocPayload(1)).response, 0);
        ASSERT_EQ(call(206, task(11) + itemPayload(1000000, 20000, "\xCC\xEE\xEB\xEE\xEA\xEE")).response, 0);
        ASSERT_EQ(call(206, task(12) + itemPayload(123400, 15000)).response, 0);
        ASSERT_EQ(call(209, task(13) + cashPayload(2500000)).response, 0);
    }

    static constexpr std::uint64_t kTotal = 2185100;  // 218.51
};

TEST_F(ReceiptCycleTest, StatusOfTheClosingNamesItsDocumentAndCounters)
{
    sell();
    const Answer status = call(212, task(13));
    ASSERT_EQ(status.response, 0);
    EXPECT_EQ(numberOf(valueOf(status.body, 59)), 2u);  // after the shift opening report
    EXPECT_TRUE(itemOf(status.body, 60).has_value());
    EXPECT_EQ(numberOf(valueOf(status.body, 58)) % 60, 0u);
    EXPECT_EQ(numberOf(valueOf(status.body, 43)), 1u);
    EXPECT_EQ(numberOf(valueOf(status.body, 82)), 1u);
    EXPECT_EQ(numberOf(valueOf(status.body, 15)), kTotal);  // the change left the drawer
    const QByteArray sales = valueOf(status.body, 103);
    EXPECT_EQ(numberOf(valueOf(sales, 109)), 1u);
    EXPECT_EQ(numberOf(valueOf(sales, 110)), kTotal);
    EXPECT_EQ(numberOf(valueOf(valueOf(status.body, 105), 109)), 0u);
}

TEST_F(ReceiptCycleTest, CashTotalFollowsSalesAndReturns)
{
    sell();
    EXPECT_EQ(numberOf(valueOf(call(210).body, 15)), kTotal);
    ASSERT_EQ(call(205, openDocPayload(2)).response, 0);
    ASSERT_EQ(call(206, itemPayload(1000000, 10000)).response, 0);
    ASSERT_EQ(call(209, cashPayload(1000000)).response, 0);
    EXPECT_EQ(numberOf(valueOf(call(210).body, 15)), kTotal - 1000000);
}

TEST_F(ReceiptCycleTest, DocumentRecordHoldsDateNumberSignAndTotal)
{
    sell();
    const Answer status = call(212, task(13));
    const Answer fd = call(102, item(20, u32(2)));
    ASSERT_EQ(fd.response, 0);
    EXPECT_EQ(numberOf(valueOf(fd.body, 19)), 3u);
    const QByteArray record = valueOf(fd.body, 21);
    ASSERT_EQ(record.size(), 19);
    EXPECT_EQ(numberOf(record.mid(5, 4)), 2u);
    EXPECT_EQ(record.mid(9, 4), valueOf(status.body, 60));
    EXPECT_EQ(record[13], 1);                            // sale
    EXPECT_EQ(numberOf(record.mid(14, 5)), kTotal / 100);  // kopecks
    // The five date bytes are the document's minute in local time.
    std::tm local{};
    const std::time_t date = std::time_t(numberOf(valueOf(status.body, 58)));
    localtime_r(&date, &local);
    const char date5[] = {char(local.tm_year - 100), char(local.tm_mon + 1), char(local.tm_mday), char(local.tm_hour),
                          char(local.tm_min)};
    EXPECT_EQ(record.left(5), QByteArray(date5, 5));
}

TEST_F(ReceiptCycleTest, ShiftReportsCarryTheShiftNumber)
{
    openShift();
    ASSERT_EQ(call(204, item(13, u16(1))).response, 0);
    for (const std::uint32_t number : {1u, 2u}) {
        const Answer fd = call(102, item(20, u32(number)));
        EXPECT_EQ(numberOf(valueOf(fd.body, 19)), number == 1 ? 2u : 5u);
        EXPECT_EQ(toHex(valueOf(fd.body, 21).mid(13)), "01 00");
    }
}

TEST_F(ReceiptCycleTest, FiscalDriveStateCountsDocumentsAndTheShift)
{
    sell();
    const Answer state = call(104);
    ASSERT_EQ(state.response, 0);
    EXPECT_EQ(itemOf(state.body, 24), QByteArray("9999078900012345"));
    EXPECT_EQ(numberOf(valueOf(state.body, 16)), 2u);
    EXPECT_EQ(numberOf(valueOf(state.body, 43)), 1u);
    EXPECT_EQ(numberOf(valueOf(state.body, 86)), 1u);
    EXPECT_EQ(numberOf(valueOf(state.body, 82)), 1u);
    EXPECT_EQ(numberOf(valueOf(state.body, 79)), 3u);  // fiscal mode
}

TEST_F(ReceiptCycleTest, StateNamesTheOrganisationInWindows1251)
{
    const Answer state = call(6);
    ASSERT_EQ(state.response, 0);
    EXPECT_EQ(itemOf(state.body, 92), QByteArray("7700000009"));
    EXPECT_EQ(toHex(valueOf(state.body, 91).left(4)), "CE CE CE 20");  // "ООО "
    EXPECT_EQ(valueOf(state.body, 139).size(), 4);
}

TEST_F(ReceiptCycleTest, SettingTheClockMovesDocumentDates)
{
    const std::uint32_t later = std::uint32_t(std::time(nullptr)) + 86400 * 30;
    ASSERT_EQ(call(18, item(139, u32(later))).response, 0);
    openShift();
    const Answer fd = call(104);
    EXPECT_GE(numberOf(valueOf(fd.body, 18)) + 60, later);
}

}  // namespace
}  // namespace sim_testing
