#include "api/address.h"

#include <QUrl>

#include "api/connection_info.h"

namespace korvex::api {

bool parseAddress(const char* address, QString& host, quint16& port)
{
    const QUrl url(QStringLiteral("http://") + QString::fromUtf8(address ? address : ""), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    host = url.host(QUrl::FullyDecoded);
    port = quint16(url.port(ConnectionInfo::kDefaultPort));
    return true;
}

}  // namespace korvex::api
