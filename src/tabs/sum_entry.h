#pragma once

#include <QString>

#include "base/typed_sum.h"
#include "ui/field_colours.h"

struct ProgramState;

// A running sum typed into the water flow 12, the water power 18 or the air
// flow 107: digits from the keyboard, operators from keys that exist only while
// one of these fields has the focus, Enter for the total.

// Menu events posted by the sum-entry keys.
enum SumKey : int {
    SumKeyEscape = 0,  // taken and ignored
    SumKeyEnter = 1,
    SumKeyClear = 2,  // C
    SumKeyPadPlus = 3,
    SumKeyPadMinus = 4,
    SumKeyPlus = 5,   // Shift + the "=/+" key
    SumKeyMinus = 6,  // the key that gives "-" unshifted
};

bool IsSumField(int control);

// Installs or removes the seven keys on the window.
void AddSumKeys(int window);
void RemoveSumKeys(int window);

// Yellow while a sum is typed, the total colour otherwise.
void MarkSumField(int control, bool inProgress);

// A sum-entry key pressed while the main window has the focus; acts on the sum
// field that has the focus.
void OnSumKey(ProgramState& state, int key);

// The keyboard focus reached input field `focused`: a sum left pending in
// another field ends there, the field showing again what it showed before the
// sum, and its calculation runs again.
void EndPendingSum(ProgramState& state, int focused);
