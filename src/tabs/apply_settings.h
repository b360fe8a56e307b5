#pragma once

struct ProgramState;

// Puts the stored settings into the freshly built main window: the lists of
// the water tab, its mode and limit, temperatures and percentages, then a
// first water result; the options tab's switches, templates and layout; the
// air tab's lists, mode, shape and duct material; the drainage tab's choices
// and its table. Start-up runs the same parts in the same order.
void ApplySettings(ProgramState& state);

// The water tab's part of it, up to and including the first water result.
void ApplyWaterSettings(ProgramState& state);
// The air tab's part of it: lists 103, 116 and 302, the stored mode, shape,
// roughness and material, the fields of that shape and mode, the colours.
void ApplyAirSettings(ProgramState& state);
// The drainage tab's part of it: list 150, the fill ratio, slope, library and
// code roughness, then the capacity table.
void ApplyDrainageSettings(ProgramState& state);
// The options tab's part of it.
void ApplyOptionsSettings(ProgramState& state);
// Last, the duct material now current: list 302, button 104 and field 303.
void ApplyDuctMaterialSettings(ProgramState& state);
