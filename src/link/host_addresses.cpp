#include "link/host_addresses.h"

#include <QUrl>

#include <netdb.h>
#include <sys/socket.h>

namespace korvex {

QList<QHostAddress> hostAddresses(const QString& host)
{
    const QHostAddress literal(host);
    if (!literal.isNull())
        return {literal};

    QList<QHostAddress> addresses;
    const QByteArray name = QUrl::toAce(host);  // international names in their ASCII form
    if (name.isEmpty())
        return addresses;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name.constData(), nullptr, &hints, &found) != 0)
        return addresses;
    for (const addrinfo* entry = found; entry; entry = entry->ai_next) {
        const QHostAddress address(entry->ai_addr);
        if (!address.isNull() && !addresses.contains(address))
            addresses.append(address);
    }
    ::freeaddrinfo(found);
    return addresses;
}

}  // namespace korvex
