#pragma once

#include <QString>
#include <vector>

#include "engines/pipe_library.h"

// What the limit track bars offer: their positions, the limit each position
// stands for and the text its field shows. The window and the command line
// both size from these texts.

// Water track bar 30 in modes 0 and 2.
constexpr int WaterLimitFirst = 1;
constexpr int WaterLimitLast = 100;

// The position a mode starts at: 18 mmCE/m, or 1.20 m/s.
int WaterLimitDefaultPosition(int mode);

// Field 29 at a position: whole mmCE/m in mode 0, position / 10 m/s with 2
// decimals in mode 2.
QString WaterLimitText(int mode, int position);

// The list positions of the library's active sizes, in list order: what the
// track bar offers in mode 1, position k + 1 being entry k.
std::vector<int> ActiveSizeIndex(const PipeLibrary& library);

// The air limit's track bar in a search mode: the limit is its position / 10.
struct AirLimitScale {
    int maximum;   // position
    int tick;      // positions between ticks
    int position;  // default
    const char* caption;
};
const AirLimitScale& AirLimitScaleFor(int mode);
constexpr int AirLimitFirst = 1;

// The air limit at a position: L [Pa/m] or [m/s].
float AirLimitValue(int position);

// The air limit's text at a position: [Pa/m] or [m/s] with 2 decimals.
QString AirLimitText(int position);
