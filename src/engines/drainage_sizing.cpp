#include "engines/drainage_sizing.h"

#include <cmath>

#include "engines/pipe_library.h"

namespace {

constexpr float HalfFull = 0.5f;         // f [-]
constexpr float SevenTenthsFull = 0.7f;  // f [-]
constexpr float CodeGamma = 0.16f;       // gamma : code roughness [m^0.5]
constexpr float SmoothGamma = 0.06f;     // gamma : smooth pipe [m^0.5]
constexpr double BazinConstant = 87.0;   // [m^0.5/s]

}  // namespace

float FillFraction(int fillType)
{
    return fillType == FillHalf ? HalfFull : SevenTenthsFull;
}

float SlopeAtPosition(int position)
{
    return static_cast<float>(position) / 2.0f;
}

float BazinCoefficient(bool codeImposed, bool codeRoughness)
{
    return codeImposed || codeRoughness ? CodeGamma : SmoothGamma;
}

DrainageFlow DrainageCapacity(float insideDiameter, float slope, float fill, float gamma)
{
    const double d = insideDiameter / 1000.0;  // D [m]
    // Half-angle of the wetted sector: depth f D from the bottom of a circle of radius D/2.
    const float alpha = static_cast<float>(std::acos(1.0 - 2.0 * fill));                         // alpha [rad]
    const float area = static_cast<float>(d * d / 4.0 * (alpha - std::sin(2.0 * alpha) / 2.0));  // A [m2]
    const float perimeter = static_cast<float>(alpha * d);                                       // P [m]
    const float rh = area / perimeter;                                                           // Rh [m]
    const double rootRh = std::sqrt(static_cast<double>(rh));                                    // [m^0.5]
    const double u = BazinConstant * rh * std::sqrt(slope / 100.0) / (gamma + rootRh);           // [m/s]
    const float q = static_cast<float>(area * u);                                                // Q [m3/s]
    DrainageFlow result;
    result.flow = q * 1000.0f;   // [l/s]
    result.velocity = q / area;  // [m/s]
    return result;
}

DrainageOutcome SizeDrainage(const DrainageInputs& inputs, const PipeLibrary& library)
{
    DrainageOutcome outcome;
    outcome.slope = SlopeAtPosition(inputs.slopePosition);
    outcome.fill = FillFraction(inputs.fillType);
    outcome.gamma = BazinCoefficient(inputs.codeImposed, inputs.codeRoughness);
    outcome.capacities.reserve(library.sizes.size());
    for (const PipeSize& size : library.sizes)
        outcome.capacities.push_back(DrainageCapacity(size.insideDiameter, outcome.slope, outcome.fill, outcome.gamma));
    return outcome;
}
