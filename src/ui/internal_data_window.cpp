#include "ui/internal_data_window.h"

#include "platform/controls.h"
#include "platform/windows.h"
#include "ui/console_controls.h"
#include "ui/window_state.h"

void OpenInternalData(WindowState& windows)
{
    WindowDescriptor& console = windows.windows[ConsoleWindow];
    if (IsWindowOpen(ConsoleWindow) || !OpenWindow(console, console.width, console.height))
        return;
    CreateControl(ConsoleWindow, InternalDataLabel, ControlKind::Label, QString(), {5, 5, 240, 140});
}

void ShowInternalDataText(const QString& text)
{
    if (IsWindowOpen(ConsoleWindow))
        SetText(InternalDataLabel, text);
}
