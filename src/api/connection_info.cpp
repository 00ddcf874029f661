#include "api/connection_info.h"

#include <cstring>

ConnectionInfo::~ConnectionInfo()
{
    for (const char* text : strings)
        delete[] text;
}

const char* ConnectionInfo::addString(const QByteArray& text)
{
    const std::size_t length = std::strlen(text.constData());  // QByteArray data is NUL-terminated
    char* copy = new char[std::size_t(text.size()) + 1];
    std::memcpy(copy, text.constData(), length);
    copy[length] = '\0';
    strings.append(copy);
    return copy;
}
