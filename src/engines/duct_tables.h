#pragma once

#include <QString>
#include <vector>

// The built-in tables of the air tab: the duct materials, with their
// roughness, and the standard circular duct diameters, ascending.

struct DuctMaterial {
    QString name;            // at most 16 characters
    float roughness = 0.0f;  // k : absolute roughness [mm]
};

// The name of the material whose roughness is the user's own (setting
// "AutreRugo") rather than the table's.
extern const char* const OwnRoughnessMaterial;  // "Autre"

// Refills both lists from the tables, in table order.
void FillDuctTables(std::vector<DuctMaterial>& materials, std::vector<int>& diameters);
