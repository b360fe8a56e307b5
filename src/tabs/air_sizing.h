#pragma once

struct ProgramState;

// The air calculation of the air tab: reads its inputs from the controls and
// the duct roughness from the settings, sizes the duct over the standard
// diameters of state, writes the results back, records the air state in
// state.domain.internalData and, when check box 307 is ticked, puts the summary on
// the clipboard.
void SizeAirDuct(ProgramState& state);
