#include "sim/wire/texts.h"

#include <QString>
#include <QTextCodec>

#include "tlv/codecs.h"

namespace korvex::sim {
namespace {

// Without the codec the bytes pass unchanged, as the library does.
QByteArray encode(const QTextCodec* codec, const std::string& utf8)
{
    const QString text = QString::fromStdString(utf8);
    return codec ? codec->fromUnicode(text) : text.toUtf8();
}

}  // namespace

std::string fromCp1251(const QByteArray& bytes)
{
    const QTextCodec* codec = cp1251();
    return codec ? codec->toUnicode(bytes).toStdString() : bytes.toStdString();
}

QByteArray toCp1251(const std::string& utf8) { return encode(cp1251(), utf8); }
QByteArray toCp866(const std::string& utf8) { return encode(cp866(), utf8); }

}  // namespace korvex::sim
