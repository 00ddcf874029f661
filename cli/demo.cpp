#include "demo.h"

#include <sstream>

#include "korvex3/result_codes.h"
#include "exit_status.h"
#include "receipt_runner.h"
#include "run_command.h"

namespace korvex3_cli {

namespace {

// Two goods at 150.00 and 89.90 (prices and quantities in 1/10000 of a unit).
constexpr const char* kGoods =
    R"({"list": [{"goods_id": 1, "name": "Tea", "intcode": "A1", "item_attr": 1, "dept_id": 1, "price": 1500000},)"
    R"( {"goods_id": 2, "name": "Biscuits", "intcode": "B7", "item_attr": 1, "dept_id": 1, "price": 899000}]})";

constexpr const char* kReceipt = R"({
  "operator": {"user_id": 1, "user_name": "Ivanova"},
  "items": [
    {"dept_id": 1, "price": 1500000, "quant": 20000, "intcode": "A1", "name": "Tea"},
    {"dept_id": 1, "price": 899000, "quant": 10000, "intcode": "B7", "name": "Biscuits"}
  ],
  "texts": [{"text_type": 1, "text": "Thank you for your purchase"}],
  "payments": {"cash": 4000000}
})";

class Tour {
public:
    Tour(Console& console, const Connection& connection, bool compact)
        : console_{console.out, console.out, false}, connection_(connection), compact_(compact)
    {
    }

    // One command of the day; false when it did not end with `expected`.
    bool step(const char* note, const char* name, const std::string& argument = {},
              int expected = kExitSuccess)
    {
        heading(note);
        console_.out << "$ korvex3 " << name << (argument.empty() ? "" : " '" + argument + "'") << '\n';
        const Subcommand& command = *findSubcommand(name);
        std::istringstream noInput;
        const Prepared prepared =
            prepareRequest(command, argument.empty() ? std::vector<std::string>{} : std::vector{argument}, noInput);
        return ended(runRequest(console_, connection_, command, *prepared.request, compact_), expected);
    }

    // The receipt file shown, then run; the fiscal document's number, or 0 when it failed.
    unsigned long long receipt(const char* note)
    {
        heading(note);
        console_.out << "$ cat receipt.json\n" << kReceipt << "\n$ korvex3 receipt receipt.json\n";
        const ReceiptPlan plan = *planReceipt(nlohmann::json::parse(kReceipt)).plan;
        const ReceiptOutcome outcome = runReceipt(console_, connection_, plan);
        printText(console_.out, outcome.summary.dump(), compact_);
        if (!ended(outcome.exitStatus, kExitSuccess))
            return 0;
        const nlohmann::json number = outcome.summary.value("fd_number", nlohmann::json());
        if (number.is_number_unsigned())
            return number.get<unsigned long long>();
        ended(kExitUnknownCode, kExitSuccess);  // fiscalised, yet without a document number
        return 0;
    }

    int status() const { return status_; }

private:
    void heading(const char* note)
    {
        console_.out << "\n-- " << ++count_ << ". " << note << '\n';
    }

    bool ended(int status, int expected)
    {
        if (status == expected)
            return true;
        console_.out << "\ndemo stopped: step " << count_ << " ended with exit status " << status
                     << " where " << expected << " was expected\n";
        status_ = status == kExitSuccess ? kExitUnknownCode : status;
        return false;
    }

    Console console_;
    const Connection& connection_;
    bool compact_;
    int count_ = 0;
    int status_ = kExitSuccess;
};

}  // namespace

int runDemo(Console& console, const Connection& connection, bool compact)
{
    console.out << "A day at the register at " << connection.where.address << ".\n"
                << "Each step shows the command you would type (with --address HOST[:PORT] for your\n"
                << "register) and what it printed: JSON results, then the result code in words.\n";
    Tour tour(console, connection, compact);
    const bool morning =
        tour.step("Who is there: the register's identity", "info") &&
        tour.step("How it is set up for fiscal work", "state") &&
        tour.step("The fiscal drive: last document, shift, documents waiting", "fdstate") &&
        tour.step("Enter the emulation mode, in which receipts are made", "enter") &&
        tour.step("Open the shift for the operator", "open-shift", R"({"user_id": 1, "user_name": "Ivanova"})") &&
        tour.step("Store two goods in the register's database", "write-goods", kGoods) &&
        tour.step("Read them back", "read-goods", R"({"list": [{"goods_id": 1}, {"goods_id": 2}]})");
    if (!morning)
        return tour.status();
    const unsigned long long document = tour.receipt("Sell: a whole receipt from one file");
    if (document == 0)
        return tour.status();
    const std::string byNumber = "{\"fd_doc_id\": " + std::to_string(document) + "}";
    const bool afternoon =
        tour.step("The receipt as the fiscal drive keeps it", "get-fd", byNumber) &&
        tour.step("The same document imported in the fiscal drive's own format", "import-doc", byNumber) &&
        tour.step("A slip: an item with no document open; the register refuses it", "add-item",
                  R"({"dept_id": 1, "price": 1500000, "quant": 10000, "intcode": "A1", "name": "Tea"})",
                  kExitRefused) &&
        tour.step("Another: fields missing; the library refuses before sending", "add-item",
                  R"({"dept_id": 1})", kExitLibraryBase - korvex3::kInvalidFields) &&
        tour.step("Cash in the drawer", "get-money") &&
        tour.step("The X-report", "report-x") &&
        tour.step("Close the shift", "close-shift", R"({"user_id": 1, "user_name": "Ivanova"})") &&
        tour.step("Leave the emulation mode", "exit");
    if (!afternoon)
        return tour.status();
    console.out << "\nThe day is done: every step ended as expected.\n";
    return kExitSuccess;
}

}  // namespace korvex3_cli
