#include "tabs/library_editor_view.h"

#include "base/number_text.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "tabs/program_state.h"
#include "ui/editor_controls.h"

namespace {

constexpr int RoughnessDecimals = 4;

}  // namespace

bool BuildEditorWindow(ProgramState& state)
{
    WindowDescriptor& editor = state.window.windows[EditorWindow];
    if (!OpenWindow(editor, editor.width, editor.height))
        return false;
    for (const EditorMenuRow& row : EditorMenuItems)
        AddMenuItem(EditorWindow, QString::fromUtf8(row.menu), QString::fromUtf8(row.item), row.event);
    AddShortcut(EditorWindow, QStringLiteral("F1"), EditorMenuHelpKey);
    for (size_t i = 0; i < EditorControlCount; ++i) {
        const EditorControlRow& c = EditorControls[i];
        CreateControl(EditorWindow, c.number, c.kind, QString::fromUtf8(c.text), c.where, c.style);
        SetFont(c.number, c.systemFont ? -1 : state.window.fonts.f0);
    }
    for (const EditorColumn& column : EditorSizeColumns)
        AddColumn(EditorSizeList, QString::fromUtf8(column.title), column.width, column.align);
    return true;
}

void FillLibraryEditor(const PipeLibrary& library, const PipeLibraryList& libraries)
{
    for (const PipeLibrary& listed : libraries)
        AddItem(EditorLibraryList, listed.name);
    SetState(EditorLibraryList, -1);
    SetText(EditorNameField, library.name);
    SetText(EditorAbbreviationField, library.abbreviation);
    SetText(EditorSymbolField, library.symbol);
    SetText(EditorRoughnessField, DecimalText(library.roughness, RoughnessDecimals));
    FillSizeList(library);
}

void FillSizeList(const PipeLibrary& library)
{
    ClearRows(EditorSizeList);
    for (const PipeSize& size : library.sizes)
        AddRow(EditorSizeList,
               {size.name, DecimalText(size.outsideDiameter, EditorSizeDecimals),
                DecimalText(size.thickness, EditorSizeDecimals), DecimalText(size.insideDiameter, EditorSizeDecimals)},
               size.active != 0);
}

void ClearLibraryEditor()
{
    ClearItems(EditorLibraryList);
    ClearRows(EditorSizeList);
    for (int field : {EditorNameField, EditorAbbreviationField, EditorSymbolField, EditorRoughnessField})
        SetText(field, QString());
    for (int field : {EditorSizeNameField, EditorOutsideField, EditorThicknessField})
        SetText(field, QStringLiteral("-"));
}

void ShowEditedLibraryName(const ProgramState& state)
{
    if (state.editor.libraryName.isEmpty())
        SetState(EditorLibraryList, -1);
    else
        SetText(EditorLibraryList, state.editor.libraryName);
}

void RefillLibraryEditor(const ProgramState& state)
{
    const int picked = GetState(EditorLibraryList);
    ClearLibraryEditor();
    FillLibraryEditor(state.editor.copy, state.domain.waterLibraries);
    SetState(EditorLibraryList, picked);
}
