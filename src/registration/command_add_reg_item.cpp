#include "registration/command_add_reg_item.h"

#include "commands/request_builder.h"
#include "link/frame_format.h"

namespace {
constexpr quint16 kCode = 216;
constexpr quint16 kTagFdTag = 87;
constexpr const char* kValueKey = "value";

// The decoded value, or nothing when the member is absent, null or not a string.
QByteArray decodedValue(const Json& input)
{
    if (!input.is_object())
        return {};
    const auto it = input.find(kValueKey);
    if (it == input.end() || !it->is_string())
        return {};
    return QByteArray::fromBase64(QByteArray::fromStdString(it->get<std::string>()));
}

}  // namespace

int CommandAddRegItem::prepare()
{
    korvex::RequestBuilder builder(*this, "add reg item begin");
    if (builder.isNull())
        return builder.nullResult();
    const unsigned long long tag = builder.json().get<unsigned long long>(builder.input(), kTagFdTag, 0);
    const QByteArray value = decodedValue(builder.input());
    if (tag == 0 || tag > 0xFFFF || value.isEmpty() || value.size() > frame::kMaxItemValue) {
        builder.reject(kTagFdTag);
        return builder.finish(kCode);
    }
    // The tag is the fiscal drive's own number, which the device dictionary need not know.
    QDataStream& out = builder.stream();
    out << quint16(tag) << quint16(value.size());
    out.writeRawData(value.constData(), value.size());
    return builder.finish(kCode);
}
