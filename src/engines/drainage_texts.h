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
    QString flow;               // the flow to carry [l/s] as typed; "," or "." as the decimal point
};

DrainageInputs ParseDrainageInputs(const DrainageTexts& texts);

// Q [l/s] read from a typed flow: its leading number, "," read as "."; 0 for a
// text that does not start with a number.
float FlowOfText(const QString& text);

// The frequency factors of the discharge-unit method, in the order the tab
// lists them.
struct FrequencyFactor {
    float k;          // K [l/s per DU^0.5]
    const char* use;  // the buildings it is for, in French
};
extern const FrequencyFactor FrequencyFactors[4];

// K written as the tab lists it: "0.5", "0.7", "1.0", "1.2".
QString FrequencyText(float k);
// The uses of the four factors, one line each, for a tooltip or a message.
QString FrequencyUses();

// Qww written with 2 decimals as the flow field shows it; empty when the
// sum of discharge units is empty. The flow sized is the one written.
QString DesignFlowText(const QString& dischargeUnits, float frequency);

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
    // The choice, empty when there is no flow: the flow with 2 decimals, the
    // chosen size's name (empty when none carries the flow), the capacity of
    // that size (of the largest when none does) with 2 decimals, the share of
    // it used as a whole percentage ("N/A" when none can be computed).
    QString designFlow, chosenSize, capacity, share;
    QString summary;  // one line for the tab: what was chosen, or that nothing carries the flow
};

DrainageResultTexts FormatDrainageResult(const DrainageOutcome& outcome, const PipeLibrary& library);
