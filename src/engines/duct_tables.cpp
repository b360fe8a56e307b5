#include "engines/duct_tables.h"

#include <QString>

const char* const OwnRoughnessMaterial = "Autre";

namespace {

struct DuctMaterialRow {
    const char* name;  // UTF-8, at most 16 characters
    float roughness;   // k : absolute roughness [mm]
};

// "Autre" takes the roughness the user types; its table value is never used.
const DuctMaterialRow DuctMaterials[] = {
    {"Galva.", 0.15f},      {"Plastique", 0.01f},   {"Fibair", 3.0f}, {"Béton", 1.0f},
    {"Bét.Grossier", 5.0f}, {"Ciment Lissé", 0.5f}, {"Plâtre", 0.2f}, {"Autre", 0.0f},
};

// [mm]
const int StandardDuctDiameters[] = {
    80,   100,  125,  160,  200,  250,  315,  355,  400,  450,  500,  560,  630,  710,  800,  900,  1000, 1100, 1200,
    1300, 1400, 1500, 1600, 1700, 1800, 1900, 2000, 2100, 2200, 2300, 2400, 2500, 2600, 2700, 2800, 2900, 3000,
};

}  // namespace

void FillDuctTables(std::vector<DuctMaterial>& materials, std::vector<int>& diameters)
{
    materials.clear();
    for (const DuctMaterialRow& row : DuctMaterials)
        materials.push_back({QString::fromUtf8(row.name), row.roughness});
    diameters.assign(std::begin(StandardDuctDiameters), std::end(StandardDuctDiameters));
}
