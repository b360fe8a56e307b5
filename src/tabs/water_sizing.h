#pragma once

struct PipeLibrary;
struct ProgramState;

// The water calculation of the water tab: reads its inputs from the controls,
// sizes on the current library of state.water, writes the results back, records
// the fluid state in state.domain.internalData and, when the copy is switched on, puts
// the summary on the clipboard. Without a library to size on it does nothing.
void WaterSizing(ProgramState& state);

// The library the water tab sizes on; nullptr when there is none.
const PipeLibrary* CurrentWaterLibrary(const ProgramState& state);
