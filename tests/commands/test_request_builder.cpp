// The procedure every command with input shares, seen through a probe command with one field
// of each mark: what is refused, in which order, what goes out, and which input counts as {}.
#include <gtest/gtest.h>

#include <string>

#include "commands/request_builder.h"
#include "support/log_capture.h"
#include "support/request_cases.h"

using namespace testing_support;
using korvex::Encoding;
using korvex::RequestBuilder;

namespace {

constexpr quint16 kProbeCode = 99;
constexpr quint16 kDocKind = 14, kDocData = 21, kUserName = 50, kUserInn = 52;

// doc_kind: member, required; user_name: text, cp1251, required; user_inn: text, taxpayer
// number; fd_doc_data: base64.
class ProbeCommand : public Command {
public:
    using Command::Command;
    int prepare() override
    {
        RequestBuilder b(*this, "probe begin");
        if (b.isNull())
            return b.nullResult();
        b.require(b.member(kDocKind), kDocKind);
        b.require(b.writeText(kUserName, b.text(kUserName), Encoding::Cp1251), kUserName);
        b.checkInn(kUserInn);
        b.writeText(kUserInn, b.text(kUserInn), Encoding::Utf8);
        b.base64(kDocData);
        return b.finish(kProbeCode);
    }
};

const CommandKind probe = kindOf<ProbeCommand>(kProbeCode);
const std::string kBothMissing = R"(["doc_kind","user_name"])";
const std::string kKind1 = "0E 00 02 00 01 00";
const std::string kNameA = "32 00 01 00 41";
const std::string kGiven = R"("doc_kind":1,"user_name":"A")";

std::string nested(int depth, const std::string& inner)
{
    return repeated("[", depth) + inner + repeated("]", depth);
}

const RequestCase kCases[] = {
    {"TaskItemComesFirst", probe, 1, "{" + kGiven + "}", 0, kTask1 + " " + kKind1 + " " + kNameA},
    {"TaskZeroHasNoTaskItem", probe, 0, "{" + kGiven + "}", 0, kKind1 + " " + kNameA},
    {"TaskIdIsFourBytes", probe, 0x01020304, "{" + kGiven + "}", 0, "35 00 04 00 04 03 02 01 " + kKind1 + " " + kNameA},
    {"NameInWindows1251", probe, 0, R"({"doc_kind":1,"user_name":"Иван"})", 0, kKind1 + " 32 00 04 00 C8 E2 E0 ED"},
    {"OtherKeysIgnored", probe, 0, R"({"x":[1,{"y":null}],"doc_kind":1,"user_name":"A","z":"w"})", 0,
     kKind1 + " " + kNameA},
    {"ValidInnIsWritten", probe, 0, "{" + kGiven + R"(,"user_inn":"7707083893"})", 0,
     kKind1 + " " + kNameA + " 34 00 0A 00 37 37 30 37 30 38 33 38 39 33"},
    {"EmptyInnPassesAndIsNotWritten", probe, 0, "{" + kGiven + R"(,"user_inn":""})", 0, kKind1 + " " + kNameA},
    {"Base64Decoded", probe, 0, "{" + kGiven + R"(,"fd_doc_data":"AQID"})", 0, kKind1 + " " + kNameA + " 15 00 03 00 01 02 03"},
    {"Base64OfNothingIsNotWritten", probe, 0, "{" + kGiven + R"(,"fd_doc_data":"!!"})", 0, kKind1 + " " + kNameA},

    {"Null", probe, 1, "null", -9, ""},
    {"NullAmidWhiteSpace", probe, 1, " \n null\t", -9, ""},
    {"EmptyObject", probe, 1, "{}", -8, kBothMissing},
    {"EmptyText", probe, 1, "", -8, kBothMissing},
    {"NotJson", probe, 1, "abc", -8, kBothMissing},
    {"Unterminated", probe, 1, R"({"a":1)", -8, kBothMissing},
    {"Array", probe, 1, "[1,2]", -8, kBothMissing},
    {"ArrayHoldingTheObject", probe, 1, "[{" + kGiven + "}]", -8, kBothMissing},
    {"Number", probe, 1, "5", -8, kBothMissing},
    {"String", probe, 1, R"("doc_kind")", -8, kBothMissing},
    {"Boolean", probe, 1, "true", -8, kBothMissing},
    {"TrailingCharacters", probe, 1, "{" + kGiven + "} x", -8, kBothMissing},
    {"TwoObjects", probe, 1, "{" + kGiven + "}{}", -8, kBothMissing},
    {"InvalidUtf8InAString", probe, 1, "{" + kGiven + ",\"x\":\"\xFF\"}", -8, kBothMissing},
    {"ZeroByteInTheText", probe, 1, "{" + kGiven + std::string("}\0", 2), -8, kBothMissing},
    {"DeeplyOpened", probe, 1, repeated("[", 100000), -8, kBothMissing},
    {"DeeplyNested", probe, 1, nested(100000, ""), -8, kBothMissing},
    {"DeepMemberMakesTheWholeTextUnparsable", probe, 1, "{" + kGiven + ",\"x\":" + nested(64, "") + "}", -8,
     kBothMissing},
    {"MemberAtTheDepthLimit", probe, 0, "{" + kGiven + ",\"x\":" + nested(63, "") + "}", 0, kKind1 + " " + kNameA},
    {"BracketsInsideStringsDoNotNest", probe, 0,
     R"({"doc_kind":1,"user_name":"A","x":")" + repeated("[{\\\"", 100) + "\"}", 0, kKind1 + " " + kNameA},

    {"KeysAreCaseSensitive", probe, 0, R"({"Doc_Kind":1,"user_name":"A"})", -8, R"(["doc_kind"])"},
    {"KindAsTextIsNotGiven", probe, 0, R"({"doc_kind":"1","user_name":"A"})", -8, R"(["doc_kind"])"},
    {"EmptyNameIsNotGiven", probe, 0, R"({"doc_kind":1,"user_name":""})", -8, R"(["user_name"])"},
    {"NameTooLongIsNotGiven", probe, 0, R"({"doc_kind":1,"user_name":")" + repeated("a", 65536) + "\"}", -8,
     R"(["user_name"])"},
    {"InvalidInnReportedOnce", probe, 0, "{" + kGiven + R"(,"user_inn":"123"})", -8, R"(["user_inn"])"},
    {"InnWithZeroByteIsInvalid", probe, 0, "{" + kGiven + R"(,"user_inn":"7707083893\u0000x"})", -8,
     R"(["user_inn"])"},
    {"InnAsNumberIsNotGiven", probe, 0, "{" + kGiven + R"(,"user_inn":7707083893})", 0, kKind1 + " " + kNameA},
    {"ChecksInTheirOrder", probe, 0, R"({"user_inn":"1"})", -8, R"(["doc_kind","user_name","user_inn"])"},
};

