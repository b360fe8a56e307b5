#pragma once

#include <cstddef>

#include "platform/controls.h"

// The controls of the library editor window "Editeur Tubes".
enum EditorControl : int {
    EditorLibraryList = 400,  // drop-down: names of the loaded water libraries
    EditorLibraryLabel = 401,
    EditorOutsideField = 402,
    EditorThicknessField = 403,
    EditorOutsideLabel = 404,
    EditorThicknessLabel = 405,
    EditorSizeNameField = 406,
    EditorSizeNameLabel = 407,
    EditorNameField = 408,
    EditorNameLabel = 409,
    EditorAbbreviationLabel = 410,
    EditorSymbolLabel = 411,
    EditorRoughnessLabel = 412,
    EditorAbbreviationField = 413,
    EditorSymbolField = 414,
    EditorRoughnessField = 415,
    EditorSizeList = 416,  // one row per size, its check box the active flag
    EditorModifyButton = 417,
    EditorAddButton = 418,
    EditorDeleteButton = 419,
    EditorOkButton = 420,
};

// Decimals of the diameters and thickness shown in list 416 and fields 402, 403.
constexpr int EditorSizeDecimals = 2;

// Menu events of the editor: the "Fichier" items, and F1.
enum EditorMenu : int { EditorMenuNew = 0, EditorMenuSaveAs = 1, EditorMenuHelp = 2, EditorMenuHelpKey = 7 };

struct EditorControlRow {
    int number;
    ControlKind kind;
    const char* text;   // UTF-8
    ControlRect where;  // in the client area, below the menu bar
    unsigned style;     // ControlStyle bits
    bool systemFont;    // true: keeps the system font; otherwise F0
};

// In creation order.
extern const EditorControlRow EditorControls[];
extern const size_t EditorControlCount;

struct EditorColumn {
    const char* title;  // UTF-8
    int width;          // [px]
    ColumnAlign align;
};
// Columns of list 416: designation, outside diameter, thickness, inside diameter.
extern const EditorColumn EditorSizeColumns[4];

struct EditorMenuRow {
    const char* menu;
    const char* item;
    int event;  // EditorMenu
};
extern const EditorMenuRow EditorMenuItems[3];
