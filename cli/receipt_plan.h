#pragma once
// The receipt file: one JSON object describing a whole receipt, checked in full before
// anything is sent, and cut into the JSON texts of the steps that make it.

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace korvex3_cli {

inline constexpr const char* kReceiptFileHelp =
    "  {\n"
    "    \"operator\": {\"user_id\": 1, \"user_name\": \"Ivanova\"},     required: user_id, user_name, user_inn\n"
    "    \"doc_kind\": 1,                                           optional, 1 when not given\n"
    "    \"taxcode\": 1,                                            optional\n"
    "    \"buyer\": {\"client_contact\": \"buyer@example.com\"},        optional: client_contact, client_inn, client_name\n"
    "    \"items\": [{\"dept_id\": 1, \"price\": 10000, \"quant\": 1000,\n"
    "               \"intcode\": \"A1\", \"name\": \"Tea\"}],           required: the add-item JSON of each item\n"
    "    \"texts\": [{\"text_type\": 1, \"text\": \"Thank you\"}],        optional: the add-text JSON of each line\n"
    "    \"payments\": {\"cash\": 10000}                              required: cash, credit, postpay, prepay, otherpay\n"
    "  }\n";

struct ReceiptPlan {
    nlohmann::json openDoc;              // doc_kind, taxcode, the operator and the buyer
    std::vector<nlohmann::json> items;   // one add-item text each
    std::vector<nlohmann::json> texts;   // one add-text text each
    nlohmann::json closeDoc;             // the payments
};

struct PlannedReceipt {
    std::optional<ReceiptPlan> plan;
    std::string error;  // why the file is not a receipt, in words for people
};

PlannedReceipt planReceipt(const nlohmann::json& file);

}  // namespace korvex3_cli
