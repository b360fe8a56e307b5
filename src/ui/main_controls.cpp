#include "ui/main_controls.h"

#include "ui/air_controls.h"
#include "ui/drainage_controls.h"
#include "ui/images.h"
#include "ui/options_controls.h"
#include "ui/water_controls.h"

namespace {

using K = ControlKind;
constexpr unsigned Digits = StyleDigitsOnly;
constexpr unsigned ReadOnly = StyleReadOnly;
constexpr unsigned Off = StyleDisabled;
constexpr unsigned Group = StyleNewGroup;
constexpr unsigned L = StyleAlignLeft;
constexpr unsigned C = StyleAlignCentre;
constexpr unsigned R = StyleAlignRight;
constexpr int S = FontSystem;
constexpr int F0 = FontF0;
constexpr int F1 = FontF1;
constexpr int F2 = FontF2;
constexpr int Panel = TabPanelItself;
constexpr int W = TabWater;
constexpr int A = TabAir;
constexpr int D = TabDrainage;
constexpr int O = TabOptions;

}  // namespace

// number, kind, tab, text, vertical text, horizontal rect, vertical rect, tooltip, font,
// style, alignment (H), alignment (V) [, max length, image, track bar range]
// clang-format off
const MainControl MainControls[] = {
    {MainTabPanel, K::TabPanel, Panel, "", "", {3, 3, 551, 175}, {3, 3, 223, 370}, "Aide : F1", F2, 0, L, L},

    {WaterParametersFrame, K::Frame, W, "Paramètres", "", {2, 5, 172, 100}, {5, 5, 206, 100}, "", F1, 0, L, L},
    {EditLibraryButton, K::Button, W, "Edit", "", {7, 23, 40, 23}, {10, 20, 65, 20}, "", F0, 0, L, L},
    {WaterLibraryList, K::DropDown, W, "", "", {50, 24, 117, 20}, {85, 20, 120, 20}, "", F0, 0, L, L},
    {WaterModeLabel, K::Label, W, "Mode de Calc.", "", {9, 54, 72, 15}, {10, 52, 88, 15}, "", F0, 0, L, L},
    {WaterModeList, K::DropDown, W, "", "", {82, 50, 85, 20}, {110, 47, 95, 20}, "", F0, 0, L, L},
    {TemperatureLabel, K::Label, W, "Régime (°C)", "", {9, 80, 65, 15}, {10, 78, 65, 15}, "", F0, 0, L, L},
    {FlowTemperatureCombo, K::Combo, W, "", "", {82, 77, 40, 21}, {110, 75, 40, 21}, "Temp. Aller", F0, 0, L, L},
    {ReturnTemperatureCombo, K::Combo, W, "", "", {127, 77, 40, 21}, {165, 75, 40, 21}, "Temp. Retour", F0, 0, L, L},
    {TemperatureDot, K::Image, W, "", "", {65, 81, 14, 14}, {90, 79, 14, 14}, "", S, 0, L, L, 0, ImageDotBlue},
    {WaterDataFrame, K::Frame, W, "Données", "", {180, 5, 207, 100}, {5, 165, 205, 100}, "", F1, 0, L, L},
    {FlowLabel, K::Label, W, "Débit", "", {186, 27, 37, 15}, {10, 187, 37, 15}, "", F0, 0, L, L},
    {FlowField, K::Edit, W, "100", "", {221, 24, 70, 20}, {42, 185, 70, 20}, "", F2, Digits, R, R, 9},
    {FlowUnitLabel, K::Label, W, "L/h", "", {294, 27, 18, 15}, {114, 189, 18, 15}, "", F0, 0, L, C},
    {AntifreezeCheck, K::Check, W, "", "", {314, 26, 15, 15}, {138, 187, 15, 15}, "Activation % Antigel", F0, 0, L, L},
    {AntifreezeField, K::Edit, W, "33", "", {332, 24, 35, 20}, {156, 185, 35, 20}, "", F0, Digits | Off, C, C, 2},
    {AntifreezePercentLabel, K::Label, W, "%", "", {370, 27, 15, 15}, {194, 189, 15, 15}, "", F0, 0, L, L},
    {PowerLabel, K::Label, W, "Puiss.", "", {186, 54, 37, 15}, {10, 213, 30, 15}, "", F0, 0, L, L},
    {PowerField, K::Edit, W, "2317", "", {221, 51, 70, 20}, {42, 210, 70, 20}, "", F2, Digits, R, R, 9},
    {PowerUnitLabel, K::Label, W, "W", "", {294, 55, 14, 15}, {114, 213, 14, 15}, "", F0, 0, L, C},
    {OversizingCheck, K::Check, W, "", "", {314, 53, 15, 15}, {138, 213, 15, 15}, "Activation Surpuissance", F0, 0, L, L},
    {OversizingPercentLabel, K::Label, W, "%", "", {370, 54, 15, 15}, {194, 213, 15, 15}, "", F0, 0, L, L},
    {OversizingField, K::Edit, W, "20", "", {332, 51, 35, 20}, {156, 210, 35, 20}, "", F2, Digits, C, C, 2},
    {OversizingPlusLabel, K::Label, W, "+", "", {196, 68, 10, 15}, {20, 226, 10, 14}, "", F0, 0, C, C},
    {OversizingLabel, K::Label, W, "Surp.", "", {186, 80, 37, 15}, {10, 238, 30, 15}, "", F0, 0, L, L},
    {OversizingPowerField, K::Edit, W, "0", "", {221, 77, 70, 20}, {42, 235, 70, 20}, "", F2, Digits | ReadOnly, R, R},
    {TotalEqualsLabel, K::Label, W, "=", "", {296, 79, 10, 15}, {119, 238, 10, 15}, "", F0, 0, C, C},
    {TotalPowerField, K::Edit, W, "0", "", {311, 77, 70, 20}, {133, 235, 70, 20}, "", F2, Digits | ReadOnly, R, R},
    {LimitLabel, K::Label, W, "PdC Maxi.", "", {5, 105, 55, 15}, {53, 114, 50, 15}, "", F0, 0, C, R},
    {LimitField, K::Edit, W, "18", "", {5, 120, 55, 20}, {108, 111, 45, 20}, "", F2, Digits | ReadOnly, C, C},
    {LimitBar, K::TrackBar, W, "", "", {60, 110, 330, 30}, {0, 133, 216, 30}, "", S, 0, L, L, 0, -1, 0, 100},
    {WaterResultsFrame, K::Frame, W, "Résultats", "", {393, 5, 148, 140}, {5, 270, 205, 70}, "", F1, 0, L, L},
    {SizeLabel, K::Label, W, "Diam.", "", {400, 27, 37, 15}, {10, 285, 43, 15}, "", F0, 0, L, C},
    {SizeField, K::Edit, W, "15", "", {440, 24, 60, 20}, {11, 300, 43, 20}, "Diamètre normalisé", F2, Digits | ReadOnly, C, C},
    {SymbolLabel, K::Label, W, "DN", "", {503, 27, 30, 15}, {11, 322, 43, 15}, "", F0, 0, L, C},
    {DiameterLabel, K::Label, W, "Ø Théo.", "D.Théo.", {400, 57, 37, 15}, {59, 285, 43, 15}, "", F0, 0, L, C},
    {TheoreticalField, K::Edit, W, "11", "", {440, 54, 60, 20}, {59, 300, 43, 20}, "Diamètre Théorique", F2, Digits | ReadOnly, C, C},
    {DiameterUnitLabel, K::Label, W, "mm", "", {503, 58, 30, 15}, {59, 322, 43, 15}, "", F0, 0, L, C},
    {VelocityLabel, K::Label, W, "Vit.", "", {400, 88, 37, 15}, {112, 285, 43, 15}, "", F0, 0, L, C},
    {VelocityField, K::Edit, W, "0.13", "", {440, 85, 60, 20}, {113, 300, 43, 20}, "", F2, Digits | ReadOnly, C, C},
    {VelocityUnitLabel, K::Label, W, "m/s", "", {503, 88, 30, 15}, {112, 322, 43, 15}, "", F0, 0, L, C},
    {PressureDropLabel, K::Label, W, "PdC", "", {400, 118, 37, 15}, {161, 285, 43, 15}, "", F0, 0, L, C},
    {PressureDropField, K::Edit, W, "1.86", "", {440, 115, 60, 20}, {161, 300, 43, 20}, "", F2, Digits | ReadOnly, C, C},
    {PressureDropUnitLabel, K::Label, W, "mmCE", "", {503, 117, 30, 15}, {161, 322, 43, 15}, "", F0, 0, L, C},

    {AirParametersFrame, K::Frame, A, "Paramètres", "", {5, 5, 80, 140}, {5, 5, 80, 125}, "", F1, 0, L, L},
    {CircularOption, K::Option, A, "Circulaire", "", {10, 25, 70, 20}, {10, 20, 70, 20}, "", F0, Group, L, L},
    {RectangularOption, K::Option, A, "Rectangle", "", {10, 51, 70, 20}, {10, 40, 70, 20}, "", F0, 0, L, L},
    {AirModeList, K::DropDown, A, "", "", {10, 80, 70, 20}, {10, 65, 70, 20}, "Mode de calcul", F0, 0, L, L},
    {DuctMaterialButton, K::Button, A, "Galva.", "", {10, 113, 70, 25}, {10, 95, 70, 25}, "", F0, 0, L, L},
    {AirDataFrame, K::Frame, A, "Données", "", {90, 5, 120, 140}, {90, 5, 120, 125}, "", F1, 0, L, L},
    {AirFlowLabel, K::Label, A, "Débit", "", {95, 23, 35, 15}, {95, 22, 35, 15}, "", F0, 0, L, L},
    {AirFlowField, K::Edit, A, "100", "", {135, 20, 70, 20}, {135, 20, 70, 20}, "Débit d'air en m3/h", F2, Digits, R, R, 9},
    {AirTemperatureLabel, K::Label, A, "Temp. (°C)", "", {95, 55, 70, 15}, {95, 50, 70, 15}, "", F0, 0, L, L},
    {AirTemperatureField, K::Edit, A, "20", "", {165, 52, 40, 20}, {165, 47, 40, 20}, "Température de l'air", F2, Digits, R, R, 3},
    {AirHumidityLabel, K::Label, A, "Hygro. (%)", "", {95, 86, 70, 15}, {95, 77, 70, 15}, "", F0, 0, L, L},
    {AirHumidityField, K::Edit, A, "40", "", {165, 83, 40, 20}, {165, 74, 40, 20}, "Hygrométrie de l'air", F2, Digits, R, R, 3},
    {AltitudeLabel, K::Label, A, "Altitude (m)", "", {95, 119, 70, 15}, {95, 103, 70, 15}, "", F0, 0, L, L},
    {AltitudeField, K::Edit, A, "10", "", {165, 115, 40, 20}, {165, 100, 40, 20}, "", F2, Digits, R, R, 4},
    {AirSettingsFrame, K::Frame, A, "Réglages", "", {215, 5, 190, 140}, {5, 135, 205, 125}, "", F1, 0, L, L},
    {ImposedDiameterLabel, K::Label, A, "Diamètre", "", {270, 25, 80, 13}, {70, 149, 80, 13}, "", F0, 0, C, C},
    {ImposedDiameterCombo, K::Combo, A, "", "", {275, 40, 70, 20}, {65, 164, 85, 20}, "", F0, 0, L, L},
    {TheoreticalDuctLabel, K::Label, A, "Diam. Théorique", "", {270, 25, 80, 13}, {70, 150, 80, 13}, "", F0, 0, C, C},
    {TheoreticalDuctField, K::Edit, A, "120", "", {275, 40, 70, 20}, {75, 165, 70, 20}, "", F2, Digits | ReadOnly, C, C},
    {SideALabel, K::Label, A, "Côte A", "", {247, 25, 55, 13}, {40, 150, 55, 13}, "", F0, 0, C, C},
    {SideAField, K::Edit, A, "100", "", {245, 40, 55, 20}, {40, 165, 55, 20}, "", F2, Digits, C, C, 5},
    {SideTimesLabel, K::Label, A, "x", "", {302, 43, 15, 15}, {100, 168, 20, 15}, "", F0, 0, C, C},
    {SideBLabel, K::Label, A, "Côte B", "", {319, 25, 55, 13}, {125, 150, 55, 13}, "", F0, 0, C, C},
    {SideBField, K::Edit, A, "100", "", {319, 40, 55, 20}, {125, 165, 55, 20}, "", F2, Digits | ReadOnly, C, C, 5},
    {AirLimitBar, K::TrackBar, A, "", "", {220, 65, 180, 30}, {10, 185, 195, 30}, "", S, 0, L, L, 0, -1, 0, 100},
    {AirLimitLabel, K::Label, A, "PdC Maxi.", "", {285, 100, 50, 13}, {85, 215, 50, 13}, "", F0, 0, C, C},
    {AirLimitField, K::Edit, A, "0.8", "", {285, 115, 50, 20}, {85, 230, 50, 20}, "", F2, Digits | ReadOnly, C, C},
    {AirResultsFrame, K::Frame, A, "Résultats", "", {410, 5, 130, 140}, {5, 265, 205, 75}, "", F1, 0, L, L},
    {DuctDiameterLabel, K::Label, A, "Diamètre Gaine", "Diamètre", {435, 25, 80, 13}, {25, 285, 60, 13}, "", F0, 0, C, C},
    {DuctDiameterField, K::Edit, A, "125", "", {445, 40, 60, 20}, {25, 300, 60, 20}, "", F2, Digits | ReadOnly, C, C},
    {ResultSideALabel, K::Label, A, "Côte A", "", {415, 25, 50, 13}, {11, 285, 40, 13}, "", F0, 0, C, C},
    {ResultSideAField, K::Edit, A, "100", "", {415, 40, 50, 20}, {10, 300, 40, 20}, "", F2, Digits | ReadOnly, C, C},
    {ResultSideTimesLabel, K::Label, A, "x", "", {468, 43, 15, 13}, {50, 303, 10, 13}, "", F0, 0, C, C},
    {ResultSideBLabel, K::Label, A, "Côte B", "", {485, 25, 50, 13}, {60, 285, 40, 13}, "", F0, 0, C, C},
    {ResultSideBField, K::Edit, A, "100", "", {485, 40, 50, 20}, {60, 300, 40, 20}, "", F2, Digits | ReadOnly, C, C},
    {AirVelocityLabel, K::Label, A, "Vit.", "", {417, 81, 25, 13}, {110, 285, 45, 13}, "", F0, 0, L, C},
    {AirVelocityField, K::Edit, A, "2.26", "", {445, 78, 60, 20}, {110, 300, 45, 20}, "", F2, Digits | ReadOnly, C, C},
    {AirVelocityUnitLabel, K::Label, A, "m/s", "", {510, 81, 25, 13}, {110, 322, 45, 13}, "", F0, 0, L, C},
    {AirPressureDropLabel, K::Label, A, "PdC", "", {417, 119, 25, 13}, {160, 285, 45, 13}, "", F0, 0, L, C},
    {AirPressureDropField, K::Edit, A, "0.65", "", {445, 115, 60, 20}, {160, 300, 45, 20}, "", F2, Digits | ReadOnly, C, C},
    {AirPressureDropUnitLabel, K::Label, A, "Pa", "", {510, 119, 25, 13}, {160, 322, 45, 13}, "", F0, 0, L, C},

    {DrainageParametersFrame, K::Frame, D, "Paramètres", "", {5, 5, 138, 139}, {3, 5, 210, 134}, "", F0, 0, L, L},
    {FillImageControl, K::Image, D, "", "", {15, 25, 60, 60}, {50, 15, 60, 55}, "", S, 0, L, L, 0, ImageFillHalf},
    {HalfFillOption, K::Option, D, "5/10e", "", {85, 33, 50, 20}, {120, 23, 50, 20}, "", F0, Group, L, L},
    {SevenTenthsFillOption, K::Option, D, "7/10e", "", {85, 58, 50, 20}, {120, 48, 50, 20}, "", F0, 0, L, L},
    {SlopeLabel, K::Label, D, "Pente en (cm/m):", "", {15, 92, 95, 20}, {15, 82, 95, 20}, "", F0, 0, L, L},
    {SlopeField, K::Edit, D, "0.5", "", {100, 90, 30, 20}, {165, 80, 30, 20}, "", F0, ReadOnly, C, C},
    {SlopeBar, K::TrackBar, D, "", "", {10, 110, 125, 25}, {10, 100, 195, 25}, "", S, 0, L, L, 0, -1, 1, 10},
    {DrainageResultsFrame, K::Frame, D, "Résultats", "", {148, 5, 390, 139}, {3, 141, 210, 201}, "", F0, 0, L, L},
    {DrainageLibraryLabel, K::Label, D, "Nature du tube :", "Nat.Tube :", {158, 25, 80, 20}, {15, 160, 80, 20}, "", F0, 0, L, L},
    {DrainageLibraryList, K::DropDown, D, "", "", {158, 40, 80, 20}, {65, 157, 80, 20}, "", F0, 0, L, L},
    // Only the prefix: the roughness is appended when the label is written.
    {DrainageRoughnessLabel, K::Label, D, "Rugosité = ", "Rugo. ", {158, 65, 95, 20}, {149, 160, 55, 20}, "", F0, 0, L, L},
    {CodeRoughnessCheck, K::Check, D, "", "", {158, 84, 15, 15}, {15, 178, 15, 15}, "", F0, 0, L, L},
    {CodeRoughnessLabel, K::Label, D, "Rugo. conforme au DTU plomb.", "Rugosité conforme au DTU 60.11", {173, 85, 75, 60}, {30, 180, 180, 15}, "", F0, 0, L, L},
    {CapacityList, K::ListView, D, "", "", {248, 20, 280, 92}, {7, 197, 202, 98}, "", F0, 0, L, L},
    {DesignFlowLabel, K::Label, D, "Débit (l/s)", "", {248, 118, 48, 15}, {7, 300, 48, 15}, "", F0, 0, L, L},
    {DesignFlowField, K::Edit, D, "", "", {296, 115, 38, 20}, {55, 297, 40, 20}, "Débit à évacuer en l/s", F0, 0, R, R},
    {DischargeUnitsLabel, K::Label, D, "ΣDU", "", {338, 118, 22, 15}, {101, 300, 24, 15}, "", F0, 0, L, L},
    {DischargeUnitsField, K::Edit, D, "", "", {360, 115, 30, 20}, {125, 297, 36, 20}, "Somme des unités de décharge", F0, 0, R, R},
    {FrequencyList, K::DropDown, D, "", "", {393, 115, 40, 20}, {165, 297, 42, 20}, "", F0, 0, L, L},
    {CopyDrainageCheck, K::Check, D, "", "", {437, 117, 15, 15}, {9, 321, 15, 15}, "Copier le diamètre choisi dans le presse-papier", F0, 0, L, L},
    {ChoiceLabel, K::Label, D, "", "", {454, 118, 78, 15}, {27, 321, 180, 15}, "", F0, 0, L, L},

    {PreferencesFrame, K::Frame, O, "Préférences", "Préférences  Générales", {5, 5, 160, 140}, {5, 5, 205, 120}, "", F1, 0, L, L},
    {AlwaysOnTopCheck, K::Check, O, "Toujours au premier plan", "", {10, 20, 150, 20}, {15, 20, 165, 20}, "", F0, 0, L, L},
    {SavePositionsCheck, K::Check, O, "Sauver positions fenêtres", "", {10, 45, 150, 20}, {15, 40, 170, 20}, "", F0, 0, L, L},
    {SaveSettingsCheck, K::Check, O, "Sauver les paramètres", "", {10, 70, 150, 20}, {15, 60, 165, 20}, "", F0, 0, L, L},
    {AntifreezeOptionCheck, K::Check, O, "Activer option Antigel", "", {10, 95, 150, 20}, {15, 80, 150, 20}, "", F0, 0, L, L},
    {AutoUpdateCheck, K::Check, O, "Activer Mise à jour Auto.", "", {10, 120, 150, 20}, {15, 100, 150, 20}, "", F0, 0, L, L},
    {DuctMaterialFrame, K::Frame, O, "Matériaux Gaines", "", {170, 5, 200, 45}, {5, 130, 205, 45}, "", F0, 0, L, L},
    {DuctMaterialLabel, K::Label, O, "Gaines", "", {180, 23, 40, 15}, {15, 148, 40, 15}, "", F0, 0, L, L},
    {DuctMaterialList, K::DropDown, O, "", "", {225, 20, 85, 20}, {55, 145, 95, 20}, "", F0, 0, L, L},
    {DuctRoughnessField, K::Edit, O, "0.15", "", {320, 20, 45, 20}, {155, 145, 45, 20}, "", F2, ReadOnly, C, C},
    {CopyTemplateFrame, K::Frame, O, "Chaine à Copier", "", {170, 50, 200, 95}, {5, 180, 205, 90}, "", F0, 0, L, L},
    {CopyWaterOptionCheck, K::Check, O, "Eau", "", {180, 80, 40, 20}, {15, 205, 40, 20}, "", F0, 0, L, L},
    {WaterTemplateField, K::Edit, O, "%d-%n.%c", "", {220, 80, 110, 20}, {55, 205, 110, 20}, "", F2, 0, L, L},
    {TemplateHelpButton, K::Button, O, "?", "", {340, 95, 20, 20}, {175, 220, 20, 20}, "", F0, 0, L, L},
    {CopyAirOptionCheck, K::Check, O, "Air", "", {180, 110, 40, 20}, {15, 235, 40, 20}, "", F0, 0, L, L},
    {AirTemplateField, K::Edit, O, "%d-%c", "", {220, 110, 110, 20}, {55, 235, 110, 20}, "", F2, 0, L, L},
    {DisplayFrame, K::Frame, O, "Affichage", "", {375, 5, 95, 70}, {5, 270, 205, 45}, "", F1, 0, L, L},
    {VerticalOption, K::Option, O, "Vertical", "", {385, 25, 80, 20}, {35, 288, 70, 20}, "", F0, Group, L, L},
    {HorizontalOption, K::Option, O, "Horizontal", "", {385, 48, 80, 20}, {115, 288, 80, 20}, "", F0, 0, L, L},
    {AboutButton, K::Button, O, "A Propos...", "", {465, 125, 75, 20}, {75, 320, 75, 20}, "", F0, 0, L, L},
    {NetworkButton, K::Button, O, "Réseau…", "", {385, 125, 75, 20}, {155, 320, 58, 20}, "Ctrl+R", F0, 0, L, L},
};
// clang-format on
const size_t MainControlCount = sizeof(MainControls) / sizeof(MainControls[0]);

