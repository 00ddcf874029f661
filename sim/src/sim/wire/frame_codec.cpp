#include "sim/wire/frame_codec.h"

#include "link/crc32.h"
#include "link/frame_format.h"
#include "link/packet.h"
#include "tlv/byte_order.h"
#include "sim/response_codes.h"
#include "sim/wire/item_writer.h"

namespace korvex::sim {
namespace {

inline constexpr std::uint16_t kTagTaskId = 53;
// Room for the body item beside items 8 and 30 within the frame's 16-bit length.
inline constexpr int kMaxReplyPayload = frame::kMaxBody - 3 * frame::kItemHeaderSize - 2 - 4;

quint32 crcOf(const QByteArray& bytes)
{
    return Crc32(reinterpret_cast<const unsigned char*>(bytes.constData()), unsigned(bytes.size()));
}

}  // namespace

Request decodeRequest(const QByteArray& frameBytes)
{
    Request request;
    request.intact = Packet::validate(frameBytes) == frame::kWhole;
    if (!request.intact)
        return request;
    TLVParser body(korvex::deviceDictionary());
    body.parse(frameBytes.mid(frame::kHeaderSize, frameBytes.size() - frame::kHeaderSize - frame::kTrailerSize));
    if (body.count(frame::kTagCmd) > 0)
        request.cmd = quint16(readLittleEndian(body.value(frame::kTagCmd), 2));
    if (body.count(frame::kTagSerial) > 0)
        request.serial = body.value(frame::kTagSerial);
    request.payload = body.value(frame::kTagBody);
    request.fields.parse(request.payload);
    if (request.fields.count(kTagTaskId) > 0)
        request.taskId = request.fields.get<unsigned int>(kTagTaskId, 0);
    return request;
}

QByteArray encodeReply(const Reply& reply)
{
    if (reply.body.size() > kMaxReplyPayload)
        return encodeReply(Reply::error(response::kReplyTooLarge));
    ItemWriter items;
    items.u16(frame::kTagResponse, reply.response).u32(frame::kTagExtended, reply.extended);
    if (!reply.body.isEmpty())
        items.bytes(frame::kTagBody, reply.body);
    QByteArray bytes;
    appendLittleEndian(bytes, frame::kMagic, 2);
    appendLittleEndian(bytes, std::uint64_t(items.data().size() + frame::kTrailerSize), 2);
    bytes.append(items.data());
    appendLittleEndian(bytes, crcOf(bytes), 4);
    return bytes;
}

FrameSplitter::Result FrameSplitter::next(QByteArray& frameBytes)
{
    if (buffer_.size() >= 2 && readLittleEndian(buffer_, 2) != frame::kMagic)
        return Result::kGarbage;
    if (buffer_.size() < frame::kHeaderSize)
        return Result::kNeedMore;
    const int size = int(readLittleEndian(buffer_.constData() + 2, 2, 2)) + frame::kHeaderSize;
    if (buffer_.size() < size)
        return Result::kNeedMore;
    frameBytes = buffer_.left(size);
    buffer_.remove(0, size);
    return Result::kFrame;
}

}  // namespace korvex::sim
