#include "sim/net/delivery.h"

#include <algorithm>

#include "link/crc32.h"
#include "tlv/byte_order.h"

namespace korvex::sim {
namespace {

inline constexpr std::uint16_t kWrongMagic = 0xDEAD;
inline constexpr int kStrayBytes = 4;

bool writeInPieces(Link& link, const QByteArray& frame, int pieces, std::chrono::milliseconds pause)
{
    const int count = pieces <= 0 ? frame.size() : std::min(pieces, frame.size());
    int written = 0;
    for (int i = 0; i < count; ++i) {
        const int end = int(std::int64_t(frame.size()) * (i + 1) / count);
        if (i > 0 && !link.pause(pause))
            return false;
        if (!link.write(frame.mid(written, end - written)))
            return false;
        written = end;
    }
    return true;
}

// The bytes a damaging fault puts on the wire in place of `frame`.
QByteArray damaged(const QByteArray& frame, FaultKind kind)
{
    QByteArray bytes = frame;
    switch (kind) {
    case FaultKind::kBadCrc:
        bytes[bytes.size() - 1] = char(bytes[bytes.size() - 1] ^ 0xFF);
        break;
    case FaultKind::kBadMagic: {
        QByteArray magic;
        appendLittleEndian(magic, kWrongMagic, 2);
        bytes.replace(0, 2, magic);
        bytes.chop(4);
        const quint32 crc = Crc32(reinterpret_cast<const unsigned char*>(bytes.constData()), unsigned(bytes.size()));
        appendLittleEndian(bytes, crc, 4);
        break;
    }
    case FaultKind::kOverlong:
        bytes.append(QByteArray(kStrayBytes, '\x5A'));
        break;
    default:
        break;
    }
    return bytes;
}

}  // namespace

bool deliver(Link& link, const QByteArray& frame, const std::optional<Fault>& fault)
{
    if (!fault)
        return link.write(frame);
    switch (fault->kind) {
    case FaultKind::kDelay:
        return link.pause(fault->pause) && link.write(frame);
    case FaultKind::kSplit:
        return writeInPieces(link, frame, fault->pieces, fault->pause);
    case FaultKind::kSilent:
        return true;
    case FaultKind::kCloseBeforeReply:
        link.hangUp();
        return false;
    case FaultKind::kCloseMidFrame:
        link.write(frame.left(frame.size() / 2));
        link.hangUp();
        return false;
    default:
        return link.write(damaged(frame, fault->kind));
    }
}

}  // namespace korvex::sim
