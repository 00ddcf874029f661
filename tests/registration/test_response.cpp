#include <climits>

#include <gtest/gtest.h>

#include "registration/response.h"

namespace {

struct CodesCase {
    const char* text;
    int response;
    int extended;
    Json data;
};

TEST(Response, ReadsTheCodesAndData)
{
    const CodesCase cases[] = {
        {R"({"extended":0,"response":0})", 0, 0, nullptr},
        {R"({"extended":103,"response":3})", 3, 103, nullptr},
        {R"({"data":{"fd_number":42},"extended":1,"response":2})", 2, 1, {{"fd_number", 42}}},
        {R"({"data":[1,2],"response":7})", 7, 0, {1, 2}},
        {"[1,2,3]", 0, 0, nullptr},
        {"17", 0, 0, nullptr},
        {R"({"response":true,"extended":false})", 1, 0, nullptr},
        {R"({"response":null,"extended":2.9})", 0, 2, nullptr},
        {R"({"response":-2.5e300,"extended":1e300})", INT_MIN, INT_MAX, nullptr},
    };
    for (const CodesCase& c : cases) {
        const korvex::Response r(c.text);
        EXPECT_EQ(r.response(), c.response) << c.text;
        EXPECT_EQ(r.extended(), c.extended) << c.text;
        EXPECT_EQ(r.data(), c.data) << c.text;
    }
}

TEST(Response, DataIsACopy)
{
    const korvex::Response r(R"({"data":{"a":1},"extended":0,"response":0})");
    Json copy = r.data();
    copy["a"] = 2;
    EXPECT_EQ(r.data()["a"], 1);
}

TEST(Response, MalformedTextThrowsTheJsonLibrarysErrors)
{
    // A number beyond any C++ type is malformed too, not an out_of_range the caller never expects.
    for (const char* text : {"", "{", R"({"response":1} x)", "nul", R"({"data":{"fd_sign":409e415}})", "-1e400"})
        EXPECT_THROW(korvex::Response{text}, Json::parse_error) << text;
    EXPECT_THROW(korvex::Response{nullptr}, Json::parse_error);
    const std::string deep(100000, '[');
    EXPECT_THROW(korvex::Response{(deep + std::string(100000, ']')).c_str()}, Json::parse_error);
    for (const char* text : {R"({"response":"0"})", R"({"extended":[0]})", R"({"response":{}})"})
        EXPECT_THROW(korvex::Response{text}, Json::type_error) << text;
}

}  // namespace
