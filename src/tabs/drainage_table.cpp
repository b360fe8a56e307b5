#include "tabs/drainage_table.h"

#include "engines/drainage_engine.h"
#include "platform/controls.h"
#include "ui/drainage_controls.h"

void FillDrainageTable(const PipeLibraryList& libraries, const QString& name)
{
    if (const PipeLibrary* library = FindDrainageLibrary(libraries, name)) {
        const float slope = SlopeAtPosition(GetState(SlopeBar));                                             // I [cm/m]
        const float fill = FillFraction(GetState(SevenTenthsFillOption) == 1 ? FillSevenTenths : FillHalf);  // f [-]
        const float gamma = BazinCoefficient(GetText(DrainageLibraryList),
                                             GetState(CodeRoughnessCheck) == 1);  // [m^0.5]
        ClearRows(CapacityList);
        for (const PipeSize& size : library->sizes)
            AddRow(CapacityList, DrainageRow(size, slope, fill, gamma));
    }
    SetColumnBackground(CapacityList, ColumnFlow, FlowColumnColour);
    SetColumnBackground(CapacityList, ColumnVelocity, VelocityColumnColour);
}
