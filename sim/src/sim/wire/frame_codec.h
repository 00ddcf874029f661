#pragma once
// Frames as the register sees them: cutting the incoming byte stream into request frames,
// taking a request apart and writing a reply (items 8 response, 30 extended, 9 body).

#include <cstdint>
#include <optional>

#include <QByteArray>

#include "tlv/tlv_parser.h"

namespace korvex::sim {

struct Request {
    bool intact = false;             // magic, length and CRC are right
    std::optional<std::uint16_t> cmd;
    std::optional<QByteArray> serial;
    QByteArray payload;              // item 9
    TLVParser fields{korvex::deviceDictionary()};  // the items of the payload
    std::optional<std::uint32_t> taskId;           // item 53 of the payload
};

struct Reply {
    std::uint16_t response = 0;
    std::uint32_t extended = 0;
    QByteArray body;

    static Reply ok(const QByteArray& body = {}) { return {0, 0, body}; }
    static Reply error(std::uint16_t code, std::uint32_t extended = 0) { return {code, extended, {}}; }
};

Request decodeRequest(const QByteArray& frame);
QByteArray encodeReply(const Reply& reply);

// Collects received bytes and hands out whole frames by their length field.
class FrameSplitter {
public:
    enum class Result { kNeedMore, kFrame, kGarbage };

    void append(const QByteArray& bytes) { buffer_.append(bytes); }
    // kFrame fills `frame` and drops it from the buffer; kGarbage: the stream does not start
    // with the magic, so no frame boundary can be found any more.
    Result next(QByteArray& frame);

private:
    QByteArray buffer_;
};

}  // namespace korvex::sim
