#include <gtest/gtest.h>

#include "ui/window_descriptors.h"

TEST(WindowDescriptors, SizesTitlesAndOwners)
{
    WindowDescriptor windows[WindowCount];
    FillWindowDescriptors(windows);
    struct Row {
        int window, width, height;
        const char* title;
        bool centred, tool;
    };
    const Row rows[] = {
        {MainWindow, 555, 181, "Vorquil III", false, false}, {EditorWindow, 457, 432, "Editeur Tubes", false, false},
        {HelpWindow, 300, 210, "Aide", true, false},         {AboutWindow, 310, 250, "A Propos...", true, false},
        {ConsoleWindow, 250, 150, "Console", true, true},
    };
    for (const Row& r : rows) {
        const WindowDescriptor& d = windows[r.window];
        EXPECT_EQ(d.number, r.window);
        EXPECT_EQ(d.width, r.width) << r.title;
        EXPECT_EQ(d.height, r.height) << r.title;
        EXPECT_EQ(d.title, QString::fromUtf8(r.title));
        EXPECT_EQ((d.flags & WindowCentred) != 0, r.centred) << r.title;
        EXPECT_EQ((d.flags & WindowToolWindow) != 0, r.tool) << r.title;
        EXPECT_EQ(d.x, 0);
        EXPECT_EQ(d.y, 0);
        EXPECT_EQ(d.owner, r.window == MainWindow ? -1 : int(MainWindow));
    }
    EXPECT_TRUE(windows[MainWindow].flags & WindowMinimizeButton);
    EXPECT_EQ(MainClientWidth(windows[MainWindow], 1), 555);
    EXPECT_EQ(MainClientHeight(windows[MainWindow], 1), 181);
    for (int affMode : {0, 2, -1}) {
        EXPECT_EQ(MainClientWidth(windows[MainWindow], affMode), 227);
        EXPECT_EQ(MainClientHeight(windows[MainWindow], affMode), 376);
    }
}
