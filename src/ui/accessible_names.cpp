#include "ui/accessible_names.h"

#include <QString>

#include "platform/controls.h"

namespace {

struct AccessibleName {
    int control;
    const char* name;  // UTF-8
};

const AccessibleName AccessibleNames[] = {
    // "Eau"
    {3, "Matériau du tube"},
    {5, "Mode de Calc."},
    {8, "Temp. Aller (°C)"},
    {9, "Temp. Retour (°C)"},
    {12, "Débit (L/h)"},
    {14, "Activation % Antigel"},
    {15, "Antigel (%)"},
    {18, "Puiss. (W)"},
    {20, "Activation Surpuissance"},
    {22, "Surpuissance (%)"},
    {25, "Surp. (W)"},
    {27, "Puissance totale (W)"},
    {29, "Limite du mode de calcul (mmCE/m, m/s ou diamètre)"},
    {30, "Réglage de la limite"},
    {33, "Diam. (diamètre normalisé)"},
    {36, "Ø Théo. (mm)"},
    {39, "Vit. (m/s)"},
    {42, "PdC (mmCE/m)"},
    // "Air"
    {103, "Mode de calcul"},
    {107, "Débit (m³/h)"},
    {109, "Temp. (°C)"},
    {111, "Hygro. (%)"},
    {113, "Altitude (m)"},
    {116, "Diamètre (mm)"},
    {118, "Diam. Théorique (mm)"},
    {120, "Côte A (mm)"},
    {123, "Côte B (mm)"},
    {124, "Réglage de la limite"},
    {126, "Limite du mode de calcul (Pa/m ou m/s)"},
    {129, "Diamètre Gaine (mm)"},
    {131, "Côte A de la gaine (mm)"},
    {134, "Côte B de la gaine (mm)"},
    {136, "Vit. (m/s)"},
    {139, "PdC (Pa/m)"},
    // "Evacuations"
    {146, "Pente (cm/m)"},
    {147, "Réglage de la pente"},
    {150, "Nature du tube"},
    {152, "Rugosité conforme au DTU 60.11"},
    {154, "Débit (l/s) et vitesse (m/s) de chaque diamètre"},
    // "Options"
    {302, "Gaines"},
    {303, "Rugosité des gaines (mm)"},
    {306, "Chaine à copier Eau"},
    {308, "Chaine à copier Air"},
    {309, "Aide des variables"},
};

}  // namespace

void ApplyAccessibleNames()
{
    for (const AccessibleName& a : AccessibleNames)
        SetAccessibleName(a.control, QString::fromUtf8(a.name));
}
