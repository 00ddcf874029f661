#include "commands/operator_fields.h"

namespace korvex {

void writeOperator(RequestBuilder& b, std::initializer_list<quint16> keysWhenMissing, InnAlone innAlone)
{
    const int id = b.number(kTagUserId);
    const std::string name = b.text(kTagUserName);
    const std::string inn = b.text(kTagUserInn);

    b.checkInn(kTagUserInn);
    const bool innCounts = innAlone == InnAlone::Identifies && !inn.empty();
    if (id == 0 && name.empty() && !innCounts)
        for (const quint16 key : keysWhenMissing)
            b.reject(key);

    if (id != 0)
        b.writeNumber(kTagUserId, id);
    b.writeText(kTagUserName, name, Encoding::Cp1251);
    b.writeText(kTagUserInn, inn, Encoding::Utf8);
}

}  // namespace korvex
