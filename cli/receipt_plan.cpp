#include "receipt_plan.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace korvex3_cli {

namespace {

constexpr std::array<std::string_view, 7> kKnownKeys = {"operator", "doc_kind", "taxcode", "buyer",
                                                        "items",    "texts",    "payments"};

// Every element of `file[key]` as an object; an absent key is an empty list when optional.
std::string listOf(const nlohmann::json& file, const char* key, bool required,
                   std::vector<nlohmann::json>& into)
{
    const auto found = file.find(key);
    if (found == file.end())
        return required ? std::string("\"") + key + "\" is missing" : std::string();
    if (!found->is_array() || (required && found->empty()))
        return std::string("\"") + key + "\" must be a list of objects" + (required ? ", not empty" : "");
    for (const auto& element : *found) {
        if (!element.is_object())
            return std::string("every element of \"") + key + "\" must be an object";
        into.push_back(element);
    }
    return {};
}

// Copies the members of the object `file[key]` into `into`.
std::string mergeObject(const nlohmann::json& file, const char* key, bool required, nlohmann::json& into)
{
    const auto found = file.find(key);
    if (found == file.end())
        return required ? std::string("\"") + key + "\" is missing" : std::string();
    if (!found->is_object())
        return std::string("\"") + key + "\" must be an object";
    for (const auto& [name, value] : found->items())
        into[name] = value;
    return {};
}

}  // namespace

PlannedReceipt planReceipt(const nlohmann::json& file)
{
    if (!file.is_object())
        return {std::nullopt, "a receipt file holds one JSON object"};
    for (const auto& [name, value] : file.items()) {
        (void)value;
        if (std::find(kKnownKeys.begin(), kKnownKeys.end(), name) == kKnownKeys.end())
            return {std::nullopt, "unknown key \"" + name + "\""};
    }
    ReceiptPlan plan;
    plan.openDoc = nlohmann::json::object();
    plan.openDoc["doc_kind"] = file.value("doc_kind", nlohmann::json(1));
    if (file.contains("taxcode"))
        plan.openDoc["taxcode"] = file["taxcode"];
    plan.closeDoc = nlohmann::json::object();
    for (const std::string& error :
         {mergeObject(file, "operator", true, plan.openDoc), mergeObject(file, "buyer", false, plan.openDoc),
          listOf(file, "items", true, plan.items), listOf(file, "texts", false, plan.texts),
          mergeObject(file, "payments", true, plan.closeDoc)}) {
        if (!error.empty())
            return {std::nullopt, error};
    }
    return {plan, {}};
}

}  // namespace korvex3_cli
