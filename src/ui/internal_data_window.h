#pragma once

#include <QString>

struct WindowState;

// The "Console" window, owned by the main window and centred over it.

// Opens the window with its label empty; nothing when it is open already.
void OpenInternalData(WindowState& windows);

// Puts the text into its label; nothing while the window is closed.
void ShowInternalDataText(const QString& text);
