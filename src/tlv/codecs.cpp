#include "tlv/codecs.h"

#include <QTextCodec>

namespace korvex {
const QTextCodec* cp1251() { return QTextCodec::codecForName("Windows-1251"); }
const QTextCodec* cp866() { return QTextCodec::codecForName("CP866"); }
}  // namespace korvex
