#include "tabs/library_editor_sizes.h"

#include "base/number_text.h"
#include "engines/pipe_size_edit.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "tabs/editor_messages.h"
#include "tabs/library_editor_view.h"
#include "tabs/program_state.h"
#include "ui/editor_controls.h"

namespace {

constexpr int TextCapacity = 16;  // abbreviation and symbol [characters]

SizeEntry ReadSizeEntry()
{
    SizeEntry entry;
    entry.name = GetText(EditorSizeNameField);
    entry.outsideDiameter = TypedFloat(GetText(EditorOutsideField));  // [mm]
    entry.thickness = TypedFloat(GetText(EditorThicknessField));      // [mm]
    return entry;
}

void ShowRefusedSizeName(const SizeEntry& entry)
{
    ShowEditorMessage(RefusedNameMessage(SizeNameSubject, CheckStoredName(WithoutBlanksAround(entry.name))));
}

int SelectedSize(const ProgramState& state)
{
    const int row = GetState(EditorSizeList);
    return row >= 0 && row < static_cast<int>(state.editor.copy.sizes.size()) ? row : -1;
}

}  // namespace

void OnEditorSizeList(ProgramState& state, const Event& event)
{
    std::vector<PipeSize>& sizes = state.editor.copy.sizes;
    if (event.subtype == SubtypeChange) {
        const int row = event.item >= 0 ? event.item : HitTestRow(EditorSizeList);
        if (row >= 0 && row < static_cast<int>(sizes.size())) {
            const bool ticked = IsRowChecked(EditorSizeList, row);
            if (ticked != (sizes[row].active != 0)) {
                sizes[row].active = ticked ? 1 : 0;
                state.editor.modified = true;
            }
        }
    }
    if (const int selected = SelectedSize(state); selected >= 0) {
        const PipeSize& size = sizes[selected];
        SetText(EditorSizeNameField, size.name);
        SetText(EditorOutsideField, DecimalText(size.outsideDiameter, EditorSizeDecimals));
        SetText(EditorThicknessField, DecimalText(size.thickness, EditorSizeDecimals));
    }
}

void OnEditorAddSize(ProgramState& state)
{
    const SizeEntry entry = ReadSizeEntry();
    switch (AddPipeSize(state.editor.copy, entry)) {
    case SizeEditResult::Incomplete:
        ShowEditorMessage(IncompleteSizeMessage);
        return;
    case SizeEditResult::ReservedName:
        ShowEditorMessage(ReservedSizeNameMessage);
        return;
    case SizeEditResult::RefusedCharacter:
        ShowRefusedSizeName(entry);
        return;
    case SizeEditResult::DuplicateName:
        ShowEditorMessage(DuplicateSizeNameMessage);
        return;
    case SizeEditResult::InsideNotPositive:
        ShowEditorMessage(InsideNotPositiveMessage);
        return;
    case SizeEditResult::DuplicateInside:
        ShowEditorMessage(DuplicateInsideMessage);
        return;
    case SizeEditResult::Done:
        break;
    }
    RefillLibraryEditor(state);
    state.editor.modified = true;
}

void OnEditorModifySize(ProgramState& state)
{
    const int selected = SelectedSize(state);
    if (selected < 0)
        return;
    const SizeEntry entry = ReadSizeEntry();
    switch (ModifyPipeSize(state.editor.copy, selected, entry)) {
    case SizeEditResult::ReservedName:
        ShowEditorMessage(ReservedSizeNameMessage);
        return;
    case SizeEditResult::RefusedCharacter:
        ShowRefusedSizeName(entry);
        return;
    case SizeEditResult::DuplicateName:
        ShowEditorMessage(DuplicateSizeNameMessage);
        return;
    case SizeEditResult::Done:
        break;
    default:
        return;  // incomplete data: the click is ignored
    }
    RefillLibraryEditor(state);
    state.editor.modified = true;
}

void OnEditorDeleteSize(ProgramState& state)
{
    const int selected = SelectedSize(state);
    if (selected < 0)
        return;
    state.editor.copy.sizes.erase(state.editor.copy.sizes.begin() + selected);
    FillSizeList(state.editor.copy);
    for (int field : {EditorSizeNameField, EditorOutsideField, EditorThicknessField})
        SetText(field, QStringLiteral("-"));
    state.editor.modified = true;
}

void OnEditorFieldChange(ProgramState& state, const Event& event)
{
    PipeLibrary& library = state.editor.copy;
    const QString text = GetText(event.control);
    switch (event.control) {
    case EditorNameField:
        library.name = WithoutBlanksAround(text);
        break;
    case EditorAbbreviationField:
        library.abbreviation = CutText(text, TextCapacity);
        break;
    case EditorSymbolField:
        library.symbol = CutText(text, TextCapacity);
        break;
    case EditorRoughnessField:
        library.roughness = TypedFloat(text);
        break;  // [mm]
    default:
        return;
    }
    state.editor.modified = true;
}
