#pragma once
// Reply payloads into JSON by a list of (tag, code page) pairs, the shape every command's
// parse() shares. Absent tags are skipped; the result is null when none is present.

#include <initializer_list>

#include <QByteArray>

#include "tlv/json.h"
#include "tlv/tlv_parser.h"

namespace korvex {

enum class Text { Raw, Cp1251 };

struct ReplyField {
    quint16 tag;
    Text text = Text::Raw;
};

using ReplyFields = std::initializer_list<ReplyField>;

// Converts the listed tags of an already parsed payload into `object`, in list order.
void convertFields(const TLVParser& items, ReplyFields fields, Json& object);
// Parses `payload` with the device dictionary and converts the listed tags.
Json convertPayload(const QByteArray& payload, ReplyFields fields);
// Each `container` block (last in the payload first) as one record; null when there is none.
Json convertRecords(const QByteArray& payload, quint16 container, ReplyFields fields);

}  // namespace korvex
