#pragma once

#include <QString>

#include "engines/pipe_library.h"

// Adding and changing the standard sizes of a library, which the editor keeps
// in ascending order of inside diameter.

// A size as the user types it: designation (blanks around it are dropped),
// outside diameter and thickness.
struct SizeEntry {
    QString name;                  // designation, cut to 16 characters when stored
    float outsideDiameter = 0.0f;  // D_ext : outside diameter [mm]
    float thickness = 0.0f;        // e : wall thickness [mm]
};

enum class SizeEditResult {
    Done,
    Incomplete,         // no designation, or a diameter or thickness not above 0
    ReservedName,       // the designation would be read back as the library's header
    RefusedCharacter,   // the designation would be read back changed (CheckStoredName)
    DuplicateName,      // another size already has this designation, as the file compares names
    InsideNotPositive,  // outside - 2 x thickness <= 0 (adding only)
    DuplicateInside,    // a size already has this inside diameter (adding only)
};

// D_int = D_ext - 2 e [mm], in 32-bit arithmetic.
float InsideDiameter(float outsideDiameter, float thickness);

// Inserts an active size before the first larger inside diameter (appends when
// none is larger).
SizeEditResult AddPipeSize(PipeLibrary& library, const SizeEntry& entry);

// Gives the size at `index` the entry's values, inside diameter included, then
// re-sorts the sizes by inside diameter. Neither the inside diameter nor
// duplicate inside diameters are checked: a size may be set to any diameters
// this way, but not to the designation of another size.
SizeEditResult ModifyPipeSize(PipeLibrary& library, int index, const SizeEntry& entry);

// Ascending inside diameter; sizes of equal inside diameter keep their order.
void SortSizesByInsideDiameter(PipeLibrary& library);
