#include "platform/system.h"

#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

#include "base/locations.h"

QString CurrentFolder()
{
    return WithSlash(QDir::currentPath());
}

QString ProfileFolder()
{
    return WithSlash(QDir::homePath());
}

QString TempFolder()
{
    // The long form: no symbolic links on the way.
    const QString canonical = QFileInfo(QDir::tempPath()).canonicalFilePath();
    return WithSlash(canonical.isEmpty() ? QDir::tempPath() : canonical);
}

int MonitorCount()
{
    return std::max<int>(1, int(QGuiApplication::screens().size()));
}

int64_t NowSeconds()
{
    return QDateTime::currentSecsSinceEpoch();
}

bool OpenUrl(const QString& url)
{
    const QUrl address(url);
    return address.isValid() && QDesktopServices::openUrl(address);
}

bool OpenDocument(const QString& path)
{
    return !path.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SetClipboardText(const QString& text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text, QClipboard::Clipboard);
}

QString GetClipboardText()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text(QClipboard::Clipboard) : QString();
}
