#pragma once

#include <QString>
#include <vector>

#include "engines/circuit.h"

// The columns of the network window's table, which « Copier » and the
// calculation note repeat: the inputs of each section, then its results.
enum class CircuitColumn {
    Id,          // Tronçon
    Length,      // Longueur (m)
    Flow,        // Débit (L/h or m³/h)
    Power,       // Puissance (W), water only
    Fittings,    // Singularités
    Fixed,       // ΔP fixe
    Size,        // Taille: « Auto » or an imposed size
    ChosenSize,  // taille retenue
    Velocity,    // vitesse (m/s)
    Gradient,    // PdC linéaire (mmCE/m or Pa/m)
    Zeta,        // Σζ
    Linear,      // ΔP lin.
    Singular,    // ΔP sing.
    Other,       // ΔP autres
    Total,       // ΔP tronçon
    Cumulative,  // Cumul
    Reserve,     // Réserve (ends)
};

struct CircuitColumnInfo {
    CircuitColumn column;
    bool editable;         // an input the user types
    const char* schedule;  // the schedule column an input is written to; nullptr for a result
};

// The columns in the order shown: water has Puissance, air has not.
std::vector<CircuitColumnInfo> CircuitColumns(bool water);

// « Débit (L/h) », « ΔP lin. (mmCE) »...: the title with its unit.
QString CircuitColumnTitle(CircuitColumn column, bool water);

// A cell's text: an input as typed in the schedule (« Auto » for an empty
// size), a result as the circuit texts write it, with "," as the decimal
// point when `comma`; empty for a result the row does not have.
QString CircuitCellText(const CircuitSchedule& schedule, const CircuitResult& result, int row,
                        const CircuitColumnInfo& info, bool comma);
