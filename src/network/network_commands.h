#pragma once

#include "network/network_window_parts.h"

// What the window's buttons, keys and cells do.

// A cell typed in the table, a rule changed at the top: one undoable step
// each (the keystrokes of one rule field while it is typed make one step).
void EditCell(NetworkWindow& window, int row, const char* column, const QString& text);
void EditRule(NetworkWindow& window, const char* name, const QString& value, bool typing);

// « Ajouter en aval », « Ajouter », « Supprimer » (asks first when the row has
// rows downstream).
void AddRow(NetworkWindow& window, bool downstream);
void RemoveRow(NetworkWindow& window);

// « Ouvrir… » (a recovery copy left by a logout is offered), « Enregistrer »,
// « Enregistrer sous… »: false when nothing was opened or saved.
bool OpenCircuit(NetworkWindow& window, const QString& path);
bool AskOpenCircuit(NetworkWindow& window);
bool SaveCircuit(NetworkWindow& window);
bool SaveCircuitAs(NetworkWindow& window);

// Before the circuit is left (closed, another opened): asks whether to save
// its changes; false when the user cancels or the save failed.
bool MayLeaveCircuit(NetworkWindow& window);

// The circuit as saved beside its file (or in the data folder) when the
// session ends before it is saved.
void WriteRecovery(NetworkWindow& window);

// « Copier »: the selected rows, or all, on the clipboard for a spreadsheet.
void CopyCircuit(NetworkWindow& window);

// « Note de calcul (PDF)… ».
void PrintCalculationNote(NetworkWindow& window);
