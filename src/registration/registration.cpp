#include "registration/registration.h"

#include <thread>
#include <vector>

#include "api/log.h"
#include "commands/device/command_query.h"
#include "commands/request_builder.h"
#include "registration/command_add_reg_item.h"
#include "registration/command_begin_registration.h"
#include "registration/command_registration.h"
#include "registration/registration_items.h"
#include "registration/response.h"

namespace {

constexpr int kResponseBusy = 3, kExtendedBusy = 103;

bool isZero(const korvex::Response& status) { return status.response() == 0 && status.extended() == 0; }
bool isBusy(const korvex::Response& status)
{
    return status.response() == kResponseBusy && status.extended() == kExtendedBusy;
}

int stepFailed(CmdReg& reg, int result)
{
    reg.resultText = nullptr;
    return result;
}

// True when prepare() builds a whole request of type C from `input`; nothing is connected.
template <typename C>
bool builds(const QByteArray& input)
{
    C command(QString(), 0, QString());
    command.taskId = 1;  // the steps carry a task item
    command.input = input;
    return command.prepare() == korvex3::kOk && !command.request.isEmpty();
}

// Input the steps would refuse (a bad taxpayer number, an attribute too long for its item) is
// found before the opening step, so that it never leaves a registration open on the register.
bool buildsEveryStep(const QByteArray& text, const std::vector<std::string>& items)
{
    for (const std::string& item : items)
        if (!builds<CommandAddRegItem>(QByteArray::fromStdString(item)))
            return false;
    return builds<CommandRegistration>(text);
}

// The step procedure shared by the opening and the item steps.
int runStep(CmdReg& reg, Command& step, const QByteArray& input)
{
    using Clock = std::chrono::steady_clock;
    ConnectionInfo& connection = *reg.connection;
    reg.completed = false;
    const quint32 task = connection.takeTaskId();
    int result = step.run(CmdReg::kStepTimeoutMs, task, input);
    if (result != korvex3::kOk)
        return stepFailed(reg, result);
    KORVEX_LOG("step: {}", step.output.toStdString());
    if (!isZero(korvex::Response(step.output.constData()))) {
        reg.resultText = connection.addString(step.output);
        return korvex3::kOk;
    }

    CommandQuery query(connection.host, reg.port, connection.serial);
    const Clock::time_point deadline = Clock::now() + reg.waitLimit;
    for (;;) {
        result = query.run(CmdReg::kStepTimeoutMs, task, {});
        if (result != korvex3::kOk)
            return stepFailed(reg, result);
        KORVEX_LOG("status: {}", query.output.toStdString());
        const korvex::Response status(query.output.constData());
        if (isZero(status)) {
            reg.completed = true;
            return korvex3::kOk;
        }
        if (!isBusy(status)) {
            reg.resultText = connection.addString(query.output);
            return korvex3::kOk;
        }
        if (Clock::now() + CmdReg::kPollInterval > deadline)
            return stepFailed(reg, korvex3::kNoReply);
        std::this_thread::sleep_for(CmdReg::kPollInterval);
    }
}

// A step command of type C on the connection of `reg`.
template <typename C>
int runStep(CmdReg& reg, const QByteArray& input)
{
    if (!reg.connection)
        return stepFailed(reg, korvex3::kNoHandle);
    C step(reg.connection->host, reg.port, reg.connection->serial);
    return runStep(reg, step, input);
}

}  // namespace

int beginRegistration(CmdReg& reg) { return runStep<CommandBeginRegistration>(reg, {}); }

int addRegistrationItem(CmdReg& reg) { return runStep<CommandAddRegItem>(reg, QByteArray::fromStdString(reg.itemJson)); }

int registration(ConnectionInfo* connection, quint16 port, quint16 timeout, quint32& taskId, const char* json,
                 const char*& out)
{
    const QByteArray text(json ? json : "");
    const Json input = korvex::parseInput(text);
    KORVEX_LOG("{}", text.toStdString());
    if (!connection)
        return korvex3::kNoHandle;
    if (input.is_null() || input.is_discarded())
        return korvex3::kInvalidFields;
    const std::vector<std::string> items = registrationItems(input);
    if (!buildsEveryStep(text, items))
        return korvex3::kInvalidFields;

    CmdReg reg;
    reg.connection = connection;
    reg.port = port;
    int result = beginRegistration(reg);
    for (const std::string& item : items) {
        if (result != korvex3::kOk || !reg.completed)
            break;
        reg.itemJson = item;
        result = addRegistrationItem(reg);
    }
    if (result != korvex3::kOk || !reg.completed) {
        out = result == korvex3::kOk ? reg.resultText : nullptr;
        return result;
    }

    CommandRegistration complete(connection->host, port, connection->serial);
    const quint32 task = connection->takeTaskId();
    result = complete.run(timeout, task, text);
    out = result == korvex3::kOk ? connection->addString(complete.output) : nullptr;
    if (result == korvex3::kOk)
        KORVEX_LOG("response: {}", out);
    taskId = complete.sent ? task : 0;
    return result;
}