class RequestBuilding : public testing::TestWithParam<RequestCase> {};

TEST_P(RequestBuilding, BuildsOneFrameOrRefuses) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, RequestBuilding, testing::ValuesIn(kCases), caseName);

// --- parseInput on its own ---

TEST(ParseInput, NestingBeyondTheLimitCountsAsUnparsable)
{
    const int limit = korvex::kMaxInputDepth;
    EXPECT_TRUE(korvex::parseInput(QByteArray::fromStdString(nested(limit, "1"))).is_array());
    EXPECT_TRUE(korvex::parseInput(QByteArray::fromStdString(nested(limit + 1, "1"))).is_discarded());
    EXPECT_TRUE(korvex::parseInput(QByteArray::fromStdString(repeated("{\"a\":", limit) + "1" + repeated("}", limit)))
                    .is_object());
    EXPECT_TRUE(korvex::parseInput(QByteArray::fromStdString(repeated("{\"a\":", limit + 1) + "1" +
                                                             repeated("}", limit + 1)))
                    .is_discarded());
}

TEST(ParseInput, NullIsNullAndAnythingUnparsableIsDiscarded)
{
    EXPECT_TRUE(korvex::parseInput("null").is_null());
    EXPECT_TRUE(korvex::parseInput("").is_discarded());
    EXPECT_TRUE(korvex::parseInput("nul").is_discarded());
    EXPECT_TRUE(korvex::parseInput(QByteArray("null\0", 5)).is_discarded());
    EXPECT_EQ(korvex::parseInput(R"({"b":[1,"x"],"a":true})"), Json::parse(R"({"a":true,"b":[1,"x"]})"));
}

// --- The records the builder writes ---

class LoggingProbe : public Command {
public:
    LoggingProbe(const char* beginText, RequestBuilder::Options options)
        : Command("127.0.0.1", 1, "SN1"), beginText(beginText), options(options)
    {
    }
    // Stops before framing, so that only the builder's own records are written.
    int prepare() override
    {
        RequestBuilder b(*this, beginText, options);
        return b.isNull() ? b.nullResult() : korvex3::kOk;
    }
    const char* beginText;
    RequestBuilder::Options options;
};

std::vector<std::string> recordsOf(const char* beginText, RequestBuilder::Options options, const QByteArray& input)
{
    LogCapture log;
    LoggingProbe command(beginText, options);
    command.input = input;
    command.prepare();
    return log.lines();
}

using Lines = std::vector<std::string>;

TEST(RequestBuilderLog, BeginTextOnlyByDefault)
{
    EXPECT_EQ(recordsOf("probe begin", {}, R"({"a":1})"), Lines{"probe begin"});
    EXPECT_EQ(recordsOf(nullptr, {}, R"({"a":1})"), Lines{});
}

TEST(RequestBuilderLog, RawInputUpToTheFirstZeroByte)
{
    RequestBuilder::Options raw;
    raw.logRawInput = true;
    EXPECT_EQ(recordsOf("probe begin", raw, R"({ "b": 2, "a": 1 })"), (Lines{"probe begin", R"({ "b": 2, "a": 1 })"}));
    EXPECT_EQ(recordsOf("probe begin", raw, "null"), (Lines{"probe begin", "null"}));
    EXPECT_EQ(recordsOf("probe begin", raw, QByteArray("ab\0cd", 5)), (Lines{"probe begin", "ab"}));
}

TEST(RequestBuilderLog, ParsedInputCompactAndNotForNull)
{
    RequestBuilder::Options parsed;
    parsed.logParsedInput = true;
    EXPECT_EQ(recordsOf("probe begin", parsed, R"({ "b": 2, "a": 1 })"), (Lines{"probe begin", R"({"a":1,"b":2})"}));
    EXPECT_EQ(recordsOf("probe begin", parsed, "null"), Lines{"probe begin"});
}

TEST(RequestBuilderLog, InputNotReadWhenParseIsOff)
{
    RequestBuilder::Options ignored;
    ignored.parse = false;
    ignored.logRawInput = true;
    ignored.logParsedInput = true;
    EXPECT_EQ(recordsOf("probe begin", ignored, "null"), Lines{"probe begin"});
}

}  // namespace
