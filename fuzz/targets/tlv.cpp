// The TLV reader and its JSON conversion over all three dictionaries.
#include "fuzz_input.h"
#include "tlv/codecs.h"
#include "tlv/tlv_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray payload = fuzz::bytes(data, size);
    const TLVDictionarySet* set = TLVDictionaryFactory::instance();
    for (const TLVDictionary* dictionary : {set->netServer, set->receipt, set->cloud}) {
        TLVParser items(dictionary);
        items.parse(payload);
        Json object;
        for (unsigned tag = 0; tag < 256; ++tag) {
            items.toJson(object, quint16(tag), (tag & 1) ? korvex::cp1251() : nullptr);
            items.get<unsigned int>(quint16(tag), 0);
            items.values(quint16(tag));
        }
        korvex::compact(object);
    }
    return 0;
}
