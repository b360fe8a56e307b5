#pragma once

// Controls of the "Options" tab.
enum OptionsControl : int {
    AlwaysOnTopCheck = 201,
    SavePositionsCheck = 202,
    SaveSettingsCheck = 203,
    AntifreezeOptionCheck = 204,
    AutoUpdateCheck = 205,
    CopyWaterOptionCheck = 305,
    WaterTemplateField = 306,
    CopyAirOptionCheck = 307,
    AirTemplateField = 308,
    TemplateHelpButton = 309,
    VerticalOption = 311,
    HorizontalOption = 312,
};
