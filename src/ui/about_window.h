#pragma once

#include <QString>

struct WindowState;

// The "A Propos..." window: logo, title, version, what the program is for,
// and the links to the version history, the web site and the contact address.

// "Version : 3.1.09": the release number always with two digits.
QString AboutVersionText();

// Opens the window owned by the main window and centred over it; an open one
// comes to the front. Nothing opens when the logo cannot be decoded.
void OpenAbout(WindowState& windows);
