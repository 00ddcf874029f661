#pragma once
// Name resolution for the exchange. Qt's own lookup runs through a helper object that wants a
// QCoreApplication and warns on standard error without one; hosts of this library often have
// none, so names are resolved here with the system resolver on the calling thread.

#include <QHostAddress>
#include <QList>
#include <QString>

namespace korvex {

// The addresses of `host` in the resolver's order (an address literal as itself); empty when
// the name does not resolve.
QList<QHostAddress> hostAddresses(const QString& host);

}  // namespace korvex
