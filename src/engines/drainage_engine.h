#pragma once

#include <QString>
#include <QStringList>

#include "engines/pipe_library.h"

// Gravity drainage running part full: what one size of a drainage library
// carries at a fill ratio and slope, by Bazin's formula.

// The fill ratios of options 143 and 144; the values are those of "FillType".
enum FillRatio : int { FillHalf = 0, FillSevenTenths = 1 };

// f : water depth over inside diameter [-]; "FillType" 0 is 5/10, any other value 7/10.
float FillFraction(int fillType);

// Track bar 147 runs over these positions, half a cm/m each.
constexpr int SlopeBarFirst = 1;
constexpr int SlopeBarLast = 10;

// I : slope [cm/m] at a track bar position.
float SlopeAtPosition(int position);
// The slope at a position as field 146 shows it: "0.5" to "5.0".
QString SlopeText(int position);

// The drainage library whose roughness the plumbing code fixes whatever check
// box 152 says (the name compared exactly).
bool CodeRoughnessImposed(const QString& libraryName);

// gamma : Bazin coefficient [m^0.5] for a library and the state of check box 152.
float BazinCoefficient(const QString& libraryName, bool codeRoughness);

struct DrainageFlow {
    float flow = 0.0f;      // Q : flow carried [l/s]
    float velocity = 0.0f;  // v : mean velocity [m/s]
};

// Capacity of one pipe; not numbers when the diameter is 0 or negative.
DrainageFlow DrainageCapacity(float insideDiameter,  // D_int : inside diameter [mm]
                              float slope,           // I : slope [cm/m]
                              float fill,            // f : fill ratio [-]
                              float gamma);          // gamma : Bazin coefficient [m^0.5]

// The first library of the list with exactly that name; nullptr when none has it.
const PipeLibrary* FindDrainageLibrary(const PipeLibraryList& libraries, const QString& name);

// The texts of the row of list 154 for one size: its name, the flow and the
// velocity with 2 decimals, the inside and outside diameters with 1 decimal;
// "N/A" for a figure that is not a number.
QStringList DrainageRow(const PipeSize& size, float slope, float fill, float gamma);
