#include "link/packet.h"

#include "api/identity.h"
#include "api/log.h"
#include "link/crc32.h"
#include "link/frame_format.h"
#include "tlv/byte_order.h"
#include "tlv/tlv_parser.h"

namespace {

void appendItem(QByteArray& body, quint16 tag, const QByteArray& value)
{
    korvex::appendLittleEndian(body, tag, 2);
    korvex::appendLittleEndian(body, quint64(value.size()), 2);
    body.append(value);
}

quint32 crcOf(const QByteArray& bytes, int length)
{
    return korvex::Crc32(reinterpret_cast<const unsigned char*>(bytes.constData()), unsigned(length));
}

}  // namespace

QByteArray Packet::make(quint16 cmd, const QString& serial, const QByteArray& payload)
{
    const QByteArray serialBytes = serial.toUtf8();
    if (serialBytes.size() > frame::kMaxItemValue || payload.size() > frame::kMaxItemValue)
        return {};

    QByteArray body;
    if (!serialBytes.isEmpty())
        appendItem(body, frame::kTagSerial, serialBytes);
    int version[4] = {};
    korvex::GetAppVersion(version);
    QByteArray value;
    korvex::appendLittleEndian(value, (quint32(version[0]) << 24) + (quint32(version[1]) << 16) + quint32(version[2]), 4);
    appendItem(body, frame::kTagClientVersion, value);
    value.clear();
    korvex::appendLittleEndian(value, cmd, 2);
    appendItem(body, frame::kTagCmd, value);
    if (!payload.isEmpty()) {
        appendItem(body, frame::kTagBody, payload);
        KORVEX_LOG("prepare to send");
    }
    if (body.size() > frame::kMaxBody)
        return {};

    QByteArray frameBytes;
    frameBytes.reserve(frame::kHeaderSize + body.size() + frame::kTrailerSize);
    korvex::appendLittleEndian(frameBytes, frame::kMagic, 2);
    korvex::appendLittleEndian(frameBytes, quint64(body.size() + frame::kTrailerSize), 2);
    frameBytes.append(body);
    korvex::appendLittleEndian(frameBytes, crcOf(frameBytes, frameBytes.size()), 4);
    return frameBytes;
}

int Packet::validate(const QByteArray& frameBytes)
{
    const char* bytes = frameBytes.constData();
    const std::size_t size = std::size_t(frameBytes.size());
    const auto magic = quint16(size >= 2 ? korvex::readLittleEndian(bytes, 2, 2) : 0);
    const auto length = quint16(size >= 4 ? korvex::readLittleEndian(bytes + 2, 2, 2) : 0);
    if (magic != frame::kMagic)
        return frame::kBadMagic;
    if (size < std::size_t(length) + frame::kHeaderSize)
        return frame::kIncomplete;
    const std::size_t covered = size - frame::kTrailerSize;  // size >= length + 4 >= 4 here
    const quint32 stated = quint32(korvex::readLittleEndian(bytes + covered, 4, 4));
    return crcOf(frameBytes, int(covered)) == stated ? frame::kWhole : frame::kBadCrc;
}

int Packet::parse(const QByteArray& frameBytes)
{
    const int check = validate(frameBytes);
    if (check != frame::kWhole)
        return check;
    TLVParser items(korvex::deviceDictionary());
    items.parse(frameBytes.mid(frame::kHeaderSize, frameBytes.size() - frame::kHeaderSize - frame::kTrailerSize));
    response = quint16(korvex::readLittleEndian(items.value(frame::kTagResponse), 4));
    extended = quint32(korvex::readLittleEndian(items.value(frame::kTagExtended), 4));
    cmd = quint16(korvex::readLittleEndian(items.value(frame::kTagCmd), 2));
    body = items.value(frame::kTagBody);
    return frame::kWhole;
}
