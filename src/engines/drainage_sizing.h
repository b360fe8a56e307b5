#pragma once

#include <vector>

#include "engines/sizing_status.h"

struct PipeLibrary;

// Gravity drainage running part full: what each size of a drainage library
// carries at a fill ratio and slope, by Bazin's formula.

// The two fill ratios; the values are those of "FillType".
enum FillRatio : int { FillHalf = 0, FillSevenTenths = 1 };

// f : water depth over inside diameter [-]; "FillType" 0 is 5/10, any other value 7/10.
float FillFraction(int fillType);

// The slope is chosen in half-cm/m steps, positions 1 to 10.
constexpr int SlopeBarFirst = 1;
constexpr int SlopeBarLast = 10;

// I : slope [cm/m] at a slope position.
float SlopeAtPosition(int position);

// gamma : Bazin coefficient [m^0.5]; the code roughness applies when the user
// asks for it or when the library's material imposes it.
float BazinCoefficient(bool codeImposed, bool codeRoughness);

struct DrainageFlow {
    float flow = 0.0f;      // Q : flow carried [l/s]
    float velocity = 0.0f;  // v : mean velocity [m/s]
};

// Capacity of one pipe; not numbers when the diameter is 0 or negative.
DrainageFlow DrainageCapacity(float insideDiameter,  // D_int : inside diameter [mm]
                              float slope,           // I : slope [cm/m]
                              float fill,            // f : fill ratio [-]
                              float gamma);          // gamma : Bazin coefficient [m^0.5]

// Qww : design flow [l/s] of fixtures totalling `dischargeUnits` (sum of DU [-])
// at the frequency factor K [l/s per DU^0.5]: K * sqrt(sum DU).
float DesignFlow(float dischargeUnits, float frequency);

// What a capacity table is built from, once read.
struct DrainageInputs {
    int fillType = FillHalf;    // FillRatio
    int slopePosition = 1;      // SlopeBarFirst to SlopeBarLast; I = position / 2 [cm/m]
    bool codeRoughness = true;  // the user asks for the code roughness
    bool codeImposed = false;   // the library's material imposes it whatever the user asks
    float flow = 0.0f;          // Q : flow to carry [l/s]; 0 or less (or not a number): no size to choose
};

struct DrainageOutcome {
    float slope = 0.0f;                    // I : slope [cm/m]
    float fill = 0.0f;                     // f : fill ratio [-]
    float gamma = 0.0f;                    // gamma : Bazin coefficient [m^0.5]
    std::vector<DrainageFlow> capacities;  // one per size of the library, in its order, active or not
    // The choice for the flow: Sized, the smallest active size that carries it;
    // NotAvailable, none does (`size` is then the largest active size, -1 when
    // no active size has a capacity); NothingToSize, no flow given.
    SizingStatus status = SizingStatus::NothingToSize;
    int size = -1;          // index in the library
    float flow = 0.0f;      // Q : flow to carry [l/s]
    float capacity = 0.0f;  // Q_max : capacity of that size [l/s]
    float share = 0.0f;     // Q / Q_max [%]
};

DrainageOutcome SizeDrainage(const DrainageInputs& inputs, const PipeLibrary& library);
