#pragma once

#include <QString>

struct WindowState;

// The "Aide" window listing the template variables, owned by the main window
// and centred over it, made taller when the system font needs it to show the
// whole text. Asked again while it is open, it comes to the front.
void ShowTemplateHelp(WindowState& windows);

// The text of its one label, 421.
QString TemplateHelpText();
