#pragma once

#include <QRect>
#include <QString>

#include "engines/circuit.h"

// The network window's files: circuits (the CSV schedule that vorquil-calc
// circuit reads), their recovery copies, and the window's own state.
// `dataFolder` is the per-user data folder (DataFolder()), whose "Data/"
// holds Config.cfg and the libraries.

// Reads a circuit file; false with a French message naming the file.
bool OpenCircuitFile(const QString& path, CircuitSchedule& schedule, QString& error);

// Writes the circuit through the safe save: on failure (full disk...) the old
// file is left whole and `error` says why, in French, naming the file.
bool SaveCircuitFile(const QString& path, const CircuitSchedule& schedule, QString& error);

// The recovery copy of a circuit that could not be saved before the program
// was stopped (logout): "<file>.recup" beside its file, or
// "Data/Reseau-sans-titre.csv.recup" in the data folder for a circuit never
// saved (`path` empty).
QString RecoveryCopyPath(const QString& path, const QString& dataFolder);
// Writes it; false when it could not be written.
bool WriteRecoveryCopy(const QString& path, const QString& dataFolder, const CircuitSchedule& schedule);
// The recovery copy left for that circuit at the last run, empty when there
// is none: to offer at opening, then read with OpenCircuitFile.
QString FoundRecoveryCopy(const QString& path, const QString& dataFolder);
// Removes it (once the circuit is saved, or the copy refused); true when none is left.
bool RemoveRecoveryCopy(const QString& path, const QString& dataFolder);

// The window's own state, in "Data/Reseau.cfg" of the data folder (never in
// Config.cfg, which keeps its own keys).
struct NetworkWindowState {
    QRect geometry = QRect(0, 0, 900, 520);  // frame position and size [px]
    bool placed = false;                     // a position was kept (otherwise the window system places it)
    QString lastFile;                        // the circuit file last opened or saved; empty: none
};
QString NetworkStatePath(const QString& dataFolder);
// The state kept, or the defaults when there is none or it cannot be read.
NetworkWindowState ReadNetworkWindowState(const QString& dataFolder);
// False with a French message when it cannot be written (the old file is left whole).
bool WriteNetworkWindowState(const QString& dataFolder, const NetworkWindowState& state, QString& error);
