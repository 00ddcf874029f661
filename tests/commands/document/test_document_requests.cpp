// The document opening (kind, operator, buyer, correction), closing (payments) and
// cancelling.
#include <gtest/gtest.h>

#include "commands/document/command_cancel_doc.h"
#include "commands/document/command_close_doc.h"
#include "commands/document/command_open_doc.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

const CommandKind open = kindOf<CommandOpenDoc>(205);
const CommandKind close = kindOf<CommandCloseDoc>(209);
const CommandKind cancel = kindOf<CommandCancelDoc>(207);
const std::string kKind1 = "0E 00 02 00 01 00";
const std::string kUserId1 = "0D 00 02 00 01 00";
// "Ж" is one byte (C6) in Windows-1251 and two in UTF-8.
const std::string kProps16 = repeated("Ж", 16);

const RequestCase kCases[] = {
    {"OpenKindAndUserIdWithTask1", open, 1, R"({"doc_kind": 1, "user_id": 1})", 0,
     kTask1 + " " + kKind1 + " " + kUserId1},
    {"OpenEveryFieldInTableOrder", open, 0,
     R"({"additional_props":"Е","correction_description":"Д","correction_document":"Г",
         "correction_date":1700000000,"correction_kind":1,"client_name":"В","client_inn":"7707083893",
         "client_contact":"Б","force_print":true,"user_id":1,"taxcode":2,"doc_kind":1})",
     0,
     kKind1 + " 1B 00 01 00 02 " + kUserId1 +
         " 3E 00 01 00 01 3D 00 01 00 C1 3F 00 0A 00 37 37 30 37 30 38 33 38 39 33 40 00 01 00 C2"
         " 6F 00 01 00 01 70 00 04 00 00 F1 53 65 71 00 01 00 C3 72 00 01 00 C4 AF 00 01 00 C5"},
    // Unlike a shift, a document accepts a taxpayer number alone as its operator.
    {"OpenInnAloneNamesTheOperator", open, 0, R"({"doc_kind":1,"user_inn":"7707083893"})", 0,
     kKind1 + " 34 00 0A 00 37 37 30 37 30 38 33 38 39 33"},
    {"OpenInvalidInnAloneIsStillAnOperator", open, 0, R"({"doc_kind":1,"user_inn":"123"})", -8, R"(["user_inn"])"},
    {"OpenEmptyClientInnIsSentEmpty", open, 0, R"({"doc_kind":1,"user_id":1,"client_inn":""})", 0,
     kKind1 + " " + kUserId1 + " 3F 00 00 00"},
    {"OpenAdditionalProps16Bytes", open, 0, R"({"doc_kind":1,"user_id":1,"additional_props":")" + kProps16 + "\"}",
     0, kKind1 + " " + kUserId1 + " AF 00 10 00 " + repeated("C6 ", 15) + "C6"},
    {"OpenEmpty", open, 1, "{}", -8, R"(["doc_kind","user_id","user_name","user_inn"])"},
    {"OpenKindAsText", open, 0, R"({"doc_kind": "1", "user_id": 1})", -8, R"(["doc_kind"])"},
    {"OpenInvalidClientInn", open, 0, R"({"doc_kind": 1, "user_id": 1, "client_inn": "12"})", -8,
     R"(["client_inn"])"},
    {"OpenAdditionalProps17Bytes", open, 0,
     R"({"doc_kind":1,"user_id":1,"additional_props":")" + kProps16 + "Ж\"}", -8, R"(["additional_props"])"},
    {"OpenChecksInOrder", open, 0, R"({"user_inn":"123","client_inn":"12","additional_props":")" + kProps16 + "Ж\"}",
     -8, R"(["doc_kind","user_inn","client_inn","additional_props"])"},

    {"CloseCashWithTask1", close, 1, R"({"cash": 10000})", 0, kTask1 + " 1F 00 08 00 10 27 00 00 00 00 00 00"},
    {"CloseEmptyIsTheTaskItemAlone", close, 1, "{}", 0, kTask1},
    // A sum given as text is left out, never refused.
    {"CloseFieldsInTableOrder", close, 0,
     R"({"forbid_print":1,"otherpay":5,"prepay":4,"postpay":3,"credit":2,"cash":"100"})", 0,
     "20 00 08 00 02 00 00 00 00 00 00 00 21 00 08 00 03 00 00 00 00 00 00 00"
     " 22 00 08 00 04 00 00 00 00 00 00 00 23 00 08 00 05 00 00 00 00 00 00 00 8C 00 01 00 01"},

    {"CancelWithoutTaskHasNoBody", cancel, 0, "", 0, ""},
    {"CancelIsTheTaskItemAlone", cancel, 1, R"({"cash":1})", 0, kTask1},
    {"CancelDoesNotReadNull", cancel, 1, "null", 0, kTask1},
};

class DocumentRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(DocumentRequest, Builds) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, DocumentRequest, testing::ValuesIn(kCases), caseName);

}  // namespace
