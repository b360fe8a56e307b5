#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "engines/circuit.h"
#include "engines/fittings_catalogue.h"

// The calculation note (« Note de calcul »): an A4 landscape PDF in French
// that goes into the project's file.

// What one circuit asks of its pump or fan.
struct NoteDutyPoint {
    QString indexCircuit;  // IndexCircuitLine: the path, the head and the flow, or why it is not computed
    QString flow;          // Q at the root, « 1 850 L/h » or « 2 400 m³/h »; empty when not computed
    QString head;          // « 5 058,5 mmCE (49,62 kPa ; 5,06 mCE) » or « 412,3 Pa »; empty when not computed
};

struct CalculationNote {
    QString project;         // the window's « Projet » field
    QDate date;              // the day it is printed
    QString version;         // the program's version
    QString fluid;           // « Eau, départ 70 °C, retour 50 °C, antigel 0 % », as the window says it
    double density = 0.0;    // rho : fluid density [kg/m3]
    double viscosity = 0.0;  // nu : kinematic viscosity [m2/s]
    QStringList rules;       // the sizing rules, one line each (library, mode and limit...)
    std::vector<NoteDutyPoint> dutyPoints;  // one per circuit (root), in the order of their roots
    std::vector<Fitting> fittings;          // the catalogue entries the rows name, each once, in order of first use
};

// A note for this result: today's date, the program's version, rho and nu of
// the first sized row, the duty points and the catalogue entries used. The
// caller adds the project, the fluid and the rules.
CalculationNote CalculationNoteOf(const CircuitResult& result, bool water);

// Writes the note to `path` (the whole table with the window's columns);
// false with a French message, the file at `path` then left as it was.
bool WriteCalculationNote(const QString& path, const CalculationNote& note, const CircuitSchedule& schedule,
                          const CircuitResult& result, bool water, QString& error);
