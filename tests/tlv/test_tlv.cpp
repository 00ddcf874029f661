#include <gtest/gtest.h>

#include <QDataStream>

#include "support/hex.h"
#include "tlv/tlv.h"

using testing_support::hex;
using testing_support::toHex;

namespace {

struct TlvCase {
    const char* what;
    const char* name;
    quint16 tag;
    const char* value;
    const char* text;
    const char* bigEndian;     // streamOut with QDataStream's default byte order
    const char* littleEndian;  // streamOut after setByteOrder(LittleEndian)
};

std::string streamed(const TLV& item, QDataStream::ByteOrder order)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(order);
    item.streamOut(out);
    return toHex(bytes);
}

TEST(TLV, TextFormAndStreamForm)
{
    const TlvCase cases[] = {
        {"two-byte value", "version", 1, "01 00", "Name: version\tTag: 1\tLength:2\tValue:01:00",
         "00 01 00 00 00 02 01 00", "01 00 02 00 00 00 01 00"},
        {"lower-case hex, unsigned tag", "x", 0xFFFF, "01 AB", "Name: x\tTag: 65535\tLength:2\tValue:01:ab",
         "FF FF 00 00 00 02 01 AB", "FF FF 02 00 00 00 01 AB"},
        {"empty value streams nothing", "serial", 6, "", "Name: serial\tTag: 6\tLength:0\tValue:", "", ""},
    };
    for (const TlvCase& c : cases) {
        const TLV item(QString::fromLatin1(c.name), c.tag, hex(c.value));
        EXPECT_EQ(item.toString().toStdString(), c.text) << c.what;
        EXPECT_EQ(streamed(item, QDataStream::BigEndian), toHex(hex(c.bigEndian))) << c.what;
        EXPECT_EQ(streamed(item, QDataStream::LittleEndian), toHex(hex(c.littleEndian))) << c.what;
    }
}

}  // namespace
