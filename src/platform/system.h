#pragma once

#include <QString>
#include <cstdint>

// Folders, each ending with "/".
QString CurrentFolder();  // working directory
QString ProfileFolder();  // the user's home
QString TempFolder();     // the temporary folder

int MonitorCount();
int64_t NowSeconds();  // seconds since 1970-01-01 00:00:00 UTC

// Hand a web address (also "mailto:") or a document to the user's default program.
bool OpenUrl(const QString& url);
bool OpenDocument(const QString& path);

void SetClipboardText(const QString& text);
QString GetClipboardText();
