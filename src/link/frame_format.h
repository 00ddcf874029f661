#pragma once
// Wire format of a frame: magic EF BE, length u16 LE (body + trailer), body of TLV items,
// CRC-32 (LE) of header and body. All integers little-endian.

#include <QtGlobal>

namespace frame {

inline constexpr quint16 kMagic = 0xBEEF;
inline constexpr int kHeaderSize = 4;   // magic + length
inline constexpr int kTrailerSize = 4;  // CRC-32
inline constexpr int kMaxLength = 0xFFFF;                     // largest length field
inline constexpr int kMaxBody = kMaxLength - kTrailerSize;    // 65531
inline constexpr int kMaxFrame = kHeaderSize + kMaxLength;    // 65539
inline constexpr int kItemHeaderSize = 4;  // tag + length of one TLV item
inline constexpr int kMaxItemValue = 0xFFFF;

// Tags of the frame body.
inline constexpr quint16 kTagSerial = 6;
inline constexpr quint16 kTagCmd = 7;
inline constexpr quint16 kTagResponse = 8;
inline constexpr quint16 kTagBody = 9;
inline constexpr quint16 kTagExtended = 30;
inline constexpr quint16 kTagClientVersion = 65;

// Results of Packet::validate / Packet::parse.
enum Check : int { kWhole = 0, kIncomplete = 1, kBadMagic = 2, kBadCrc = 3 };

}  // namespace frame
