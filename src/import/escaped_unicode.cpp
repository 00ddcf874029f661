#include "import/escaped_unicode.h"

#include "api/log.h"

std::string EscapedUnicodeString(const QString& text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string escaped;
    escaped.reserve(std::size_t(text.size()) * 6);
    for (const QChar unit : text) {
        const ushort code = unit.unicode();
        escaped += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            escaped += kHex[(code >> shift) & 0xF];
    }
    KORVEX_LOG("{}", escaped);
    return escaped;
}
