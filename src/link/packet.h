#pragma once
// Request frames and the taking apart of reply frames (layout in link/frame_format.h).

#include <QByteArray>
#include <QString>

#include "api/export.h"

class KORVEX3_EXPORT Packet {
public:
    // Frame of serial (item 6, when not empty), client version (65), cmd (7) and payload
    // (9, when not empty). Returns an empty array when the serial, the payload or the whole
    // body would not fit its 16-bit length field: no frame rather than a corrupt one.
    static QByteArray make(quint16 cmd, const QString& serial, const QByteArray& payload);
    // 0 whole and intact, 1 fewer bytes than announced, 2 wrong magic, 3 CRC mismatch.
    // The trailer is always the last four bytes given.
    static int validate(const QByteArray& frame);
    // validate, then on 0 fills the members from items 7, 8, 30 and 9; else keeps them.
    int parse(const QByteArray& frame);

    quint16 cmd = 0;
    quint16 response = 0;
    quint32 extended = 0;
    QByteArray body;
};
