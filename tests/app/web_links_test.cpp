#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <functional>

#include "app/url_capture.h"
#include "app/web_links.h"
#include "platform/dialogs.h"
#include "tabs/program_state.h"

namespace {

const QString SourceHelp = QStringLiteral(VQ_SOURCE_DIR "/help/");

// F1 opens the page installed with the program, as a local file; the web
// address only where the local page is missing.
TEST(WebLinks, HelpKeyOpensTheLocalPageOfTheCurrentTabElseTheWebPage)
{
    WebAddresses web;
    SetWebAddresses(web);
    ASSERT_EQ(web.helpFolder, SourceHelp);  // a run from the build tree
    QTemporaryDir empty;
    UrlCapture urls;
    const struct {
        int tab;
        const char* page;
    } cases[] = {{0, "help-eau.html"},     {1, "help-air.html"}, {2, "help-evac.html"},
                 {3, "help-options.html"}, {-1, nullptr},        {4, nullptr}};
    for (const QString& folder : {SourceHelp, empty.path() + u'/'}) {
        web.helpFolder = folder;
        const auto expected = [&](const char* page) {
            if (!page)
                return QStringList();
            if (folder == SourceHelp)
                return QStringList(QUrl::fromLocalFile(folder + QLatin1String(page)).toString());
            return QStringList(web.site + QLatin1String(page));
        };
        for (const auto& c : cases) {
            urls.opened.clear();
            OpenTabHelp(web, c.tab);
            EXPECT_EQ(urls.opened, expected(c.page)) << c.tab << " in " << folder.toStdString();
        }
        urls.opened.clear();
        OpenHelpPage(web, web.helpEditor);  // the editor's F1
        EXPECT_EQ(urls.opened, expected("help-editor.html"));
    }
}

// Without a program to take them (no browser: the offscreen platform opens
// nothing), the address or the file is given in a message.
TEST(WebLinks, WhatCannotBeOpenedIsNamedInAMessage)
{
    WebAddresses web;
    SetWebAddresses(web);
    Folders folders;
    QTemporaryDir work;
    folders.work = work.path() + u'/';
    QStringList said;
    SetMessageHook([&said](const QString& title, const QString& text, MessageButtons buttons) {
        said << title + u'|' + QString::number(buttons) + u'|' + text;
        return int(AnswerOk);
    });
    const struct {
        std::function<void()> open;
        QString named;
    } cases[] = {
        {[&] { OpenTabHelp(web, 0); }, SourceHelp + QStringLiteral("help-eau.html")},
        {[&] { OpenAddress(web.contact); }, web.contact},
        {[&] { OpenVersionHistory(folders, web); }, SourceHelp + QStringLiteral("History.txt")},
        {[&] {
             web.helpFolder.clear();
             OpenHelpPage(web, web.helpEditor);
         },
         web.helpEditor},
    };
    for (const auto& c : cases) {
        said.clear();
        c.open();
        ASSERT_EQ(said.size(), 1) << c.named.toStdString();
        EXPECT_TRUE(said[0].startsWith(QStringLiteral("Vorquil III|0|"))) << said[0].toStdString();
        EXPECT_TRUE(said[0].endsWith(u'\n' + c.named)) << said[0].toStdString();
    }
    SetMessageHook({});
}

TEST(WebLinks, HelpFolderBesideTheInstalledProgramElseInTheSources)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    EXPECT_EQ(HelpFolderFor(prefix.path() + QStringLiteral("/bin")), SourceHelp);
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/vorquil/help")));
    EXPECT_EQ(HelpFolderFor(prefix.path() + QStringLiteral("/bin")),
              prefix.path() + QStringLiteral("/share/vorquil/help/"));
}

TEST(WebLinks, AddressesOfTheSite)
{
    WebAddresses web;
    SetWebAddresses(web);
    EXPECT_TRUE(web.site.endsWith(u'/'));
    EXPECT_EQ(web.helpEditor, web.site + QStringLiteral("help-editor.html"));
    EXPECT_EQ(web.helpNetwork, web.site + QStringLiteral("help-reseau.html"));
    EXPECT_EQ(QUrl(web.download).path(), QStringLiteral("/vorquil/download.php"));
    EXPECT_TRUE(web.contact.startsWith(QStringLiteral("mailto:")));
}

}  // namespace
