#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

class QWidget;

enum WindowNumber {
    MainWindow = 0,
    EditorWindow = 1,   // "Editeur Tubes"
    HelpWindow = 2,     // "Aide"
    AboutWindow = 3,    // "A Propos..."
    ConsoleWindow = 4,  // "Console", the internal data window
    WindowCount = 5,
};

enum WindowFlag : unsigned {
    WindowCaption = 1u << 0,
    WindowSystemMenu = 1u << 1,
    WindowMinimizeButton = 1u << 2,
    WindowToolWindow = 1u << 3,  // narrow caption, no task-bar button
    WindowCentred = 1u << 4,     // centred over the active window, edges clamped to 0
    WindowKeepOnTop = 1u << 5,
};

struct WindowDescriptor {
    int number = -1;            // WindowNumber: events carry it
    QWidget* handle = nullptr;  // the open window, or none
    int x = 0, y = 0;           // screen position of the client area (of the menu bar above it, if any) [px]
    int width = 0, height = 0;  // client size (horizontal layout for the main window) [px]
    int verticalWidth = 0, verticalHeight = 0;  // client size in the vertical layout [px]
    QString title;                              // at most 255 characters
    unsigned flags = 0;                         // WindowFlag bits
    int owner = -1;                             // owning window number, or -1
};

// Where a window stored at this place opens: where it is when it lies wholly on
// the screens, otherwise moved the least distance to lie wholly on one screen
// (its top left corner on it when the window is larger).
QPoint PositionOnScreen(const QRect& window, const std::vector<QRect>& screens);

// Opens the window at the descriptor's position (moved onto the screens) (or centred, by its flags) with the
// given client size; fixed size, not resizable. Sets descriptor.handle. False when
// it cannot be opened. Opening an open window only raises it. The user's close box
// only posts a close event: the window stays until the program calls CloseWindow.
// A window opened not shown is filled first and shown by ShowWindow: one expose, of the whole window.
bool OpenWindow(WindowDescriptor& descriptor, int clientWidth, int clientHeight, bool shown = true);
// Shows the window, raised and active.
void ShowWindow(int window);
// Handles the window system's events, the user's input left waiting, until the
// shown window has drawn its first frame (a second at most); false when it has not.
bool WaitFirstFrame(int window);
// Destroys the window and its controls; clears descriptor.handle.
void CloseWindow(WindowDescriptor& descriptor);
bool IsWindowOpen(int window);
QWidget* WindowHandle(int window);

void SetWindowEnabled(int window, bool enabled);
bool IsWindowEnabled(int window);
void SetWindowOnTop(int window, bool onTop);
void SetWindowClientSize(int window, int width, int height);
void SetWindowPosition(int window, int x, int y);
// Moves the open window, at its present size and with its frame, onto the
// screens as a stored position is moved when the window opens (PositionOnScreen).
void KeepWindowOnScreen(int window);
void GetWindowPosition(int window, int& x, int& y);
void ActivateWindow(int window);
