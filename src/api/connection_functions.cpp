// Opening and closing connections.
#include "api/address.h"
#include "api/connections.h"
#include "commands/device/command_get_info.h"
#include "korvex3/korvex3.h"

namespace {

// The serial the register reported in data.serial of the information envelope, or empty.
QString serialOf(const QByteArray& envelope)
{
    const Json parsed = Json::parse(envelope.toStdString(), nullptr, false);
    if (!parsed.is_object())
        return {};
    const auto data = parsed.find("data");
    if (data == parsed.end() || !data->is_object())
        return {};
    const auto serial = data->find("serial");
    return serial != data->end() && serial->is_string() ? QString::fromStdString(serial->get<std::string>())
                                                        : QString();
}

}  // namespace

KORVEX3_API int korvex3_open(const char* address, korvex3_u16 timeout, const char*& out)
{
    auto record = std::make_shared<ConnectionInfo>();
    if (!korvex::api::parseAddress(address, record->host, record->port))
        return korvex3::kInvalidAddress;
    CommandGetInfo info(record->host, record->port, QString());
    const int result = info.run(timeout, 0, {});
    if (result != korvex3::kOk)
        return result;
    if (!info.output.isEmpty())
        record->serial = serialOf(info.output);
    out = record->addString(info.output);
    return korvex::connections::add(std::move(record));
}

KORVEX3_API int korvex3_close(int handle)
{
    return korvex::connections::remove(handle) ? korvex3::kOk : korvex3::kNoHandle;
}
