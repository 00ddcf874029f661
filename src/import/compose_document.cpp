// The fiscal drive's document tags onto the device vocabulary, one table row per member.
#include "api/log.h"
#include "import/command_import.h"
#include "import/document_values.h"
#include "tlv/byte_order.h"
#include "tlv/tlv_parser.h"

namespace {

enum class Conversion { Bytes, Text, U32, U8, Sign, Amount, Quantity, TaxCode, Base64 };

struct Rule {
    quint16 documentTag;
    quint16 deviceTag;
    Conversion conversion;
};

using C = Conversion;

constexpr Rule kDocumentRules[] = {
    {1041, 24, C::Bytes},   // fd_serial
    {1048, 91, C::Text},    // company_name
    {1018, 92, C::Bytes},   // company_inn
    {1012, 58, C::U32},     // fd_date
    {1077, 60, C::Sign},    // fd_sign
    {1038, 43, C::U32},     // shift_id
    {1054, 14, C::U8},      // doc_kind
    {1020, 110, C::Amount}, // check_total
    {1021, 50, C::Text},    // user_name
    {1031, 31, C::Amount},  // cash
    {1081, 32, C::Amount},  // credit
    {1215, 34, C::Amount},  // prepay
    {1216, 33, C::Amount},  // postpay
    {1217, 35, C::Amount},  // otherpay
    {1055, 27, C::U8},      // taxcode
    {1228, 63, C::Bytes},   // client_inn
    {1227, 64, C::Text},    // client_name
};

constexpr Rule kPositionRules[] = {
    {1030, 41, C::Text},      // name
    {1079, 37, C::Amount},    // price
    {1023, 38, C::Quantity},  // quant
    {1199, 51, C::TaxCode},   // tax_id
    {1200, 117, C::Amount},   // tax_value
    {1214, 77, C::U8},        // payment_method
    {1212, 118, C::U8},       // item_attr
    {1162, 126, C::Base64},   // mark_stamp
    {1197, 134, C::Text},     // unit
};

constexpr quint16 kTagPosition = 1059;
constexpr quint16 kDeviceTagDocType = 19, kDeviceTagList = 132;

void convert(const TLVParser& items, const Rule& rule, bool escaped, Json& object)
{
    if (items.count(rule.documentTag) == 0)
        return;
    namespace doc = korvex::document;
    const QByteArray value = items.value(rule.documentTag);
    const quint16 key = rule.deviceTag;
    switch (rule.conversion) {
    case C::Bytes: items.toJsonValue(object, key, value.toStdString()); break;
    case C::Text: items.toJsonValue(object, key, doc::textForm(value, escaped)); break;
    case C::U32: items.toJsonValue(object, key, items.get<unsigned int>(rule.documentTag, 0)); break;
    case C::U8: items.toJsonValue(object, key, items.get<unsigned char>(rule.documentTag, 0)); break;
    case C::Sign:
        if (const auto sign = doc::fiscalSign(value))
            items.toJsonValue(object, key, static_cast<unsigned int>(*sign));
        break;
    case C::Amount: items.toJsonValue(object, key, static_cast<unsigned long long>(doc::amount(value))); break;
    case C::Quantity: items.toJsonValue(object, key, static_cast<unsigned long long>(doc::quantity(value))); break;
    case C::TaxCode: items.toJsonValue(object, key, doc::taxId(items.get<unsigned int>(rule.documentTag, 0))); break;
    case C::Base64: items.toJsonValue(object, key, value.toBase64().toStdString()); break;
    }
}

template <std::size_t N>
Json convertAll(const TLVParser& items, const Rule (&rules)[N], bool escaped)
{
    Json object = Json::object();
    for (const Rule& rule : rules)
        convert(items, rule, escaped, object);
    return object;
}

}  // namespace

void CommandImport::composeDocument()
{
    const TLVDictionary* dictionary = korvex::deviceDictionary();
    const auto type = static_cast<unsigned short>(korvex::readLittleEndian(documentBuffer, 2));
    const auto length = int(korvex::readLittleEndian(documentBuffer.mid(2, 2), 2));
    TLVParser items(dictionary);
    items.parse(documentBuffer.mid(kHeaderSize, length));

    Json document = convertAll(items, kDocumentRules, escapedText);
    items.toJsonValue(document, kDeviceTagDocType, type);
    Json positions;  // stays null for a document without positions
    TLVParser position(dictionary);
    for (const QByteArray& block : items.values(kTagPosition)) {
        position.parse(block);
        positions.push_back(convertAll(position, kPositionRules, escapedText));
    }
    document[dictionary->name(kDeviceTagList)] = positions;

    const Json result = {{"data", document}, {"extended", 0}, {"response", 0}};
    output = QByteArray::fromStdString(korvex::compact(result));
    KORVEX_LOG("{}", result.dump(1, ' ', false, Json::error_handler_t::replace));
}
