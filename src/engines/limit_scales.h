#pragma once

#include <QString>
#include <vector>

#include "engines/pipe_library.h"

// What the limit track bars offer: their positions, the limit each position
// stands for and the text its field shows. The window and the command line
// both size from these limits.

// The water limit in the search modes: positions 1 to 100, the limit being
// the position / divisor, shown with `decimals`.
struct WaterLimitScale {
    int divisor;       // positions per unit
    int decimals;      // of the shown limit
    int position;      // default: 18 mmCE/m, or 1.20 m/s
    const char* unit;  // "mmCE/m" or "m/s"
    const char* caption;
};
const WaterLimitScale& WaterLimitScaleFor(int mode);
constexpr int WaterLimitFirst = 1;
constexpr int WaterLimitLast = 100;

// The limit at a position: j_max [mmCE/m] in mode 0, v_max [m/s] in mode 2.
float WaterLimit(int mode, int position);

// The limit's field at a position.
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
