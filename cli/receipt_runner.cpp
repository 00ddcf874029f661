#include "receipt_runner.h"

#include <ctime>

#include "exit_status.h"

namespace korvex3_cli {

namespace {

// "2024-06-10 12:00" in the host's local time, for a date in seconds since 1970.
std::string localDate(const nlohmann::json& seconds)
{
    if (!seconds.is_number_unsigned())
        return "?";
    const std::time_t time = std::time_t(seconds.get<unsigned long long>());
    std::tm parts{};
    char text[32] = "?";
    if (localtime_r(&time, &parts))
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &parts);
    return text;
}

class ReceiptRun {
public:
    ReceiptRun(Console& console, const Connection& connection, const FollowLimits& limits)
        : console_(console), connection_(connection), limits_(limits)
    {
    }

    ReceiptOutcome run(const ReceiptPlan& plan)
    {
        Outcome open = step("open-doc", "open-doc", plan.openDoc);
        if (!accepted(open)) {
            // A refused opening opened nothing; one whose reply went astray may have.
            const bool mayBeOpen = open.code != korvex3::kOk && open.taskId.value_or(0) != 0;
            return failed("open-doc", open, mayBeOpen);
        }
        for (std::size_t i = 0; i < plan.items.size(); ++i) {
            const std::string label = "add-item #" + std::to_string(i + 1);
            const Outcome item = step(label, "add-item", plan.items[i]);
            if (!accepted(item))
                return failed(label, item, true);
        }
        for (std::size_t i = 0; i < plan.texts.size(); ++i) {
            const std::string label = "add-text #" + std::to_string(i + 1);
            const Outcome text = step(label, "add-text", plan.texts[i]);
            if (!accepted(text))
                return failed(label, text, true);
        }
        const Outcome close = step("close-doc", "close-doc", plan.closeDoc);
        const korvex3_u32 task = close.taskId.value_or(0);
        if (close.code == korvex3::kOk)
            return accepted(close) ? follow(task) : failed("close-doc", close, true);
        if (task == 0)
            return failed("close-doc", close, true);  // the closing never reached the register
        console_.err << "close-doc: the request went out as task " << task
                     << " but no usable reply came back; it is not sent again: asking the register about task "
                     << task << '\n';
        return follow(task);
    }

private:
    static bool accepted(const Outcome& outcome)
    {
        const auto verdict = outcome.code == korvex3::kOk ? verdictOf(outcome.text) : std::nullopt;
        return verdict && verdict->response == 0;
    }

    Outcome step(const std::string& label, std::string_view name, const nlohmann::json& json)
    {
        Request request;
        request.json = json.dump();
        const Outcome outcome = call(*findSubcommand(name), connection_.handle, connection_.timeout, request);
        const std::string task =
            outcome.taskId && *outcome.taskId != 0 ? " (task " + std::to_string(*outcome.taskId) + ")" : "";
        console_.err << label << ": ";
        const auto verdict = outcome.code == korvex3::kOk ? verdictOf(outcome.text) : std::nullopt;
        if (outcome.code != korvex3::kOk || !verdict)
            console_.err << resultLine(outcome.code, connection_.where, outcome.text) << task << '\n';
        else if (verdict->response != 0)
            printRefusal(console_, *verdict);
        else
            console_.err << "ok" << task << '\n';
        return outcome;
    }

    ReceiptOutcome failed(const std::string& label, const Outcome& outcome, bool cancel)
    {
        const auto verdict = outcome.code == korvex3::kOk ? verdictOf(outcome.text) : std::nullopt;
        nlohmann::json summary = {{"fiscalised", false}, {"step", label}, {"result", outcome.code}};
        if (verdict) {
            summary["response"] = verdict->response;
            summary["extended"] = verdict->extended;
        }
        summary["cancelled"] = cancel && cancelDocument();
        console_.err << "receipt not fiscalised: step " << label << " failed"
                     << (summary["cancelled"].get<bool>() ? "; the document was cancelled" : "") << '\n';
        return {exitStatusOf(outcome.code, verdict && verdict->response != 0), summary};
    }

    bool cancelDocument()
    {
        const Outcome cancel = step("cancel-doc", "cancel-doc", nlohmann::json::object());
        if (accepted(cancel))
            return true;
        console_.err << "the document may still be open: cancel it with `korvex3 cancel-doc`\n";
        return false;
    }

    ReceiptOutcome follow(korvex3_u32 task)
    {
        const FollowResult followed =
            followTask(console_, connection_.handle, connection_.timeout, task, limits_);
        const nlohmann::json& data = followed.verdict.data;
        switch (followed.end) {
        case FollowResult::End::Finished: {
            nlohmann::json summary = {{"fiscalised", true}, {"task_id", task}};
            for (const char* key : {"fd_number", "fd_date", "fd_sign"})
                summary[key] = data.is_object() ? data.value(key, nlohmann::json()) : nlohmann::json();
            console_.err << "receipt fiscalised: fiscal document " << summary["fd_number"].dump() << " of "
                         << localDate(summary["fd_date"]) << ", fiscal sign " << summary["fd_sign"].dump()
                         << '\n';
            return {kExitSuccess, summary};
        }
        case FollowResult::End::Failed: {
            console_.err << "task " << task << ": ";
            printRefusal(console_, followed.verdict);
            nlohmann::json summary = {{"fiscalised", false},
                                      {"step", "close-doc"},
                                      {"task_id", task},
                                      {"response", followed.verdict.response},
                                      {"extended", followed.verdict.extended}};
            summary["cancelled"] = cancelDocument();
            console_.err << "receipt not fiscalised"
                         << (summary["cancelled"].get<bool>() ? "; the document was cancelled" : "") << '\n';
            return {kExitRefused, summary};
        }
        case FollowResult::End::StillRunning:
        case FollowResult::End::NoAnswer:
            break;
        }
        console_.err << "what became of the receipt is unknown: the register "
                     << (followed.end == FollowResult::End::StillRunning
                             ? "is still working on task " + std::to_string(task)
                             : "did not answer about task " + std::to_string(task) + " (" +
                                   resultLine(followed.lastCode, connection_.where, std::nullopt) + ")")
                     << ". Do not close it again; ask with `korvex3 query " << task << "`\n";
        return {kExitOutcomeUnknown, {{"fiscalised", nullptr}, {"task_id", task}}};
    }

    Console& console_;
    const Connection& connection_;
    const FollowLimits& limits_;
};

}  // namespace

ReceiptOutcome runReceipt(Console& console, const Connection& connection, const ReceiptPlan& plan,
                          const FollowLimits& limits)
{
    return ReceiptRun(console, connection, limits).run(plan);
}

int receiptCommand(Console& console, const Connection& connection, const ReceiptPlan& plan, bool compact)
{
    const ReceiptOutcome outcome = runReceipt(console, connection, plan);
    printText(console.out, outcome.summary.dump(), compact);
    return outcome.exitStatus;
}

}  // namespace korvex3_cli
