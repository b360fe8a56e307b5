#pragma once

#include <QString>
#include <cstdint>

// Operating systems that the data-folder and font rules know.
enum class OsVersion {
    Windows95,
    Windows98,
    WindowsMe,
    WindowsNt3,
    WindowsNt4,
    Windows2000,
    WindowsXp,
    WindowsXp64,
    WindowsServer2003,
    WindowsVista,
    WindowsServer2008,
    Windows7,
    WindowsServer2008R2,
    Windows8,
    WindowsServer2012,
    Unknown,
    Linux,
};
OsVersion CurrentOsVersion();

// Folders, each ending with "/".
QString CurrentFolder();   // working directory
QString ProfileFolder();   // the user's home
QString TempFolder();      // the temporary folder
QString UserDataFolder();  // $XDG_DATA_HOME, default ~/.local/share/

int MonitorCount();
int64_t NowSeconds();  // seconds since 1970-01-01 00:00:00 UTC

// Hand a web address (also "mailto:") or a document to the user's default program.
bool OpenUrl(const QString& url);
bool OpenDocument(const QString& path);

void SetClipboardText(const QString& text);
QString GetClipboardText();
