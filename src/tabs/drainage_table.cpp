#include "tabs/drainage_table.h"

#include "engines/drainage_texts.h"
#include "platform/controls.h"
#include "ui/drainage_controls.h"

DrainageTexts ReadDrainageTexts()
{
    DrainageTexts texts;
    texts.library = GetText(DrainageLibraryList);
    texts.sevenTenths = GetState(SevenTenthsFillOption) == 1;
    texts.slopePosition = GetState(SlopeBar);
    texts.codeRoughness = GetState(CodeRoughnessCheck) == 1;
    return texts;
}

void FillDrainageTable(const PipeLibraryList& libraries, const QString& name)
{
    if (const PipeLibrary* library = FindDrainageLibrary(libraries, name)) {
        const DrainageOutcome outcome = SizeDrainage(ParseDrainageInputs(ReadDrainageTexts()), *library);
        ClearRows(CapacityList);
        for (const QStringList& row : FormatDrainageResult(outcome, *library).rows)
            AddRow(CapacityList, row);
    }
    SetColumnBackground(CapacityList, ColumnFlow, FlowColumnColour);
    SetColumnBackground(CapacityList, ColumnVelocity, VelocityColumnColour);
}