const TabCaption MainTabCaptions[4] = {
    {"Eau", "Eau"},
    {"Air", "Air"},
    {"Evacuations", "Evac."},
    {"Options", "Options"},
};

const ListColumn DrainageColumns[5] = {
    {"DN", 35, "DN", 28},        {"Débit (l/s)", 60, "D.(l/s)", 40}, {"Vitesse", 60, "Vit.", 35},
    {"Ø Int.", 45, "ØInt.", 39}, {"Ø Ext.", 45, "ØExt.", 39},
};

// clang-format off
const SwitchPlacement SwitchPlacements[] = {
    {SizeLabel, LayoutVertical, 17, -1, 30, -1},
    {SymbolLabel, LayoutVertical, 25, -1, 30, -1},
    {DiameterLabel, LayoutVertical, 61, -1, 35, -1},
    {DiameterUnitLabel, LayoutVertical, 70, -1, 30, -1},
    {VelocityLabel, LayoutVertical, 126, -1, 30, -1},
    {VelocityUnitLabel, LayoutVertical, 125, -1, 30, -1},
    {PressureDropLabel, LayoutVertical, 170, -1, 30, -1},
    {PressureDropUnitLabel, LayoutVertical, 167, -1, 30, -1},
    {AirVelocityLabel, LayoutVertical, 125, -1, 30, -1},
    {AirVelocityUnitLabel, LayoutVertical, 125, -1, 30, -1},
    {AirPressureDropLabel, LayoutVertical, 173, -1, 30, -1},
    {AirPressureDropUnitLabel, LayoutVertical, 176, -1, 30, -1},
    {OversizingPowerField, LayoutVertical, 45, -1, -1, -1},
    {EditLibraryButton, LayoutHorizontal, 7, 24, 40, 20},
    {OversizingPlusLabel, LayoutHorizontal, -1, 67, -1, -1},
    {OversizingLabel, LayoutHorizontal, -1, 77, -1, -1},
    {LimitLabel, LayoutHorizontal, -1, -1, 50, -1},
    {LimitField, LayoutHorizontal, -1, -1, 45, -1},
    {LimitBar, LayoutHorizontal, 55, 110, 335, 30},
};
// clang-format on
const size_t SwitchPlacementCount = sizeof(SwitchPlacements) / sizeof(SwitchPlacements[0]);

MainLayout LayoutFromAffMode(int affMode)
{
    return affMode == 1 ? LayoutHorizontal : LayoutVertical;
}

const MainControl* FindMainControl(int number)
{
    for (const MainControl& control : MainControls)
        if (control.number == number)
            return &control;
    return nullptr;
}

QString ControlText(const MainControl& control, int layout)
{
    if (LayoutFromAffMode(layout) == LayoutVertical && control.verticalText[0] != '\0')
        return QString::fromUtf8(control.verticalText);
    return QString::fromUtf8(control.text);
}

ControlRect ControlPlacement(const MainControl& control, int layout)
{
    return LayoutFromAffMode(layout) == LayoutHorizontal ? control.horizontal : control.vertical;
}

ControlRect SwitchedPlacement(const MainControl& control, int layout)
{
    const int target = LayoutFromAffMode(layout);
    ControlRect where = ControlPlacement(control, target);
    for (const SwitchPlacement& p : SwitchPlacements) {
        if (p.control != control.number || p.target != target)
            continue;
        if (p.x >= 0)
            where.x = p.x;
        if (p.y >= 0)
            where.y = p.y;
        if (p.w >= 0)
            where.w = p.w;
        if (p.h >= 0)
            where.h = p.h;
    }
    return where;
}
