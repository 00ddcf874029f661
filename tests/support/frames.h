#pragma once
// Frames and TLV items written out byte by byte in test code, with a CRC-32 and a reader of
// their own, so that a mistake shared by the library's encoder and decoder cannot hide.
//
//   replyFrame({item(8, u16(5)), item(9, payload)})       a reply with response 5 and data
//   dataReply(item(6, "0123456789"))                        response 0, extended 0, item 9
//   withBadCrc(frame), withMagic(frame, 0x1234)             damaged copies
//   commandOf(request), payloadOf(request), itemOf(body, 6) taking a request apart

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include <QByteArray>

namespace testing_support {

// Little-endian integers as item values.
QByteArray u8(std::uint8_t value);
QByteArray u16(std::uint16_t value);
QByteArray u32(std::uint32_t value);
QByteArray u64(std::uint64_t value);

// One TLV item: tag u16 LE, length u16 LE, value.
QByteArray item(std::uint16_t tag, const QByteArray& value);
QByteArray item(std::uint16_t tag, const char* text);

// Standard CRC-32 (reflected 0xEDB88320, as zlib's crc32).
std::uint32_t crc32(const QByteArray& bytes);

// Magic EF BE, length (body + 4), body, CRC-32 of header and body.
QByteArray frameOf(const QByteArray& body);
// A frame whose body is the concatenation of `items`.
QByteArray replyFrame(std::initializer_list<QByteArray> items);
// The usual successful reply: item 8 = response, item 30 = 0, and item 9 = payload.
QByteArray dataReply(const QByteArray& payload, std::uint16_t response = 0);

// Copies with the last CRC byte flipped, or with another magic (the CRC then still matches).
QByteArray withBadCrc(QByteArray frame);
QByteArray withMagic(QByteArray frame, std::uint16_t magic);

// Reading items back, by the test's own walk over the bytes. A truncated item ends the walk.
struct Item {
    std::uint16_t tag;
    QByteArray value;
};
std::vector<Item> itemsOf(const QByteArray& body);
// The first item with `tag`, or nothing.
std::optional<QByteArray> itemOf(const QByteArray& body, std::uint16_t tag);
// The little-endian number of an item value (up to 8 bytes).
std::uint64_t numberOf(const QByteArray& value);

// A whole frame's body (between the 4-byte header and the 4-byte trailer).
QByteArray bodyOf(const QByteArray& frame);
// Item 7 of a request frame; 0 when absent.
std::uint16_t commandOf(const QByteArray& frame);
// Item 9 of a request frame; empty when absent.
QByteArray payloadOf(const QByteArray& frame);

}  // namespace testing_support
