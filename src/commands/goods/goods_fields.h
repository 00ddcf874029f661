#pragma once
// Pieces shared by the three goods commands: their tags, nested blocks, record error entries.

#include <QByteArray>
#include <QDataStream>

#include "commands/request_builder.h"
#include "tlv/json.h"

namespace korvex::goods {

inline constexpr quint16 kGoodsCount = 5, kResponse = 8, kDeptId = 36, kPrice = 37, kIntCode = 40,
                         kName = 41, kItemAttr = 118, kItemAttrExt = 119, kGoodsId = 129, kItem = 130,
                         kRange = 131, kList = 132, kBarcode = 133, kUnit = 134, kDeleteBefore = 136,
                         kExcise = 137;

// A nested block of items being written, little-endian like the payload.
struct Block {
    Block() { stream.setByteOrder(QDataStream::LittleEndian); }
    QByteArray bytes;
    QDataStream stream{&bytes, QIODevice::WriteOnly};
};

// The parsed input as a debug record, indented one space per level.
void logInput(const Json& input);
// The error entry of a record that failed on `tag`: {key: the record as given}.
Json recordEntry(quint16 tag, const Json& record);
// Writes a non-empty block as one `tag` item into `into`; a block too large for one item is
// refused under the tag's key. An empty block writes nothing.
void writeBlock(RequestBuilder& request, quint16 tag, const Block& block, QDataStream& into);

}  // namespace korvex::goods
