#include "tlv/codecs.h"

#include <QTextCodec>

namespace korvex {
// Looked up once: the name search is slow and Qt keeps its codecs until the process ends.
const QTextCodec* cp1251()
{
    static const QTextCodec* const codec = QTextCodec::codecForName("Windows-1251");
    return codec;
}
const QTextCodec* cp866()
{
    static const QTextCodec* const codec = QTextCodec::codecForName("CP866");
    return codec;
}
}  // namespace korvex
