#pragma once

struct Event;
struct ProgramState;

// The library editor's actions on the sizes and on the library's own fields.
void OnEditorSizeList(ProgramState& state, const Event& event);     // list 416
void OnEditorAddSize(ProgramState& state);                          // "Ajouter"
void OnEditorModifySize(ProgramState& state);                       // "Modifier"
void OnEditorDeleteSize(ProgramState& state);                       // "Suppr."
void OnEditorFieldChange(ProgramState& state, const Event& event);  // 408, 413, 414, 415
