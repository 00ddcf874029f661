#pragma once
// Identity of the library and the names shared by the programs of the Korvex family.

#include <QString>

#include "api/export.h"

namespace korvex {

inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 9;
inline constexpr int kVersionBuild = 56;
inline constexpr int kVersionRevision = 361;

KORVEX3_EXPORT QString AppVersion();
// Fills parts[0..3] with major, minor, build, revision; returns the count read (4).
KORVEX3_EXPORT int GetAppVersion(int* parts);
KORVEX3_EXPORT QString OrganizationName();
KORVEX3_EXPORT QString ServiceAppName();
KORVEX3_EXPORT QString FDImportAppName();
KORVEX3_EXPORT QString UpdateAppName();
// GenericDataLocation/OrganizationName()/application; creates nothing.
KORVEX3_EXPORT QString AppHome(const QString& application);

}  // namespace korvex
