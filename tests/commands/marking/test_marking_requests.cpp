// The marking-code check: the required code, status and quantity, the three numbers that are
// always written, and the checks of a fractional quantity against the unit.
#include <gtest/gtest.h>

#include "commands/marking/command_query_marking.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

const CommandKind marking = kindOf<CommandQueryMarking>(228);
const std::string kBasicInput = R"("mark_stamp": "0104", "mark_status": 1, "quant": 1)";
const std::string kBasics = "7E 00 04 00 30 31 30 34 A3 00 01 00 01 26 00 08 00 01 00 00 00 00 00 00 00";
const std::string kZero64 = "00 00 00 00 00 00 00 00";

// unit_id, quant_numerator and quant_denominator as written after the basics.
std::string numbers(const char* unit, const char* numerator, const char* denominator)
{
    return std::string(" 8E 00 01 00 ") + unit + " A4 00 08 00 " + numerator + " 00 00 00 00 00 00 00 A5 00 08 00 " +
           denominator + " 00 00 00 00 00 00 00";
}

std::string with(const char* members) { return "{" + kBasicInput + ", " + members + "}"; }

const RequestCase kCases[] = {
    {"TheExampleWithTask1", marking, 1, "{" + kBasicInput + "}", 0,
     kTask1 + " " + kBasics + " 8E 00 01 00 00 A4 00 08 00 " + kZero64 + " A5 00 08 00 " + kZero64},
    {"QuarterOfAPack", marking, 0, with(R"("quant_numerator": 1, "quant_denominator": 4)"), 0,
     kBasics + numbers("00", "01", "04")},
    {"UnitWithoutFraction", marking, 0, with(R"("unit_id": 2)"), 0, kBasics + numbers("02", "00", "00")},
    {"TimeoutLast", marking, 0, with(R"("timeout": 1000)"), 0,
     kBasics + numbers("00", "00", "00") + " 8A 00 04 00 E8 03 00 00"},
    // No codec here: Cyrillic goes out as UTF-8, two bytes a letter.
    {"CyrillicStampInUtf8", marking, 0, R"({"mark_stamp": "Бв", "mark_status": 1, "quant": 1})", 0,
     "7E 00 04 00 D0 91 D0 B2 A3 00 01 00 01 26 00 08 00 01 00 00 00 00 00 00 00" + numbers("00", "00", "00")},
    {"Empty", marking, 1, "{}", -8, R"(["mark_stamp","mark_status","quant"])"},
    {"EmptyStamp", marking, 0, R"({"mark_stamp": "", "mark_status": 1, "quant": 1})", -8, R"(["mark_stamp"])"},
    {"NumeratorAboveDenominator", marking, 0, with(R"("quant_numerator": 5, "quant_denominator": 4)"), -8,
     R"(["quant_denominator"])"},
    {"NumeratorWithoutDenominator", marking, 0, with(R"("quant_numerator": 5)"), -8, R"(["quant_denominator"])"},
    {"DenominatorWithoutNumerator", marking, 0, with(R"("quant_numerator": 0, "quant_denominator": 4)"), -8,
     R"(["quant_numerator"])"},
    {"FractionWithUnit", marking, 0, with(R"("quant_numerator": 1, "quant_denominator": 4, "unit_id": 2)"), -8,
     R"(["unit_id"])"},
    {"ChecksInOrder", marking, 0, R"({"quant_numerator": 5, "quant_denominator": 4, "unit_id": 1})", -8,
     R"(["mark_stamp","mark_status","quant","quant_denominator","unit_id"])"},
};

class MarkingRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(MarkingRequest, Builds) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, MarkingRequest, testing::ValuesIn(kCases), caseName);

}  // namespace
