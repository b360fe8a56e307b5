#pragma once

#include <QString>
#include <optional>

#include "engines/copy_templates.h"
#include "engines/pipe_library.h"
#include "physics/internal_data.h"

// Which water field drives the calculation: the flow (12) or the power (18).
enum class EntryMode { FlowEntered, PowerEntered };

// Calculation modes, the items of list 5 in order.
enum WaterMode : int { ModeMaxPressureDrop = 0, ModeImposedSize = 1, ModeMaxVelocity = 2 };

// What one water run reads from the water tab: the texts and states of its
// controls at the moment it starts.
struct WaterInputs {
    QString flowTemperature;         // 8 : flow temperature [degC], "," or "." as the point
    QString returnTemperature;       // 9 : return temperature [degC]
    bool antifreezeOn = false;       // 14
    QString antifreezePercent;       // 15 : antifreeze share [%]
    int mode = ModeMaxPressureDrop;  // 5 : selected index
    QString flow;                    // 12 : flow [L/h]
    QString power;                   // 18 : power [W]
    bool oversizingOn = false;       // 20
    QString oversizingPercent;       // 22 : oversizing share [%]
    QString totalPower;              // 27 : power with oversizing [W]
    QString limit;                   // 29 : mode 0 [mmCE/m], mode 2 [m/s]
    bool copyOn = false;             // 305
    EntryMode entryMode = EntryMode::FlowEntered;
};

// The fields a run may write, in the order of their control numbers.
enum WaterOutput : int {
    OutFlow,
    OutPower,
    OutOversizingPower,
    OutTotalPower,
    OutSize,
    OutTheoreticalDiameter,
    OutVelocity,
    OutPressureDrop,
    WaterOutputCount
};

// What a run leaves: the final text of every field it wrote (the others keep
// what they show), and the texts for the clipboard when a result was shown and
// the copy is switched on.
struct WaterResult {
    std::optional<QString> fields[WaterOutputCount];
    bool copy = false;
    WaterCopyTexts copyTexts;
};

// One water sizing run on the library and its current size (list position,
// the imposed size of mode 1). Records the fluid state in `data`. With no
// library or a current size outside its list the run has nothing to size: it
// writes nothing and leaves `data` alone; a library without sizes shows "N/A"
// in the four results, copies nothing and leaves `data` alone.
WaterResult RunWaterSizing(const WaterInputs& inputs, const PipeLibrary* library, int currentSize,
                           InternalDataRecord& data);

// v : mean velocity [m/s] of a flow [L/h] in a pipe of inside diameter [mm].
float PipeVelocity(float diameter, float flow);
