#include "app/web_links.h"

#include "app/program_state.h"
#include "platform/system.h"

namespace {
const QString SiteRoot = QStringLiteral("https://vorquil.example/");

// The help page of each tab of the main window, in tab order.
QString WebAddresses::* const TabHelp[] = {
    &WebAddresses::helpWater, &WebAddresses::helpAir, &WebAddresses::helpDrainage, &WebAddresses::helpOptions,
};
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
    web.contact = QStringLiteral("mailto:contact@vorquil.example");
}

void OpenTabHelp(const WebAddresses& web, int currentTab)
{
    if (currentTab >= 0 && currentTab < int(std::size(TabHelp)))
        OpenUrl(web.*TabHelp[currentTab]);
}
