#pragma once

// Controls of the drainage tab ("Evacuations").
enum DrainageControl : int {
    FillImageControl = 142,
    HalfFillOption = 143,
    SevenTenthsFillOption = 144,
    SlopeField = 146,
    SlopeBar = 147,
    DrainageLibraryList = 150,
    DrainageRoughnessLabel = 151,
    CodeRoughnessCheck = 152,
    CapacityList = 154,
};

// Columns of the capacity list 154.
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
