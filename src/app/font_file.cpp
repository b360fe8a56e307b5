#include "app/font_file.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "platform/dialogs.h"
#include "platform/graphics.h"
#include "platform/system.h"

bool NeedsPrivateFontFile(OsVersion os)
{
    switch (os) {
    case OsVersion::Windows95:
    case OsVersion::Windows98:
    case OsVersion::WindowsMe:
    case OsVersion::WindowsNt3:
    case OsVersion::WindowsNt4:
    case OsVersion::Windows2000:
    case OsVersion::WindowsXp:
    case OsVersion::WindowsXp64:
    case OsVersion::WindowsServer2003:
        return true;
    default:
        return false;
    }
}

QString FontFilePath(const QString& dataFolder)
{
    return dataFolder + QStringLiteral("Fonts/calibri.ttf");
}

static void BroadcastFontChange()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QEvent change(QEvent::ApplicationFontChange);
        QApplication::sendEvent(w, &change);
    }
}

bool InstallFontFile(const QString& dataFolder)
{
    if (!AddPrivateFont(FontFilePath(dataFolder))) {
        ShowMessage(QStringLiteral("Erreur"),
                    QStringLiteral("La Police : ") + dataFolder
                        + QStringLiteral("Fonts/calibri.ttf n'a pas été trouvée !"),
                    MessageOk);
        return false;
    }
    BroadcastFontChange();
    return true;
}

void RemoveFontFile(const QString& dataFolder)
{
    if (RemovePrivateFont(FontFilePath(dataFolder)))
        BroadcastFontChange();
}
