#pragma once

#include <QString>
#include <vector>

#include "engines/pipe_library.h"

// Pipe libraries for the water tests.

inline PipeSize Row(const char* name, float inside, bool active = true)
{
    PipeSize s;
    s.active = active ? 1 : 0;
    s.name = QString::fromUtf8(name);
    s.insideDiameter = inside;          // [mm]
    s.outsideDiameter = inside + 2.0f;  // [mm]
    s.thickness = 1.0f;                 // [mm]
    return s;
}

// Copper as delivered, first sizes: 14 and 16 are inactive.
inline PipeLibrary Copper(float roughness = 0.0015f)
{
    PipeLibrary lib;
    lib.name = "Cuivre";
    lib.abbreviation = "Cu";
    lib.symbol = QString::fromUtf8("Ø");
    lib.roughness = roughness;  // [mm]
    lib.sizes = {Row("10", 8.0f),         Row("12", 10.0f), Row("14", 12.0f, false), Row("15", 13.0f),
                 Row("16", 14.0f, false), Row("18", 16.0f), Row("22", 20.0f),        Row("28", 26.0f),
                 Row("35", 32.6f),        Row("42", 39.6f), Row("54", 51.0f)};
    return lib;
}

inline PipeLibrary WithSizes(std::vector<PipeSize> sizes, float roughness = 0.0015f)
{
    PipeLibrary lib = Copper(roughness);
    lib.sizes = std::move(sizes);
    return lib;
}
