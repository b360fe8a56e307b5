#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "engines/drainage_sizing.h"
#include "engines/pipe_library.h"

// The drainage capacity table as texts: the tab's inputs read, the rows written.

// The drainage inputs as the tab holds them.
struct DrainageTexts {
    QString library;            // the chosen library's name
    bool sevenTenths = false;   // the 7/10 fill ratio is chosen
    int slopePosition = 1;      // SlopeBarFirst to SlopeBarLast
    bool codeRoughness = true;  // the code roughness is asked for
};

DrainageInputs ParseDrainageInputs(const DrainageTexts& texts);

// The slope at a position as the tab shows it: "0.5" to "5.0".
QString SlopeText(int position);

// The drainage library whose roughness the plumbing code fixes whatever the
// user asks (the name compared exactly).
bool CodeRoughnessImposed(const QString& libraryName);

// The first library of the list with exactly that name; nullptr when none has it.
const PipeLibrary* FindDrainageLibrary(const PipeLibraryList& libraries, const QString& name);

// The texts of one size's row: its name, the flow and the velocity with 2
// decimals, the inside and outside diameters with 1 decimal; "N/A" for a
// figure that is not a number.
QStringList DrainageRow(const PipeSize& size, const DrainageFlow& capacity);

struct DrainageResultTexts {
    std::vector<QStringList> rows;  // one per size of the library, in its order
};

DrainageResultTexts FormatDrainageResult(const DrainageOutcome& outcome, const PipeLibrary& library);
