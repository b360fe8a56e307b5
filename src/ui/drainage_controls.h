#pragma once

// Controls of the drainage tab ("Evacuations").
enum DrainageControl : int {
    DrainageParametersFrame = 141,
    FillImageControl = 142,
    HalfFillOption = 143,
    SevenTenthsFillOption = 144,
    SlopeLabel = 145,
    SlopeField = 146,
    SlopeBar = 147,
    DrainageResultsFrame = 148,
    DrainageLibraryLabel = 149,
    DrainageLibraryList = 150,
    DrainageRoughnessLabel = 151,
    CodeRoughnessCheck = 152,
    CodeRoughnessLabel = 153,
    CapacityList = 154,
    DesignFlowLabel = 155,
    DesignFlowField = 156,
    DischargeUnitsLabel = 157,
    DischargeUnitsField = 158,
    FrequencyList = 159,
    ChoiceLabel = 160,
    CopyDrainageCheck = 161,
};

// Columns of the capacity list.
enum CapacityColumn : int {
    ColumnSizeName,
    ColumnFlow,
    ColumnVelocity,
    ColumnInside,
    ColumnOutside,
    CapacityColumnCount
};

// Backgrounds of the flow and velocity columns, every row.
constexpr int FlowColumnColour = 0xCEE6EB;      // RGB(206, 230, 235)
constexpr int VelocityColumnColour = 0xEFDADA;  // RGB(239, 218, 218)

// The selection of the capacity list, which marks the size chosen for the flow,
// focused or not; its text black whatever the palette, so it reads in light and
// dark themes alike (15.6 : 1).
constexpr int ChosenRowColour = 0xFFD966;  // RGB(255, 217, 102)
