#include "tlv/tlv_dictionary.h"

#include <mutex>

TLVDictionary::TLVDictionary(const TLVJsonMapping* table)
{
    if (!table)
        return;
    for (const TLVJsonMapping* row = table; row->tag != 0; ++row)
        tags.insert(row->tag, TagDef{row->type, row->name ? row->name : ""});
}

TLVDictionary::~TLVDictionary() = default;

std::string TLVDictionary::name(quint16 tag) const { return tags.value(tag).name; }

TLVDictionary::TagDef TLVDictionary::definition(quint16 tag) const { return tags.value(tag); }

TLVDictionarySet TLVDictionaryFactory::_instance{nullptr, nullptr, nullptr};

TLVDictionarySet* TLVDictionaryFactory::instance()
{
    // call_once retries when the initialiser throws (allocation failure), as required.
    static std::once_flag built;
    std::call_once(built, [] {
        auto* net = new TLVDictionary(NetServerMap);
        auto* receipt = new TLVDictionary(ReceiptMap);
        auto* cloud = new TLVDictionary(CloudMap);
        _instance = TLVDictionarySet{net, receipt, cloud};
    });
    return &_instance;
}
