#include "support/frames.h"

#include <algorithm>
#include <array>

namespace testing_support {
namespace {

QByteArray littleEndian(std::uint64_t value, int width)
{
    QByteArray bytes;
    for (int i = 0; i < width; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
    return bytes;
}

void appendCrc(QByteArray& frame) { frame.append(littleEndian(crc32(frame), 4)); }

}  // namespace

QByteArray u8(std::uint8_t value) { return littleEndian(value, 1); }
QByteArray u16(std::uint16_t value) { return littleEndian(value, 2); }
QByteArray u32(std::uint32_t value) { return littleEndian(value, 4); }
QByteArray u64(std::uint64_t value) { return littleEndian(value, 8); }

QByteArray item(std::uint16_t tag, const QByteArray& value)
{
    return u16(tag) + u16(std::uint16_t(value.size())) + value;
}

QByteArray item(std::uint16_t tag, const char* text) { return item(tag, QByteArray(text)); }

std::uint32_t crc32(const QByteArray& bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ std::uint8_t(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray frameOf(const QByteArray& body)
{
    QByteArray frame = u16(0xBEEF) + u16(std::uint16_t(body.size() + 4)) + body;
    appendCrc(frame);
    return frame;
}

QByteArray replyFrame(std::initializer_list<QByteArray> items)
{
    QByteArray body;
    for (const QByteArray& one : items)
        body += one;
    return frameOf(body);
}

QByteArray dataReply(const QByteArray& payload, std::uint16_t response)
{
    return replyFrame({item(8, u16(response)), item(30, u32(0)), item(9, payload)});
}

QByteArray withBadCrc(QByteArray frame)
{
    frame[frame.size() - 1] = char(frame[frame.size() - 1] ^ 0x5A);
    return frame;
}

QByteArray withMagic(QByteArray frame, std::uint16_t magic)
{
    frame.replace(0, 2, u16(magic));
    frame.chop(4);
    appendCrc(frame);
    return frame;
}

std::vector<Item> itemsOf(const QByteArray& body)
{
    std::vector<Item> items;
    int pos = 0;
    while (body.size() - pos >= 4) {
        const auto tag = std::uint16_t(numberOf(body.mid(pos, 2)));
        const int length = int(numberOf(body.mid(pos + 2, 2)));
        pos += 4;
        if (body.size() - pos < length)
            break;
        items.push_back({tag, body.mid(pos, length)});
        pos += length;
    }
    return items;
}

std::optional<QByteArray> itemOf(const QByteArray& body, std::uint16_t tag)
{
    for (const Item& one : itemsOf(body))
        if (one.tag == tag)
            return one.value;
    return std::nullopt;
}

std::uint64_t numberOf(const QByteArray& value)
{
    std::uint64_t number = 0;
    for (int i = std::min(int(value.size()), 8) - 1; i >= 0; --i)
        number = (number << 8) | std::uint8_t(value[i]);
    return number;
}

QByteArray bodyOf(const QByteArray& frame) { return frame.size() < 8 ? QByteArray() : frame.mid(4, frame.size() - 8); }

std::uint16_t commandOf(const QByteArray& frame)
{
    return std::uint16_t(numberOf(itemOf(bodyOf(frame), 7).value_or(QByteArray())));
}

QByteArray payloadOf(const QByteArray& frame) { return itemOf(bodyOf(frame), 9).value_or(QByteArray()); }

}  // namespace testing_support
