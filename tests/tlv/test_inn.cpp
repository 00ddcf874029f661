// Taxpayer numbers: length first, digits only, then the check digits of each country's rule.
#include <gtest/gtest.h>

#include <string>

#include "tlv/inn.h"

namespace {

struct InnCase {
    const char* inn;
    bool ru;
    bool kz;
};

void PrintTo(const InnCase& c, std::ostream* os) { *os << '"' << c.inn << '"'; }

class TaxpayerNumber : public testing::TestWithParam<InnCase> {};

TEST_P(TaxpayerNumber, IsJudgedByEachRule)
{
    // allowEmpty only decides the empty text.
    for (const bool allowEmpty : {true, false}) {
        EXPECT_EQ(validateRuInn(GetParam().inn, allowEmpty), GetParam().ru) << "allowEmpty " << allowEmpty;
        EXPECT_EQ(validateKzInn(GetParam().inn, allowEmpty), GetParam().kz) << "allowEmpty " << allowEmpty;
    }
}

const InnCase kNumbers[] = {
    // Russian organisation: a 10-digit number is never Kazakh.
    {"1234567894", true, false},
    {"1234567890", false, false},
    {"1000000010", true, false},  // remainder 10 counts as check digit 0
    {"7707083893", true, false},
    // Russian person: both check digits count.
    {"123456789047", true, false},
    {"123456789048", false, false},
    {"123456789037", false, true},  // a valid Kazakh number
    {"500100732259", true, false},
    // Kazakh: first pass, second pass after a remainder of 10, and 10 in both passes.
    {"100000000001", false, true},
    {"123456789013", false, true},
    {"123456789012", false, false},
    {"100000000280", false, false},
    {"100000000289", false, false},
    // Lengths other than 10 and 12, and characters other than digits.
    {"12345678904", false, false},
    {"1234567890470", false, false},
    {"12345678904A", false, false},
    {"1234567A94", false, false},
    {"12345678901 ", false, false},
    {"-23456789047", false, false},
    {"1", false, false},
};

INSTANTIATE_TEST_SUITE_P(Table, TaxpayerNumber, testing::ValuesIn(kNumbers));

TEST(TaxpayerNumber, EmptyIsAcceptableOnlyWhenAllowed)
{
    EXPECT_TRUE(validateRuInn("", true));
    EXPECT_FALSE(validateRuInn("", false));
    EXPECT_TRUE(validateKzInn("", true));
    EXPECT_FALSE(validateKzInn("", false));
}

TEST(TaxpayerNumber, EveryKazakhNumberWhosePassesBothGiveTenIsInvalid)
{
    for (char last = '0'; last <= '9'; ++last)
        EXPECT_FALSE(validateKzInn((std::string("10000000028") + last).c_str(), true)) << last;
}

}  // namespace
