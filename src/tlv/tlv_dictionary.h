#pragma once
// Tag -> (type code, JSON key), built from one static table. Immutable after construction.

#include <string>

#include <QMap>

#include "api/export.h"
#include "tlv/tag_tables.h"

namespace tlv_type {
inline constexpr quint16 kBytes = 0;
inline constexpr bool isNumeric(quint16 type) { return type == 1 || type == 2 || type == 4 || type == 8; }
}  // namespace tlv_type

class KORVEX3_EXPORT TLVDictionary {
public:
    struct TagDef {
        quint16 type = 0;
        std::string name;  // empty for an unknown tag
    };

    // A null table gives an empty dictionary; a repeated tag keeps its last row.
    explicit TLVDictionary(const TLVJsonMapping* table);
    virtual ~TLVDictionary();

    std::string name(quint16 tag) const;
    TagDef definition(quint16 tag) const;

private:
    QMap<quint16, TagDef> tags;
};

struct TLVDictionarySet {
    TLVDictionary* netServer;
    TLVDictionary* receipt;
    TLVDictionary* cloud;
};

class KORVEX3_EXPORT TLVDictionaryFactory {
public:
    // The three dictionaries, built once (thread-safe) on first use and never freed.
    static TLVDictionarySet* instance();

private:
    static TLVDictionarySet _instance;
};

namespace korvex {
// The device protocol dictionary every request and reply conversion uses.
inline const TLVDictionary* deviceDictionary() { return TLVDictionaryFactory::instance()->netServer; }
}  // namespace korvex
