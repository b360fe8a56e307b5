#pragma once

#include "network/network_window_parts.h"

// Shows the inputs: sizes the circuit, refreshes the table, the top and the
// status line, and makes `current` (a schedule row, -1: none) current.
void ShowInputs(NetworkWindow& window, const NetworkInputs& inputs, int current);

// The schedule row of the current cell, -1 when none.
int CurrentRow(const NetworkWindow& window);

// The status line: the index circuit of the current row's circuit, and the
// current row's error when it is refused.
QString StatusText(const NetworkWindow& window);

// « Réseau — colonnes.csv * » as the window's title.
void ShowTitle(NetworkWindow& window);

// Each column as wide as its title and the cells shown, within bounds.
void FitColumns(NetworkWindow& window);
