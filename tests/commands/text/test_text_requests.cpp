// Text lines and footers in the document, text printed on its own, and the reprint of a
// stored fiscal document.
#include <gtest/gtest.h>

#include "commands/text/command_add_footer.h"
#include "commands/text/command_add_text.h"
#include "commands/text/command_print.h"
#include "commands/text/command_print_doc.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

const CommandKind text = kindOf<CommandAddText>(218);
const CommandKind footer = kindOf<CommandAddFooter>(225);
const CommandKind print = kindOf<CommandPrint>(211);
const CommandKind printDoc = kindOf<CommandPrintDoc>(220);
// text_type 1, then "Спасибо" in Windows-1251.
const char* const kThanks = R"({"text_type": 1, "text": "Спасибо"})";
const std::string kThanksPayload = "78 00 01 00 01 2A 00 07 00 D1 EF E0 F1 E8 E1 EE";

const RequestCase kCases[] = {
    {"TextThanks", text, 0, kThanks, 0, kThanksPayload},
    {"FooterThanks", footer, 0, kThanks, 0, kThanksPayload},
    {"TextWithTask1", text, 1, R"({"text_type": 1, "text": ""})", 0, kTask1 + " 78 00 01 00 01 2A 00 00 00"},
    {"TextEmpty", text, 0, "{}", -8, R"(["text_type","text"])"},
    {"FooterEmpty", footer, 0, "{}", -8, R"(["text_type","text"])"},
    {"TextTypeAsText", text, 0, R"({"text_type": "1", "text": "A"})", -8, R"(["text_type"])"},
    {"TextAsNumber", footer, 0, R"({"text_type": 1, "text": 5})", -8, R"(["text"])"},

    {"PrintText", print, 0, R"({"text": "A"})", 0, "2A 00 01 00 41"},
    {"PrintTypeAfterText", print, 0, R"({"text_type": 2, "text": "A"})", 0, "2A 00 01 00 41 78 00 01 00 02"},
    {"PrintTypeAsTextIsLeftOut", print, 0, R"({"text_type": "2", "text": "A"})", 0, "2A 00 01 00 41"},
    {"PrintEmpty", print, 0, "{}", -8, R"(["text"])"},

    {"PrintDocNumber", printDoc, 0, R"({"fd_number": 15})", 0, "3B 00 04 00 0F 00 00 00"},
    {"PrintDocEmptyHasNoBody", printDoc, 0, "{}", 0, ""},
    {"PrintDocNumberAsTextIsLeftOut", printDoc, 0, R"({"fd_number": "15"})", 0, ""},
};

class TextRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(TextRequest, Builds) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, TextRequest, testing::ValuesIn(kCases), caseName);

}  // namespace
