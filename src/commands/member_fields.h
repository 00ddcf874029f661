#pragma once
// Plain optional members written in table order, for the runs of fields that are neither
// checked nor combined: writeMembers(b, {{62}, {140}, {152, Encoding::Cp1251}}).

#include <initializer_list>

#include "commands/request_builder.h"

namespace korvex {

struct MemberField {
    quint16 tag;
    Encoding encoding = Encoding::Utf8;  // only text tags look at it
};

inline void writeMembers(RequestBuilder& b, std::initializer_list<MemberField> fields)
{
    for (const MemberField& field : fields)
        b.member(field.tag, field.encoding);
}

}  // namespace korvex
