#include "sim/wire/item_writer.h"

#include "link/frame_format.h"
#include "tlv/byte_order.h"

namespace korvex::sim {

ItemWriter& ItemWriter::number(std::uint16_t tag, std::uint64_t value, int width)
{
    QByteArray encoded;
    appendLittleEndian(encoded, value, width);
    return bytes(tag, encoded);
}

ItemWriter& ItemWriter::bytes(std::uint16_t tag, const QByteArray& value)
{
    if (value.size() > frame::kMaxItemValue) {
        overflow_ = true;
        return *this;
    }
    appendLittleEndian(data_, tag, 2);
    appendLittleEndian(data_, std::uint64_t(value.size()), 2);
    data_.append(value);
    return *this;
}

ItemWriter& ItemWriter::block(std::uint16_t tag, const ItemWriter& inner)
{
    overflow_ = overflow_ || inner.overflow_;
    return bytes(tag, inner.data_);
}

}  // namespace korvex::sim
