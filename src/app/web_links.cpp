#include "app/web_links.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "base/identity.h"
#include "base/locations.h"
#include "platform/dialogs.h"
#include "platform/system.h"

namespace {
const QString SiteRoot = QStringLiteral("https://vorquil.example/");

// The help page of each tab of the main window, in tab order.
QString WebAddresses::*const TabHelp[] = {
    &WebAddresses::helpWater,
    &WebAddresses::helpAir,
    &WebAddresses::helpDrainage,
    &WebAddresses::helpOptions,
};
}

QString HelpFolderFor(const QString& executableFolder)
{
    for (const QString& folder :
         {executableFolder + QStringLiteral("/../share/vorquil/help"), QStringLiteral(VQ_SOURCE_HELP_DIR)})
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(folder) + u'/';
    return {};
}

void SetWebAddresses(WebAddresses& web)
{
    web.site = SiteRoot;
    web.download = QStringLiteral("https://vorquil.example/vorquil/download.php");
    web.helpWater = SiteRoot + QStringLiteral("help-eau.html");
    web.helpAir = SiteRoot + QStringLiteral("help-air.html");
    web.helpDrainage = SiteRoot + QStringLiteral("help-evac.html");
    web.helpOptions = SiteRoot + QStringLiteral("help-options.html");
    web.helpEditor = SiteRoot + QStringLiteral("help-editor.html");
    web.helpNetwork = SiteRoot + QStringLiteral("help-reseau.html");
    web.contact = QStringLiteral("mailto:contact@vorquil.example");
    if (QCoreApplication::instance())
        web.helpFolder = HelpFolderFor(QCoreApplication::applicationDirPath());
}

void OpenAddress(const QString& address)
{
    if (!OpenUrl(address))
        ShowMessage(ProgramTitle,
                    QStringLiteral("L'adresse suivante n'a pas pu être ouverte (aucun navigateur ou programme "
                                   "associé n'a été trouvé) :\r\n")
                        + address,
                    MessageOk);
}

void OpenLocalFile(const QString& path)
{
    if (!OpenDocument(path))
        ShowMessage(ProgramTitle,
                    QStringLiteral("Le fichier suivant n'a pas pu être ouvert (aucun programme associé n'a été "
                                   "trouvé) :\r\n")
                        + path,
                    MessageOk);
}

void OpenHelpPage(const WebAddresses& web, const QString& webAddress)
{
    const QString local = web.helpFolder + QUrl(webAddress).fileName();
    if (!web.helpFolder.isEmpty() && QFileInfo(local).isFile())
        OpenLocalFile(local);
    else
        OpenAddress(webAddress);
}

void OpenTabHelp(const WebAddresses& web, int currentTab)
{
    if (currentTab >= 0 && currentTab < int(std::size(TabHelp)))
        OpenHelpPage(web, web.*TabHelp[currentTab]);
}

void OpenVersionHistory(const Folders& folders, const WebAddresses& web)
{
    const QString name = QStringLiteral("History.txt");
    const QString installed = web.helpFolder + name;
    if (!QFileInfo(folders.work + name).isFile() && !web.helpFolder.isEmpty() && QFileInfo(installed).isFile())
        OpenLocalFile(installed);
    else
        OpenLocalFile(folders.work + name);
}
