#pragma once

#include <QString>

struct Event;
struct ProgramState;

// The "A Propos..." window: logo, title, version, what the program is for,
// and the links to the version history, the web site and the contact address.

// "Version : 3.1.09": the release number always with two digits.
QString AboutVersionText();

// Opens the window owned by the main window and centred over it; an open one
// comes to the front. Nothing opens when the logo cannot be decoded.
void OpenAbout(ProgramState& state);

// Link 429 "Historique des versions": the working folder's History.txt, else the
// one installed with the program, opened with the default application.
void OpenVersionHistory(const ProgramState& state);

// Button 313 "A Propos...".
void OnAboutButton(ProgramState& state, const Event& event);
