#include "import/document_values.h"

#include <QTextCodec>

#include "import/escaped_unicode.h"
#include "tlv/byte_order.h"
#include "tlv/codecs.h"

namespace korvex::document {

namespace {
constexpr int kQuantityDecimals = 4;
constexpr int kSignOffset = 2, kSignSize = 4;
}  // namespace

std::uint64_t amount(const QByteArray& value) { return readLittleEndian(value, 8) * 100; }

std::uint64_t quantity(const QByteArray& value)
{
    if (value.size() < 2)
        return 0;
    const int places = static_cast<unsigned char>(value[0]);
    std::uint64_t result = readLittleEndian(value.constData() + 1, std::size_t(value.size() - 1), 8);
    for (int p = places; p < kQuantityDecimals; ++p)
        result *= 10;
    for (int p = places; p > kQuantityDecimals && result != 0; --p)
        result /= 10;
    return result;
}

int taxId(unsigned code)
{
    switch (code) {
    case 2: return 2;
    case 3: return 5;
    case 4: return 4;
    case 5: return 6;
    case 6: return 1;
    default: return 3;
    }
}

std::optional<std::uint32_t> fiscalSign(const QByteArray& value)
{
    if (value.size() < kSignOffset + kSignSize)
        return std::nullopt;
    std::uint32_t sign = 0;
    for (int i = kSignOffset; i < kSignOffset + kSignSize; ++i)
        sign = (sign << 8) | static_cast<unsigned char>(value[i]);
    return sign;
}

std::string textForm(const QByteArray& cp866Bytes, bool escaped)
{
    const QTextCodec* codec = cp866();
    // Without the codec the bytes still arrive as text, one character per byte.
    const QString text = codec ? codec->toUnicode(cp866Bytes) : QString::fromLatin1(cp866Bytes);
    return escaped ? EscapedUnicodeString(text) : text.toUtf8().toStdString();
}

}  // namespace korvex::document
