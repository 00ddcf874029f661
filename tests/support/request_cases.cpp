#include "support/request_cases.h"

namespace testing_support {

void expectRequest(const RequestCase& c)
{
    const Outcome got = c.command.prepare(QByteArray::fromStdString(c.input), c.task);
    EXPECT_EQ(got.result, c.result);
    if (c.result == 0) {
        EXPECT_TRUE(got.framed);
        EXPECT_EQ(got.code, c.command.code);
        EXPECT_EQ(got.payload, c.expected);
        EXPECT_EQ(got.output, "");
    } else {
        EXPECT_FALSE(got.framed);
        EXPECT_EQ(got.output, c.expected);
    }
}

std::string caseName(const testing::TestParamInfo<RequestCase>& info) { return info.param.name; }

void PrintTo(const RequestCase& c, std::ostream* os) { *os << c.name << " (input " << c.input << ")"; }

std::string repeated(const std::string& text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

}  // namespace testing_support
