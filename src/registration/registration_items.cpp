#include "registration/registration_items.h"

#include <algorithm>

#include "tlv/codecs.h"
#include "tlv/json_parser.h"

namespace {
constexpr quint16 kLongAttributes[] = {91, 93, 94, 95, 97};
constexpr quint16 kTagFdTag = 87;
}  // namespace

std::vector<std::string> registrationItems(const Json& input)
{
    const TLVDictionary* dictionary = korvex::deviceDictionary();
    const JsonParser reader(dictionary);
    std::vector<std::string> items;
    for (const quint16 tag : kLongAttributes) {
        std::string bytes = reader.getEncoded(input, tag, korvex::cp1251());
        bytes.resize(std::min(bytes.size(), bytes.find('\0')));
        if (bytes.empty())
            continue;
        const QByteArray value = QByteArray::fromStdString(bytes).toBase64();
        items.push_back(korvex::compact(Json{{dictionary->name(kTagFdTag), tag}, {"value", value.toStdString()}}));
    }
    return items;
}
