#pragma once
// Builds a flat sequence of TLV items (tag u16 LE, length u16 LE, value) for replies.
// A value longer than an item can hold is not written; the writer then reports overflow()
// so the reply can be refused instead of sent corrupt.

#include <cstdint>
#include <string>

#include <QByteArray>

namespace korvex::sim {

class ItemWriter {
public:
    ItemWriter& u8(std::uint16_t tag, std::uint64_t value) { return number(tag, value, 1); }
    ItemWriter& u16(std::uint16_t tag, std::uint64_t value) { return number(tag, value, 2); }
    ItemWriter& u32(std::uint16_t tag, std::uint64_t value) { return number(tag, value, 4); }
    ItemWriter& u64(std::uint16_t tag, std::uint64_t value) { return number(tag, value, 8); }
    ItemWriter& number(std::uint16_t tag, std::uint64_t value, int width);
    ItemWriter& bytes(std::uint16_t tag, const QByteArray& value);
    ItemWriter& text(std::uint16_t tag, const std::string& ascii) { return bytes(tag, QByteArray::fromStdString(ascii)); }
    // A nested block: the other writer's items as one value.
    ItemWriter& block(std::uint16_t tag, const ItemWriter& inner);

    const QByteArray& data() const { return data_; }
    bool overflow() const { return overflow_; }
    bool empty() const { return data_.isEmpty(); }

private:
    QByteArray data_;
    bool overflow_ = false;
};

}  // namespace korvex::sim
