#pragma once

#include <QString>

#include "engines/drainage_texts.h"
#include "engines/pipe_library.h"

// The drainage inputs as the tab's controls hold them now.
DrainageTexts ReadDrainageTexts();

// Rewrites the capacity list 154 with one row per size of the first library
// named `name`, active or not, in the library's order, at the slope of track
// bar 147, the fill ratio of options 143/144 and the Bazin coefficient of list
// 150 and check box 152. When no library has that name the rows stay as they
// are. The flow and velocity columns keep their backgrounds either way. With a
// flow in field 156, the size chosen for it is selected and coloured, label 160
// tells its capacity and share, and check box 161 ticked copies the choice.
void FillDrainageTable(const PipeLibraryList& libraries, const QString& name);
