#include "app/web_links.h"

#include "app/program_state.h"
#include "platform/system.h"

namespace {
const QString SiteRoot = QStringLiteral("https://vorquil.example/");
}

void SetWebAddresses(WebAddresses& web)
{
    web.site = SiteRoot;
    web.download = QStringLiteral("https://vorquil.example/vorquil/download.php");
    web.helpWater = SiteRoot + QStringLiteral("help-eau.html");
    web.helpAir = SiteRoot + QStringLiteral("help-air.html");
    web.helpOptions = SiteRoot + QStringLiteral("help-options.html");
    web.helpEditor = SiteRoot + QStringLiteral("help-editor.html");
    web.contact = QStringLiteral("mailto:contact@vorquil.example");
}

void OpenTabHelp(const WebAddresses& web, int currentTab)
{
    switch (currentTab) {
    case 0: OpenUrl(web.helpWater); break;
    case 1: OpenUrl(web.helpAir); break;
    case 2: OpenUrl(web.helpOptions); break;
    default: break;
    }
}
