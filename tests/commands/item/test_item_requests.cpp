// The item (department or tax, amounts, code, name, marking) and the attributes that go with
// items: agent and supplier, buyer, industry attribute.
#include <gtest/gtest.h>

#include "commands/item/command_add_item.h"
#include "commands/item/command_set_agent.h"
#include "commands/item/command_set_client_info.h"
#include "commands/item/command_set_ind_props.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

const CommandKind item = kindOf<CommandAddItem>(206);
const CommandKind agent = kindOf<CommandSetAgent>(213);
const CommandKind client = kindOf<CommandSetClientInfo>(227);
const CommandKind industry = kindOf<CommandSetIndProps>(226);

const std::string kInn = "37 37 30 37 30 38 33 38 39 33";  // 7707083893, valid
// dept_id 1, price 1, quant 1: the start of a minimal item.
const std::string kBasics = "24 00 01 00 01 25 00 08 00 01 00 00 00 00 00 00 00 26 00 08 00 01 00 00 00 00 00 00 00";
const std::string kBasicInput = R"("dept_id":1,"price":1,"quant":1,"intcode":"A")";
const std::string kCodeAndNameX = "28 00 01 00 41 29 00 01 00 58";

const RequestCase kCases[] = {
    {"ItemTaxIdOnly", item, 0, R"({"tax_id": 2, "price": 10000, "quant": 1000, "intcode": "A1", "name": "X"})", 0,
     "33 00 01 00 02 25 00 08 00 10 27 00 00 00 00 00 00 26 00 08 00 E8 03 00 00 00 00 00 00"
     " 28 00 02 00 41 31 29 00 01 00 58"},
    {"ItemEmptyIntcodeIsSentEmpty", item, 0, R"({"dept_id":1,"price":1,"quant":1,"intcode":"","name":"X"})", 0,
     kBasics + " 28 00 00 00 29 00 01 00 58"},
    // A Cyrillic name goes out in Windows-1251, cut to its first 128 bytes without complaint.
    {"ItemNameCutTo128Bytes", item, 0, "{" + kBasicInput + R"(,"name":")" + repeated("Я", 200) + "\"}", 0,
     kBasics + " 28 00 01 00 41 29 00 80 00 " + repeated("DF ", 127) + "DF"},
    {"ItemDenominatorBeforeNumerator", item, 0,
     "{" + kBasicInput + R"(,"name":"X","quant_numerator":1,"quant_denominator":4})", 0,
     kBasics + " " + kCodeAndNameX + " A5 00 08 00 04 00 00 00 00 00 00 00 A4 00 08 00 01 00 00 00 00 00 00 00"},
    {"ItemMembersInTableOrder", item, 0,
     "{" + kBasicInput + R"(,"name":"X","timeout":1000,"mark_online_type":2,"mark_status":1,
        "gtd":"Б","country":643,"unit_id":3,"mark_stamp":"Б","mark_serial":"Б","gtin":"Б","mark_type":"Б",
        "item_attr_ext":5,"item_attr":4,"payment_method":6,"item_disc_abs":7,"tax_value":8,"excise":9})",
     0,
     kBasics +
         " 89 00 08 00 09 00 00 00 00 00 00 00 75 00 08 00 08 00 00 00 00 00 00 00"
         " 27 00 08 00 07 00 00 00 00 00 00 00 " +
         kCodeAndNameX +
         " 4D 00 01 00 06 76 00 01 00 04 77 00 01 00 05 79 00 02 00 D0 91 7A 00 01 00 C1"
         " 7B 00 01 00 C1 7E 00 02 00 D0 91 8E 00 01 00 03 8F 00 02 00 83 02 A6 00 01 00 C1"
         " A3 00 01 00 01 AD 00 01 00 02 8A 00 04 00 E8 03 00 00"},
    {"ItemEmpty", item, 1, "{}", -8, R"(["dept_id","tax_id","price","quant","intcode","name"])"},
    {"ItemPriceAsText", item, 0, R"({"dept_id": 1, "price": "100", "quant": 1, "intcode": "A", "name": "X"})", -8,
     R"(["price"])"},
    {"ItemEmptyName", item, 0, R"({"dept_id":1,"price":1,"quant":1,"intcode":"A","name":""})", -8, R"(["name"])"},
    {"ItemNameAsNumber", item, 0, R"({"dept_id":1,"price":1,"quant":1,"intcode":"A","name":5})", -8, R"(["name"])"},

    {"AgentEmptyIsAgentZero", agent, 0, "{}", 0, "42 00 01 00 00"},
    {"AgentSeven", agent, 0, R"({"agent": 7})", 0, "42 00 01 00 07"},
    {"AgentAsTextReadsZero", agent, 0, R"({"agent": "2"})", 0, "42 00 01 00 00"},
    {"AgentFieldsInTableOrder", agent, 0,
     R"({"provider_inn":"7707083893","provider_phone":"3","provider_name":"Д","payment_reception_op_phone":"2",
         "payment_op_action":"Г","payment_op_phone":"1","transfer_op_phone":"+7","transfer_op_name":"В",
         "transfer_op_inn":"7707083893","transfer_op_addr":"Б","agent":1})",
     0,
     "42 00 01 00 01 44 00 01 00 C1 46 00 0A 00 " + kInn +
         " 45 00 01 00 C2 43 00 02 00 2B 37 47 00 01 00 31 48 00 01 00 C3 49 00 01 00 32"
         " 4C 00 01 00 C4 4A 00 01 00 33 4B 00 0A 00 " + kInn},
    {"AgentEight", agent, 0, R"({"agent": 8})", -8, R"(["agent"])"},
    {"AgentInvalidInns", agent, 0, R"({"agent": 1, "transfer_op_inn": "123", "provider_inn": "456"})", -8,
     R"(["transfer_op_inn","provider_inn"])"},
    {"AgentChecksInOrder", agent, 0, R"({"provider_inn": "456", "transfer_op_inn": "123", "agent": 9})", -8,
     R"(["agent","transfer_op_inn","provider_inn"])"},

    {"ClientInnIsNotChecked", client, 0, R"({"client_inn": "12"})", 0, "3F 00 02 00 31 32"},
    {"ClientEmptyIsTheTaskItemAlone", client, 1, "{}", 0, kTask1},
    {"ClientFieldsInTableOrder", client, 0,
     R"({"client_name":"В","client_inn":"12","client_address":"Б","client_ident_data":"А",
         "client_ident_type":21,"citizenship":643,"birth_date":1700000000})",
     0,
     "9E 00 04 00 00 F1 53 65 9F 00 02 00 83 02 A0 00 02 00 15 00 A1 00 01 00 C0 A2 00 01 00 C1"
     " 3F 00 02 00 31 32 40 00 01 00 C2"},

    {"IndustryFirstAuthority", industry, 0, R"({"foiv_ident": 1})", 0, "9A 00 02 00 01 00"},
    {"IndustryFieldsInTableOrder", industry, 0,
     R"({"ind_prop_value":"В","ind_prop_docnumber":"Б","ind_prop_docdate":1700000000,"foiv_ident":72})", 0,
     "9A 00 02 00 48 00 9B 00 04 00 00 F1 53 65 9C 00 01 00 C1 9D 00 01 00 C2"},
    {"IndustryEmpty", industry, 0, "{}", -8, R"(["foiv_ident"])"},
    {"IndustryZero", industry, 0, R"({"foiv_ident": 0})", -8, R"(["foiv_ident"])"},
    {"Industry73", industry, 0, R"({"foiv_ident": 73})", -8, R"(["foiv_ident"])"},
    {"IndustryNegative", industry, 0, R"({"foiv_ident": -1})", -8, R"(["foiv_ident"])"},
};

class ItemRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(ItemRequest, Builds) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, ItemRequest, testing::ValuesIn(kCases), caseName);

}  // namespace
