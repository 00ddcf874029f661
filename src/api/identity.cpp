#include "api/identity.h"

#include <cstdio>

#include <QStandardPaths>

namespace korvex {

QString AppVersion() { return QStringLiteral("3.9.56.361"); }

int GetAppVersion(int* parts)
{
    const QByteArray text = AppVersion().toLatin1();
    return std::sscanf(text.constData(), "%d.%d.%d.%d", &parts[0], &parts[1], &parts[2], &parts[3]);
}

QString OrganizationName() { return QStringLiteral("Korvex Engineering"); }
QString ServiceAppName() { return QStringLiteral("Korvex Service"); }
QString FDImportAppName() { return QStringLiteral("Korvex FDImport"); }
QString UpdateAppName() { return QStringLiteral("Korvex Update"); }

QString AppHome(const QString& application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/" +
           OrganizationName() + "/" + application;
}

}  // namespace korvex
