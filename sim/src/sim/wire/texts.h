#pragma once
// The register keeps its texts as UTF-8; on the wire they are Windows-1251 (device protocol)
// or CP866 (documents of the fiscal drive).

#include <string>

#include <QByteArray>

namespace korvex::sim {

std::string fromCp1251(const QByteArray& bytes);
QByteArray toCp1251(const std::string& utf8);
QByteArray toCp866(const std::string& utf8);

}  // namespace korvex::sim
