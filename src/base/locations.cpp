#include "base/locations.h"

#include <QDir>

QString WithSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString DataFolder()
{
    // A relative $XDG_DATA_HOME is invalid by the XDG rules: the default applies.
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    const QString base = !xdg.isEmpty() && QDir::isAbsolutePath(xdg)
        ? WithSlash(QDir::cleanPath(xdg))
        : WithSlash(QDir::homePath()) + QStringLiteral(".local/share/");
    return base + QStringLiteral("Vorquil 3/");
}
