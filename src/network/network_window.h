#pragma once

#include <functional>

class QWidget;
struct ProgramState;

// The « Réseau » window: a circuit of pipes or ducts entered as a tree table,
// sized and summed at each change, saved as a circuit file, copied and
// printed. One at a time, kept above the main window.

// Opens it (raises it when open). Its size, position and last file come from
// its own state file; the last file is opened again, otherwise the rules come
// from the main window's current settings. `help` opens its help page (F1).
void OpenNetworkWindow(ProgramState& state, const std::function<void()>& help);

// The open window, nullptr when there is none.
QWidget* NetworkWindowWidget();

// The program ends: unsaved changes are asked about (false: the user cancels
// and the program goes on) or, when the session ends (`bySignal`), written to
// a recovery copy without a question; the window then closes.
bool EndNetworkWindow(bool bySignal);
