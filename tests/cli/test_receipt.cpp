// `korvex3 receipt FILE`: a whole receipt, its refusal and a closing whose reply is lost.
#include "cli_fixture.h"
#include "sim/model/fiscal_document.h"
#include "tlv/json.h"

namespace cli_tests {
namespace {

using ::testing::HasSubstr;

constexpr const char* kTea = R"({"dept_id": 1, "price": 1500000, "quant": 10000, "intcode": "A1", "name": "Tea"})";

std::string receiptWith(const std::string& items)
{
    return R"({"operator": {"user_id": 1, "user_name": "Ivanova"}, "items": [)" + items +
           R"(], "texts": [{"text_type": 1, "text": "Thank you"}], "payments": {"cash": 2000000}})";
}

class ReceiptTest : public CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        ASSERT_EQ(tool({"enter"}).status, 0);
        ASSERT_EQ(tool({"open-shift", R"({"user_id": 1})"}).status, 0);
    }

    int receiptsOnTheDrive()
    {
        return simulator.withState([](auto& s) {
            int count = 0;
            for (const auto& document : s.drive.documents())
                count += document.type == korvex::sim::doc_type::kReceipt;
            return count;
        });
    }
    unsigned lastDocument()
    {
        return simulator.withState([](auto& s) { return unsigned(s.drive.lastNumber()); });
    }
    bool documentOpen()
    {
        return simulator.withState([](auto& s) { return s.receipt.has_value(); });
    }
};

TEST_F(ReceiptTest, IsFiscalisedAndReportsItsDocument)
{
    const ToolRun run = tool({"receipt", writeFile("sale.json", receiptWith(kTea))});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json summary = Json::parse(run.out, nullptr, false);
    EXPECT_EQ(summary.value("fiscalised", false), true);
    EXPECT_EQ(summary.value("fd_number", 0u), lastDocument());
    EXPECT_TRUE(summary["fd_sign"].is_number_unsigned());
    EXPECT_THAT(run.err, HasSubstr("receipt fiscalised: fiscal document " + std::to_string(lastDocument())));
    EXPECT_EQ(receiptsOnTheDrive(), 1);
}

TEST_F(ReceiptTest, RefusedItemCancelsTheDocumentAndNamesTheStep)
{
    const std::string badTax = R"({"tax_id": 9, "price": 100, "quant": 10000, "intcode": "X", "name": "X"})";
    const ToolRun run = tool({"receipt", writeFile("refused.json", receiptWith(std::string(kTea) + ", " + badTax))});
    EXPECT_EQ(run.status, 1) << run.err;
    const Json summary = Json::parse(run.out, nullptr, false);
    EXPECT_EQ(summary.value("fiscalised", true), false);
    EXPECT_EQ(summary.value("step", ""), "add-item #2");
    EXPECT_EQ(summary.value("response", 0), 6);
    EXPECT_EQ(summary.value("cancelled", false), true);
    EXPECT_THAT(run.err, HasSubstr("add-item #2: register refused: response 6"));
    EXPECT_THAT(run.err, HasSubstr("cancel-doc: ok"));
    EXPECT_FALSE(documentOpen());
    EXPECT_EQ(receiptsOnTheDrive(), 0);
}

TEST_F(ReceiptTest, LostClosingReplyIsAskedAboutNeverSentAgain)
{
    // Replies before the closing: the tool's opening exchange, open-doc, one item, one text.
    korvex::sim::Fault passThrough{korvex::sim::FaultKind::kDelay};
    passThrough.count = 4;
    simulator.faults().add(passThrough);
    simulator.faults().add({korvex::sim::FaultKind::kSilent});

    const ToolRun run = tool({"receipt", writeFile("lost.json", receiptWith(kTea))}, {}, "1000");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.err, HasSubstr("close-doc: -4: no reply"));
    EXPECT_THAT(run.err, HasSubstr("it is not sent again"));
    const Json summary = Json::parse(run.out, nullptr, false);
    EXPECT_EQ(summary.value("fiscalised", false), true);
    EXPECT_EQ(summary.value("fd_number", 0u), lastDocument());
    EXPECT_EQ(receiptsOnTheDrive(), 1);
    EXPECT_FALSE(documentOpen());
}

TEST_F(ReceiptTest, FileThatIsNoReceiptSendsNothing)
{
    const ToolRun run = tool({"receipt", writeFile("no-payments.json", R"({"operator": {"user_id": 1}, "items": [{}]})")});
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr("is not a receipt: \"payments\" is missing"));
    EXPECT_FALSE(documentOpen());
}

}  // namespace
}  // namespace cli_tests
