#pragma once

#include <QString>

namespace korvex::api {
// Parses "host[:port][anything]" as the authority of an http URL in strict mode. False for
// what the URL refuses (a port over 65535, a space, no host); the port is 8080 when not named.
bool parseAddress(const char* address, QString& host, quint16& port);
}  // namespace korvex::api
