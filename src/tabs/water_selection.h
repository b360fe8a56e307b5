#pragma once

#include <vector>

// The water tab's pick among the loaded pipe libraries, kept between events.
struct WaterSelection {
    int library = -1;  // the current library: index in the water library list, -1 none
    int size = 0;      // the library's current size (list position), imposed in mode 1
    // ImposedSizeIndex: list positions of the library's active sizes in list
    // order; track bar position k + 1 is entry k.
    std::vector<int> imposedSizeIndex;
};
