#pragma once
// Writes JSON members as TLV items by the dictionary's key and type code, and reads members by
// tag. It never fails loudly: a writer that cannot write returns false and leaves the stream
// untouched; a getter that finds nothing usable returns its default (empty text, defaultValue).
//
// Numbers: integers wrap to the width (two's complement, so -1 at width 2 is FF FF), floats are
// truncated toward zero and then wrap the same way, booleans are 1 or 0. A float outside
// [-2^63, 2^64), NaN and infinities included, is not a usable number: the writers refuse it and
// the getters return defaultValue. Text longer than 65535 bytes once encoded is refused.

#include <string>

#include <QByteArray>

#include "api/export.h"
#include "tlv/json.h"
#include "tlv/tlv_dictionary.h"

class QDataStream;
class QTextCodec;

class KORVEX3_EXPORT JsonParser {
public:
    explicit JsonParser(const TLVDictionary* dictionary);

    // The member under the tag's key: a string for type 0 (encoded with codec when given, an
    // empty string gives an item of length 0); a number or boolean for 1/2/4/8, truncated to
    // the width by the rule above.
    bool toStream(const Json& object, quint16 tag, QDataStream& out, const QTextCodec* codec) const;
    // Non-empty text as a type-0 item (encoded with codec when given); refuses > 65535 bytes.
    bool toStream(const std::string& text, quint16 tag, QDataStream& out, const QTextCodec* codec) const;
    // Non-empty bytes, unchanged, as a type-0 item; refuses > 65535 bytes.
    bool toStream(const QByteArray& bytes, quint16 tag, QDataStream& out) const;
    // An integer at the width of the tag's numeric type code (T = int, unsigned long long).
    template <typename T>
    bool toStream(const T& value, quint16 tag, QDataStream& out) const;

    // The member's text as UTF-8; empty when absent or not a string.
    std::string get(const Json& object, quint16 tag) const;
    // The member's number (floats toward zero, booleans 1/0); defaultValue when absent or not a
    // number/boolean (T = int, unsigned long long).
    template <typename T>
    T get(const Json& object, quint16 tag, T defaultValue) const;
    // Like get(), encoded with codec (one byte per character for Windows-1251) when given.
    std::string getEncoded(const Json& object, quint16 tag, const QTextCodec* codec) const;
    // True when the tag is known and object holds its key (whatever the value, null included).
    bool contains(const Json& object, quint16 tag) const;

private:
    const TLVDictionary* dictionary;
};
