// Commands out of order are refused with the register's own codes, as a real register does;
// each case is the way to the state and the refused command.
#include "sim/sim_fixture.h"
#include "sim/response_codes.h"

namespace sim_testing {
namespace {

namespace response = korvex::sim::response;

struct Step {
    std::uint16_t cmd;
    QByteArray payload;
    std::uint16_t response = 0;
};

struct OrderCase {
    const char* name;
    std::vector<Step> steps;  // every step but the last must be accepted
};

const QByteArray kOperator = item(13, u16(1));
const Step kEnter{201, {}};
const Step kOpenShift{203, kOperator};
const Step kOpenSale{205, openDocPayload(1)};
const Step kItem{206, itemPayload(1000000, 10000)};  // 100.00 x 1

class OrderTest : public SimTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(OrderTest, RefusesTheLastStep)
{
    const std::vector<Step>& steps = GetParam().steps;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Answer answer = call(steps[i].cmd, steps[i].payload);
        ASSERT_TRUE(answer.received) << "step " << i;
        EXPECT_EQ(answer.response, steps[i].response) << "step " << i << ", command " << steps[i].cmd;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrderTest,
    ::testing::Values(
        OrderCase{"receipt_outside_emulation", {{203, kOperator, response::kNotInEmulation}}},
        OrderCase{"report_outside_emulation", {{208, {}, response::kNotInEmulation}}},
        OrderCase{"open_shift_twice", {kEnter, kOpenShift, {203, kOperator, response::kShiftOpen}}},
        OrderCase{"close_closed_shift", {kEnter, {204, kOperator, response::kShiftClosed}}},
        OrderCase{"shift_without_operator", {kEnter, {203, {}, response::kBadParameter}}},
        OrderCase{"document_without_shift", {kEnter, {205, openDocPayload(1), response::kShiftClosed}}},
        OrderCase{"document_twice", {kEnter, kOpenShift, kOpenSale, {205, openDocPayload(1), response::kDocumentOpen}}},
        OrderCase{"unknown_document_kind", {kEnter, kOpenShift, {205, openDocPayload(9), response::kUnknownDocKind}}},
        OrderCase{"item_without_document", {kEnter, kOpenShift, {206, itemPayload(100, 10000), response::kNoDocument}}},
        OrderCase{"item_without_price", {kEnter, kOpenShift, kOpenSale, {206, item(51, u8(1)) + item(38, u64(1)) + item(41, "X"), response::kBadParameter}}},
        OrderCase{"close_without_items", {kEnter, kOpenShift, kOpenSale, {209, cashPayload(100), response::kNoItems}}},
        OrderCase{"payment_short", {kEnter, kOpenShift, kOpenSale, kItem, {209, cashPayload(999900), response::kPaymentShort}}},
        OrderCase{"payment_beyond_any_total", {kEnter, kOpenShift, kOpenSale, kItem, {209, item(31, u64(~0ull)) + item(32, u64(~0ull)), response::kBadParameter}}},
        OrderCase{"card_above_total", {kEnter, kOpenShift, kOpenSale, kItem, {209, item(32, u64(1000100)), response::kPaymentTooLarge}}},
        OrderCase{"cash_return_above_drawer", {kEnter, kOpenShift, {205, openDocPayload(2)}, kItem, {209, cashPayload(1000000), response::kNotEnoughCash}}},
        OrderCase{"cancel_without_document", {kEnter, kOpenShift, {207, {}, response::kNoDocument}}},
        OrderCase{"text_without_document", {kEnter, {218, item(120, u8(1)) + item(42, "A"), response::kNoDocument}}},
        OrderCase{"close_shift_with_document", {kEnter, kOpenShift, kOpenSale, {204, kOperator, response::kDocumentOpen}}},
        OrderCase{"exit_with_document", {kEnter, kOpenShift, kOpenSale, {202, {}, response::kDocumentOpen}}},
        OrderCase{"print_with_document", {kEnter, kOpenShift, kOpenSale, {211, item(42, "A"), response::kDocumentOpen}}},
        OrderCase{"archive_with_open_shift", {kEnter, kOpenShift, {219, kOperator, response::kShiftOpen}}},
        OrderCase{"clock_before_last_document", {kEnter, kOpenShift, {18, item(139, u32(1000)), response::kClockBeforeLastDocument}}},
        OrderCase{"print_missing_document", {kEnter, {220, item(59, u32(77)), response::kNoFiscalDocument}}},
        OrderCase{"exit_leaves_emulation", {kEnter, {202, {}}, {203, kOperator, response::kNotInEmulation}}},
        OrderCase{"reset_cancels_document", {kEnter, kOpenShift, kOpenSale, {15, {}}, kEnter, {206, itemPayload(100, 1), response::kNoDocument}}},
        OrderCase{"cancel_then_new_document", {kEnter, kOpenShift, kOpenSale, kItem, {207, {}}, kOpenSale, kItem, {209, cashPayload(1000000)}}},
        OrderCase{"second_shift_after_closing", {kEnter, kOpenShift, {204, kOperator}, kOpenShift}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimTest, FiscalWorkNeedsRegistration)
{
    simulator.withState([](korvex::sim::RegisterState& s) { s.fiscal.registered = false; });
    ASSERT_EQ(call(201).response, 0);
    EXPECT_EQ(call(203, item(13, u16(1))).response, response::kNotRegistered);
}

TEST_F(SimTest, ClosedArchiveTakesNoMoreDocuments)
{
    ASSERT_EQ(call(201).response, 0);
    ASSERT_EQ(call(219, item(13, u16(1))).response, 0);
    EXPECT_EQ(call(203, item(13, u16(1))).response, response::kArchiveClosed);
}

}  // namespace
}  // namespace sim_testing
