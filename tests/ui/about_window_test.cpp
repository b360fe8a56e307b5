#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

#include "app/web_links.h"
#include "base/identity.h"
#include "tabs/info_fixture.h"
#include "ui/about_window.h"

namespace {

using AboutWindowTest = InfoTest;

TEST_F(AboutWindowTest, VersionHasTheReleaseInTwoDigits)
{
    EXPECT_EQ(AboutVersionText(), QStringLiteral("Version : 3.1.09"));
    EXPECT_EQ(AboutVersionText(), QStringLiteral("Version : ") + ProgramVersion);
}

TEST_F(AboutWindowTest, ButtonOpensTheWindowWithItsTextsPlacesAndFonts)
{
    StartActive();
    ShowTab(3);
    ClickControl(AboutButton);
    ASSERT_TRUE(IsWindowOpen(AboutWindow));
    QWidget* about = WindowHandle(AboutWindow);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("A Propos..."));

    const struct {
        int control;
        const char* text;
        QRect where;
        int points;
        bool bold, italic;
        bool link;
    } cases[] = {
        {AboutTitleLabel, "Vorquil III", {80, 25, 250, 35}, 25, true, true, false},
        {AboutVersionLabel, "Version : 3.1.09", {80, 60, 150, 20}, 8, false, true, false},
        {HistoryLink, "Historique des versions", {100, 80, 250, 20}, 8, false, false, true},
        {AboutDescriptionLabel,
         "Calculatrice d'aide à la sélection\nde diamètres de tuyauteries\nen hydraulique et aéraulique.",
         {35, 105, 250, 60},
         9,
         false,
         false,
         false},
        {SiteLink, "Site Internet", {120, 160, 250, 20}, 9, false, false, true},
        {ContactLink, "Contact", {135, 190, 250, 20}, 9, false, false, true},
    };
    for (const auto& c : cases) {
        auto* label = qobject_cast<QLabel*>(ControlWidget(c.control));
        ASSERT_TRUE(label) << c.control;
        EXPECT_EQ(label->window(), about) << c.control;
        EXPECT_EQ(GetText(c.control), QString::fromUtf8(c.text)) << c.control;
        EXPECT_EQ(label->geometry(), c.where) << c.control;
        const QFont font = label->font();
        EXPECT_EQ(font.family(), QStringLiteral("Calibri")) << c.control;
        EXPECT_EQ(font.pointSize(), c.points) << c.control;
        EXPECT_EQ(font.bold(), c.bold) << c.control;
        EXPECT_EQ(font.italic(), c.italic) << c.control;
        const QColor text = label->palette().color(QPalette::WindowText);
        EXPECT_EQ(text == QColor(0, 0, 255), c.link) << c.control;
        EXPECT_EQ(label->cursor().shape() == Qt::PointingHandCursor, c.link) << c.control;
    }
    EXPECT_TRUE(qobject_cast<QLabel*>(ControlWidget(AboutDescriptionLabel))->alignment().testFlag(Qt::AlignHCenter));

    // The maker's line, in the same font as the description.
    auto* maker = qobject_cast<QLabel*>(ControlWidget(AboutCopyrightLabel));
    ASSERT_TRUE(maker);
    EXPECT_EQ(maker->geometry(), QRect(80, 220, 250, 20));
    EXPECT_TRUE(maker->text().contains(QStringLiteral("Vorquil")));
    EXPECT_EQ(maker->font().pointSize(), 9);

    // The 64 x 64 logo, at its place and at its own size.
    auto* logo = qobject_cast<QLabel*>(ControlWidget(AboutLogoImage));
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->geometry(), QRect(10, 15, 64, 64));
    EXPECT_EQ(logo->pixmap().size(), QSize(64, 64));
}

TEST_F(AboutWindowTest, LinksOpenTheSiteTheContactAndTheHistory)
{
    state.folders.work = QStringLiteral("/tmp/vorquil-work/");
    StartActive();
    SetWebAddresses(state.web);
    ShowTab(3);
    ClickControl(AboutButton);
    ASSERT_TRUE(IsWindowOpen(AboutWindow));
    for (int link : {SiteLink, ContactLink, HistoryLink})
        ClickControl(link);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://vorquil.example/")));
    EXPECT_EQ(opened[1].scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(opened[1].path().endsWith(QStringLiteral("@vorquil.example")));
    // No history in that working folder: the one installed with the program.
    EXPECT_EQ(opened[2], QUrl::fromLocalFile(state.web.helpFolder + QStringLiteral("History.txt")));
    // Plain labels are no links.
    ClickControl(AboutVersionLabel);
    EXPECT_EQ(opened.size(), 3u);
}

TEST_F(AboutWindowTest, HistoryOfTheWorkingFolderElseTheInstalledOne)
{
    QTemporaryDir work;
    state.folders.work = work.path() + u'/';
    StartActive();
    SetWebAddresses(state.web);
    ASSERT_TRUE(QFileInfo(state.web.helpFolder + QStringLiteral("History.txt")).isFile());
    ShowTab(3);
    ClickControl(AboutButton);
    const struct {
        bool inWorkFolder;
        QString opened;
    } cases[] = {
        {false, state.web.helpFolder + QStringLiteral("History.txt")},
        {true, state.folders.work + QStringLiteral("History.txt")},
    };
    for (const auto& c : cases) {
        if (c.inWorkFolder) {
            ASSERT_TRUE(QFile::copy(state.web.helpFolder + QStringLiteral("History.txt"), c.opened));
        }
        opened.clear();
        ClickControl(HistoryLink);
        ASSERT_EQ(opened.size(), 1u) << c.inWorkFolder;
        EXPECT_EQ(opened[0], QUrl::fromLocalFile(c.opened)) << c.inWorkFolder;
    }
}

TEST_F(AboutWindowTest, SecondClickBringsTheOpenWindowForwardAndTheCloseBoxClosesIt)
{
    StartActive();
    ShowTab(3);
    ClickControl(AboutButton);
    QWidget* first = WindowHandle(AboutWindow);
    ASSERT_TRUE(first);
    WindowHandle(MainWindow)->activateWindow();
    ClickControl(AboutButton);
    EXPECT_EQ(WindowHandle(AboutWindow), first);
    EXPECT_EQ(TopLevelWindowsTitled(QStringLiteral("A Propos...")), 1);

    first->close();
    DeliverQueuedEvents();
    EXPECT_FALSE(IsWindowOpen(AboutWindow));
    EXPECT_FALSE(ControlExists(AboutTitleLabel));
    EXPECT_TRUE(IsWindowOpen(MainWindow));
    ClickControl(AboutButton);  // opens again, logo decoded afresh
    EXPECT_TRUE(IsWindowOpen(AboutWindow));
    EXPECT_EQ(GetImage(ImageLogo).size(), QSize(64, 64));
}

}  // namespace
