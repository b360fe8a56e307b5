#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// One standard size of a pipe library.
struct PipeSize {
    uint8_t active = 0;            // 1 = the sizing may choose it
    QString name;                  // designation, at most 16 characters
    float outsideDiameter = 0.0f;  // D_ext : outside diameter [mm]
    float insideDiameter = 0.0f;   // D_int : inside diameter [mm]
    float thickness = 0.0f;        // e : wall thickness [mm]
};

// One pipe material, one file ("*.tub" water, "*.eva" drainage).
struct PipeLibrary {
    QString name;            // "TubeName"
    QString abbreviation;    // "Abreviation", at most 16 characters
    QString symbol;          // "Symbole", at most 16 characters
    float roughness = 0.0f;  // k : absolute roughness [mm]
    std::vector<PipeSize> sizes;
    QString file;  // the file it was read from or last saved to; empty for a new one
};

using PipeLibraryList = std::vector<PipeLibrary>;
