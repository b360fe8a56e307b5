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

float DesignFlow(float dischargeUnits, float frequency)
{
    return frequency * std::sqrt(dischargeUnits);
}

namespace {

// The smallest active size whose capacity is at least the flow; the largest
// active size when none is. Sizes are compared by inside diameter, the first
// of equal ones kept; a size without a capacity is never chosen.
void ChooseSize(DrainageOutcome& outcome, const PipeLibrary& library)
{
    int smallest = -1, largest = -1;
    for (size_t i = 0; i < library.sizes.size(); ++i) {
        const PipeSize& size = library.sizes[i];
        const float capacity = outcome.capacities[i].flow;  // [l/s]
        if (size.active == 0 || !std::isfinite(capacity))
            continue;
        const int index = static_cast<int>(i);
        if (largest < 0 || size.insideDiameter > library.sizes[largest].insideDiameter)
            largest = index;
        if (capacity >= outcome.flow && (smallest < 0 || size.insideDiameter < library.sizes[smallest].insideDiameter))
            smallest = index;
    }
    outcome.status = smallest >= 0 ? SizingStatus::Sized : SizingStatus::NotAvailable;
    outcome.size = smallest >= 0 ? smallest : largest;
    if (outcome.size >= 0) {
        outcome.capacity = outcome.capacities[outcome.size].flow;
        outcome.share = outcome.flow / outcome.capacity * 100.0f;
    }
}

}  // namespace

DrainageOutcome SizeDrainage(const DrainageInputs& inputs, const PipeLibrary& library)
{
    DrainageOutcome outcome;
    outcome.slope = SlopeAtPosition(inputs.slopePosition);
    outcome.fill = FillFraction(inputs.fillType);
    outcome.gamma = BazinCoefficient(inputs.codeImposed, inputs.codeRoughness);
    outcome.capacities.reserve(library.sizes.size());
    for (const PipeSize& size : library.sizes)
        outcome.capacities.push_back(DrainageCapacity(size.insideDiameter, outcome.slope, outcome.fill, outcome.gamma));
    if (inputs.flow > 0.0f) {
        outcome.flow = inputs.flow;
        ChooseSize(outcome, library);
    }
    return outcome;
}
