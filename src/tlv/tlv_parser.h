#pragma once
// Reads a flat payload of TLV items (tag u16 LE, length u16 LE, value) and hands out values by
// tag. A truncated trailing item ends reading; items before it stay available. Nested blocks
// are read by parsing their value with another parser.

#include <string>

#include <QByteArray>
#include <QList>
#include <QMultiMap>

#include "api/export.h"
#include "tlv/json.h"
#include "tlv/tlv_dictionary.h"

class QTextCodec;

class KORVEX3_EXPORT TLVParser {
public:
    struct TLVTag {
        quint16 length;
        qint64 offset;  // of the first value byte within data
    };

    explicit TLVParser(const TLVDictionary* dictionary);

    void parse(const QByteArray& payload);

    // Last occurrence of the tag in the payload; empty when absent.
    QByteArray value(quint16 tag) const;
    // All occurrences, last in the payload first.
    QList<QByteArray> values(quint16 tag) const;
    int count(quint16 tag) const { return tags.count(tag); }
    std::string get(quint16 tag) const;
    // Little-endian integer of the first min(length, sizeof(T)) bytes; defaultValue when absent.
    template <typename T>
    T get(quint16 tag, T defaultValue) const;

    // Sets object[key of tag] to the JSON form of the tag's last item; false when nothing was set.
    bool toJson(Json& object, quint16 tag, const QTextCodec* codec) const;
    // Sets object[key of tag] = value regardless of the tag's type; false without a key.
    template <typename T>
    bool toJsonValue(Json& object, quint16 tag, const T& value) const;

    const TLVDictionary* dictionaryUsed() const { return dictionary; }

private:
    QByteArray data;
    QMultiMap<quint16, TLVTag> tags;
    const TLVDictionary* dictionary;
};
