#include <gtest/gtest.h>

#include "app/program_state.h"
#include "app/url_capture.h"
#include "app/web_links.h"

namespace {

TEST(WebLinks, HelpKeyOpensThePageOfTheCurrentTab)
{
    WebAddresses web;
    SetWebAddresses(web);
    UrlCapture urls;
    struct Case {
        int tab;
        QStringList opened;
    };
    const Case cases[] = {
        {0, {web.site + QStringLiteral("help-eau.html")}},
        {1, {web.site + QStringLiteral("help-air.html")}},
        {2, {web.site + QStringLiteral("help-evac.html")}},
        {3, {web.site + QStringLiteral("help-options.html")}},
        {-1, {}},
    };
    for (const Case& c : cases) {
        urls.opened.clear();
        OpenTabHelp(web, c.tab);
        EXPECT_EQ(urls.opened, c.opened) << c.tab;
    }
}

TEST(WebLinks, AddressesOfTheSite)
{
    WebAddresses web;
    SetWebAddresses(web);
    EXPECT_TRUE(web.site.endsWith(u'/'));
    EXPECT_EQ(web.helpEditor, web.site + QStringLiteral("help-editor.html"));
    EXPECT_EQ(QUrl(web.download).path(), QStringLiteral("/vorquil/download.php"));
    EXPECT_TRUE(web.contact.startsWith(QStringLiteral("mailto:")));
}

} // namespace
