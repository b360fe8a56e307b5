#pragma once

#include "engines/circuit.h"
#include "engines/section_options.h"

struct NetworkInputs;
struct ProgramState;

// The fluid and rules at the top of the network window: options given to
// every row of the circuit ("kind" among them), as a schedule's columns
// would give them.

// The options the top sets for water and for air (null-terminated).
extern const char* const WaterRuleNames[];  // library, mode, limit, supply, return, antifreeze
extern const char* const AirRuleNames[];    // shape, side-a, material, roughness, temp, humidity, altitude, mode, limit

bool RulesAreWater(const SectionOptions& rules);

// The main window's current choices for a water or an air circuit: library,
// mode, the limit its track bar shows, temperatures, antifreeze when it is
// on; shape, material, air state, mode and limit.
SectionOptions MainWindowRules(const ProgramState& state, bool water);

// A file opened: each option of the top that every row gives alike leaves
// the rows' columns for the top; those the rows give differently stay in the
// rows, the top keeping `fallback`'s. The rows of imposed size keep their own
// mode, shape and side A.
NetworkInputs InputsFromFile(const CircuitSchedule& schedule, const SectionOptions& fallback);

// The schedule as saved and as sized: "kind" and each rule written in the
// rows' empty cells (neither limit nor side A on a row sized in mode "dn"),
// so that the file run through vorquil-calc circuit gives the numbers the
// window shows.
CircuitSchedule ScheduleWithRules(const CircuitSchedule& schedule, const SectionOptions& rules);
