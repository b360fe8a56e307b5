#include "tabs/drainage_table.h"

#include "platform/controls.h"
#include "tabs/copy_results.h"
#include "ui/drainage_controls.h"

namespace {

// The choice for the typed flow: its row selected (in the chosen row's colour), its capacity
// and share in label 160, and the summary copied when check box 161 is ticked.
void ShowDrainageChoice(const DrainageOutcome& outcome, const DrainageResultTexts& texts, const PipeLibrary& library)
{
    SetText(ChoiceLabel, texts.summary);
    SetTooltip(ChoiceLabel,
               outcome.status == SizingStatus::NotAvailable
                   ? QStringLiteral("Aucun diamètre n'évacue %1 l/s ; le plus grand évacue %2 l/s")
                         .arg(texts.designFlow, texts.capacity)
                   : QString());
    if (outcome.status != SizingStatus::Sized) {
        SetState(CapacityList, -1);
        return;
    }
    SetState(CapacityList, outcome.size);
    if (GetState(CopyDrainageCheck) == 1)
        CopyDrainageResult({texts.designFlow, texts.chosenSize, texts.share, library.symbol, library.abbreviation});
}

}  // namespace

DrainageTexts ReadDrainageTexts()
{
    DrainageTexts texts;
    texts.library = GetText(DrainageLibraryList);
    texts.sevenTenths = GetState(SevenTenthsFillOption) == 1;
    texts.slopePosition = GetState(SlopeBar);
    texts.codeRoughness = GetState(CodeRoughnessCheck) == 1;
    texts.flow = GetText(DesignFlowField);
    return texts;
}

void FillDrainageTable(const PipeLibraryList& libraries, const QString& name)
{
    const PipeLibrary* library = FindDrainageLibrary(libraries, name);
    DrainageOutcome outcome;
    DrainageResultTexts texts;
    if (library) {
        outcome = SizeDrainage(ParseDrainageInputs(ReadDrainageTexts()), *library);
        texts = FormatDrainageResult(outcome, *library);
        ClearRows(CapacityList);
        for (const QStringList& row : texts.rows)
            AddRow(CapacityList, row);
    }
    SetColumnBackground(CapacityList, ColumnFlow, FlowColumnColour);
    SetColumnBackground(CapacityList, ColumnVelocity, VelocityColumnColour);
    if (library)
        ShowDrainageChoice(outcome, texts, *library);
    else
        SetText(ChoiceLabel, QString());
}
