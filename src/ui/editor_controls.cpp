#include "ui/editor_controls.h"

namespace {
using K = ControlKind;
constexpr unsigned C = StyleAlignCentre;
}  // namespace

// clang-format off
const EditorControlRow EditorControls[] = {
    {EditorSizeList, K::ListView, "", {5, 5, 270, 355}, StyleRowChecks | StyleKeepSelection, false},
    {EditorLibraryLabel, K::Label, "Choix Mat.", {280, 8, 50, 15}, 0, false},
    {EditorLibraryList, K::DropDown, "", {335, 5, 115, 20}, 0, false},
    {EditorNameLabel, K::Label, "Nom Tube", {280, 33, 50, 15}, 0, false},
    {EditorNameField, K::Edit, "", {335, 30, 115, 20}, C, false},
    {EditorAbbreviationLabel, K::Label, "Abréviation Matériau", {280, 58, 110, 15}, 0, false},
    {EditorAbbreviationField, K::Edit, "Ac", {400, 55, 50, 20}, C, false},
    {EditorSymbolLabel, K::Label, "Symbole diamètre", {280, 83, 85, 15}, 0, false},
    {EditorSymbolField, K::Edit, "DN", {400, 80, 50, 20}, C, false},
    {EditorRoughnessLabel, K::Label, "Rugosité (mm)", {280, 108, 80, 15}, 0, false},
    {EditorRoughnessField, K::Edit, "0.00", {400, 105, 50, 20}, C, false},
    {EditorSizeNameLabel, K::Label, "Dénomination", {5, 370, 95, 15}, C, false},
    {EditorSizeNameField, K::Edit, "-", {5, 385, 95, 20}, C, false},
    {EditorOutsideLabel, K::Label, "Ø Ext.", {105, 370, 45, 15}, C, false},
    {EditorOutsideField, K::Edit, "-", {105, 385, 45, 20}, C, false},
    {EditorThicknessLabel, K::Label, "Epais.", {155, 370, 45, 15}, C, false},
    {EditorThicknessField, K::Edit, "-", {155, 385, 45, 20}, C, false},
    {EditorModifyButton, K::Button, "Modifier", {210, 363, 65, 20}, 0, false},
    {EditorAddButton, K::Button, "Ajouter", {210, 385, 65, 20}, 0, false},
    {EditorDeleteButton, K::Button, "Suppr.", {275, 363, 40, 42}, 0, true},
    {EditorOkButton, K::Button, "OK", {385, 370, 65, 35}, 0, false},
};
// clang-format on
const size_t EditorControlCount = sizeof(EditorControls) / sizeof(EditorControls[0]);

const EditorColumn EditorSizeColumns[4] = {
    {"Nom", 95, ColumnLeft},
    {"Ø Ext.", 50, ColumnRight},
    {"Epais.", 45, ColumnRight},
    {"Ø Int.", 50, ColumnRight},
};

const EditorMenuRow EditorMenuItems[3] = {
    {"Fichier", "Nouveau", EditorMenuNew},
    {"Fichier", "Enregistrer sous...", EditorMenuSaveAs},
    {"Fichier", "Aide (F1)", EditorMenuHelp},
};
