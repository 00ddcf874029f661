#pragma once
// Byte vectors written as hex text in tests: "EF BE 12 00" (spaces and commas ignored).

#include <QByteArray>
#include <QString>

namespace testing_support {

inline QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', "").replace(',', ""));
}

inline std::string toHex(const QByteArray& bytes) { return bytes.toHex(' ').toUpper().toStdString(); }

}  // namespace testing_support
