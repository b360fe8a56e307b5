#include "app/folders.h"

namespace {

QString WithSlash(const QString& folder)
{
    return folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
}

}  // namespace

QString DataFolderFor(OsVersion os, const QString& profileFolder, const QString& userDataFolder)
{
    switch (os) {
    case OsVersion::Windows98:
    case OsVersion::Windows2000:
    case OsVersion::WindowsXp:
    case OsVersion::WindowsXp64:
    case OsVersion::WindowsServer2003:
        return WithSlash(profileFolder) + QStringLiteral("Application Data/Vorquil 3/");
    case OsVersion::WindowsVista:
    case OsVersion::WindowsServer2008:
    case OsVersion::Windows7:
    case OsVersion::Windows8:
    case OsVersion::Unknown:
        return WithSlash(profileFolder) + QStringLiteral("AppData/Roaming/Vorquil 3/");
    case OsVersion::Windows95:
    case OsVersion::WindowsMe:
    case OsVersion::WindowsNt3:
    case OsVersion::WindowsNt4:
    case OsVersion::WindowsServer2008R2:
    case OsVersion::WindowsServer2012:
        return {};
    case OsVersion::Linux:
        return WithSlash(userDataFolder) + QStringLiteral("Vorquil 3/");
    }
    return {};
}

Folders ResolveFolders()
{
    Folders folders;
    folders.work = WithSlash(CurrentFolder());
    folders.data = DataFolderFor(CurrentOsVersion(), ProfileFolder(), UserDataFolder());
    return folders;
}
