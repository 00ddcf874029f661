#pragma once
// Tables of request cases for commands whose request prepare() alone builds: which command,
// task id and input, and what must come out (the payload for 0, the error list for -8).
//
//   const CommandKind openShift = kindOf<CommandOpenShift>(203);
//   RequestCase{"UserId", openShift, 1, R"({"user_id":3})", 0, kTask1 + " 0D 00 02 00 03 00"}
//   INSTANTIATE_TEST_SUITE_P(Cases, ShiftRequest, testing::ValuesIn(kCases), caseName);

#include <cstdint>
#include <ostream>
#include <string>

#include <QByteArray>
#include <gtest/gtest.h>

#include "support/prepared_request.h"

namespace testing_support {

// The payload prefix of task id 1.
inline const std::string kTask1 = "35 00 04 00 01 00 00 00";

// What one prepare() produced.
struct Outcome {
    int result;
    std::uint16_t code;   // of the frame; 0 without one
    std::string payload;  // spaced upper-case hex
    std::string output;
    bool framed;
};

struct CommandKind {
    std::uint16_t code;
    Outcome (*prepare)(const QByteArray& input, quint32 task);
};

template <typename C>
Outcome prepareOutcome(const QByteArray& input, quint32 task)
{
    Prepared<C> p(input, task);
    return {p.result, p.code(), p.payload(), p.output(), p.framed()};
}

template <typename C>
CommandKind kindOf(std::uint16_t code)
{
    return {code, &prepareOutcome<C>};
}

struct RequestCase {
    const char* name;  // the test's name: letters and digits only
    CommandKind command;
    quint32 task;
    std::string input;
    int result;
    std::string expected;  // 0: the payload as hex; -8: the error list; -9: empty
};

// Result 0: a frame with the command's code and the expected payload, no output.
// Otherwise: no frame, and the expected text as output.
void expectRequest(const RequestCase& c);

std::string caseName(const testing::TestParamInfo<RequestCase>& info);
// gtest shows a failing case by its name and input.
void PrintTo(const RequestCase& c, std::ostream* os);

// `text` written `times` times over.
std::string repeated(const std::string& text, int times);

}  // namespace testing_support
