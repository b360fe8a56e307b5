#pragma once

// Controls of the "Options" tab; the duct material ones are with the air tab's.
enum OptionsControl : int {
    PreferencesFrame = 200,
    AlwaysOnTopCheck = 201,
    SavePositionsCheck = 202,
    SaveSettingsCheck = 203,
    AntifreezeOptionCheck = 204,
    AutoUpdateCheck = 205,
    CopyTemplateFrame = 304,
    CopyWaterOptionCheck = 305,
    WaterTemplateField = 306,
    CopyAirOptionCheck = 307,
    AirTemplateField = 308,
    TemplateHelpButton = 309,
    DisplayFrame = 310,
    VerticalOption = 311,
    HorizontalOption = 312,
    AboutButton = 313,
    NetworkButton = 314,  // opens the « Réseau » window
};
