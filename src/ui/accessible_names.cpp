#include "ui/accessible_names.h"

#include <QString>

#include "platform/controls.h"
#include "ui/air_controls.h"
#include "ui/drainage_controls.h"
#include "ui/options_controls.h"
#include "ui/water_controls.h"

namespace {

struct AccessibleName {
    int control;
    const char* name;  // UTF-8
};

// clang-format off
const AccessibleName AccessibleNames[] = {
    // "Eau"
    {WaterLibraryList, "Matériau du tube"},
    {WaterModeList, "Mode de Calc."},
    {FlowTemperatureCombo, "Temp. Aller (°C)"},
    {ReturnTemperatureCombo, "Temp. Retour (°C)"},
    {FlowField, "Débit (L/h)"},
    {AntifreezeCheck, "Activation % Antigel"},
    {AntifreezeField, "Antigel (%)"},
    {PowerField, "Puiss. (W)"},
    {OversizingCheck, "Activation Surpuissance"},
    {OversizingField, "Surpuissance (%)"},
    {OversizingPowerField, "Surp. (W)"},
    {TotalPowerField, "Puissance totale (W)"},
    {LimitField, "Limite du mode de calcul (mmCE/m, m/s ou diamètre)"},
    {LimitBar, "Réglage de la limite"},
    {SizeField, "Diam. (diamètre normalisé)"},
    {TheoreticalField, "Ø Théo. (mm)"},
    {VelocityField, "Vit. (m/s)"},
    {PressureDropField, "PdC (mmCE/m)"},
    // "Air"
    {AirModeList, "Mode de calcul"},
    {AirFlowField, "Débit (m³/h)"},
    {AirTemperatureField, "Temp. (°C)"},
    {AirHumidityField, "Hygro. (%)"},
    {AltitudeField, "Altitude (m)"},
    {ImposedDiameterCombo, "Diamètre (mm)"},
    {TheoreticalDuctField, "Diam. Théorique (mm)"},
    {SideAField, "Côte A (mm)"},
    {SideBField, "Côte B (mm)"},
    {AirLimitBar, "Réglage de la limite"},
    {AirLimitField, "Limite du mode de calcul (Pa/m ou m/s)"},
    {DuctDiameterField, "Diamètre Gaine (mm)"},
    {ResultSideAField, "Côte A de la gaine (mm)"},
    {ResultSideBField, "Côte B de la gaine (mm)"},
    {AirVelocityField, "Vit. (m/s)"},
    {AirPressureDropField, "PdC (Pa/m)"},
    // "Evacuations"
    {SlopeField, "Pente (cm/m)"},
    {SlopeBar, "Réglage de la pente"},
    {DrainageLibraryList, "Nature du tube"},
    {CodeRoughnessCheck, "Rugosité conforme au DTU 60.11"},
    {CapacityList, "Débit (l/s) et vitesse (m/s) de chaque diamètre"},
    {DesignFlowField, "Débit à évacuer (l/s)"},
    {DischargeUnitsField, "Somme des unités de décharge (DU)"},
    {FrequencyList, "Coefficient de simultanéité K"},
    {CopyDrainageCheck, "Copier le diamètre choisi"},
    {ChoiceLabel, "Diamètre choisi : capacité et taux d'utilisation"},
    // "Options"
    {DuctMaterialList, "Gaines"},
    {DuctRoughnessField, "Rugosité des gaines (mm)"},
    {WaterTemplateField, "Chaine à copier Eau"},
    {AirTemplateField, "Chaine à copier Air"},
    {TemplateHelpButton, "Aide des variables"},
};
// clang-format on

}  // namespace

void ApplyAccessibleNames()
{
    for (const AccessibleName& a : AccessibleNames)
        SetAccessibleName(a.control, QString::fromUtf8(a.name));
}
