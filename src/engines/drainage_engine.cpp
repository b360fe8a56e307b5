#include "engines/drainage_engine.h"

#include <cmath>

#include "base/number_text.h"

namespace {

constexpr float HalfFull = 0.5f;         // f [-]
constexpr float SevenTenthsFull = 0.7f;  // f [-]
constexpr float CodeGamma = 0.16f;       // gamma : code roughness [m^0.5]
constexpr float SmoothGamma = 0.06f;     // gamma : smooth pipe [m^0.5]
constexpr double BazinConstant = 87.0;   // [m^0.5/s]

// A size whose diameter is 0, negative or not a number in its file has no
// capacity to show.
QString FigureText(float value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("N/A");
    return DecimalText(value, decimals);
}

}  // namespace

float FillFraction(int fillType)
{
    return fillType == FillHalf ? HalfFull : SevenTenthsFull;
}

float SlopeAtPosition(int position)
{
    return static_cast<float>(position) / 2.0f;
}

QString SlopeText(int position)
{
    return DecimalText(SlopeAtPosition(position), 1);
}

bool CodeRoughnessImposed(const QString& libraryName)
{
    return libraryName == QLatin1String("FONTE SMU");
}

float BazinCoefficient(const QString& libraryName, bool codeRoughness)
{
    return CodeRoughnessImposed(libraryName) || codeRoughness ? CodeGamma : SmoothGamma;
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

const PipeLibrary* FindDrainageLibrary(const PipeLibraryList& libraries, const QString& name)
{
    for (const PipeLibrary& library : libraries)
        if (library.name == name)
            return &library;
    return nullptr;
}

QStringList DrainageRow(const PipeSize& size, float slope, float fill, float gamma)
{
    const DrainageFlow capacity = DrainageCapacity(size.insideDiameter, slope, fill, gamma);
    return {size.name, FigureText(capacity.flow, 2), FigureText(capacity.velocity, 2),
            FigureText(size.insideDiameter, 1), FigureText(size.outsideDiameter, 1)};
}
