#include "ui/window_descriptors.h"

namespace {

struct WindowRow {
    int number;
    int width, height;                  // client size [px]
    int verticalWidth, verticalHeight;  // main window only [px]
    const char* title;
    unsigned flags;
    int owner;
};

// clang-format off
const WindowRow Rows[] = {
    {MainWindow, 555, 181, 227, 376, "Vorquil III",
     WindowCaption | WindowSystemMenu | WindowMinimizeButton, -1},
    {EditorWindow, 457, 432, 0, 0, "Editeur Tubes", WindowCaption | WindowSystemMenu, MainWindow},
    {HelpWindow, 300, 210, 0, 0, "Aide", WindowCaption | WindowSystemMenu | WindowCentred, MainWindow},
    {AboutWindow, 310, 250, 0, 0, "A Propos...", WindowCaption | WindowSystemMenu | WindowCentred, MainWindow},
    {ConsoleWindow, 250, 150, 0, 0, "Console",
     WindowCaption | WindowSystemMenu | WindowToolWindow | WindowCentred, MainWindow},
};
// clang-format on

}  // namespace

void FillWindowDescriptors(WindowDescriptor (&windows)[WindowCount])
{
    for (const WindowRow& row : Rows) {
        WindowDescriptor& d = windows[row.number];
        d = WindowDescriptor{};
        d.number = row.number;
        d.width = row.width;
        d.height = row.height;
        d.verticalWidth = row.verticalWidth;
        d.verticalHeight = row.verticalHeight;
        d.title = QString::fromUtf8(row.title);
        d.flags = row.flags;
        d.owner = row.owner;
    }
}

int MainClientWidth(const WindowDescriptor& main, int affMode)
{
    return affMode == 1 ? main.width : main.verticalWidth;
}

int MainClientHeight(const WindowDescriptor& main, int affMode)
{
    return affMode == 1 ? main.height : main.verticalHeight;
}
