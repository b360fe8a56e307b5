#include "engines/duct_flow.h"

#include <cmath>

#include "physics/friction.h"

namespace {

constexpr float Pi = 3.1415927f;
constexpr float SecondsPerHour = 3600.0f;  // [s/h]
constexpr float MillimetresPerMetre = 1000.0f;

}  // namespace

float CircularDuctVelocity(float flow, float diameter)
{
    const float d = diameter / MillimetresPerMetre;           // [m]
    const float area = SecondsPerHour * Pi * (d * d) / 4.0f;  // section x 3600 [m2.s/h]
    return flow / area;
}

float RectangularDuctVelocity(float flow, float sideA, float sideB)
{
    const float section = (sideA / MillimetresPerMetre) * (sideB / MillimetresPerMetre);  // [m2]
    return flow / section / SecondsPerHour;
}

float HydraulicDiameter(float sideA, float sideB)
{
    return 2.0f * sideA * sideB / (sideA + sideB);
}

float EquivalentDiameter(float sideA, float sideB)
{
    return 1.3f * std::pow(sideA * sideB, 0.625f) / std::pow(sideA + sideB, 0.25f);
}

DuctFriction AirPressureDrop(float equivalent, float hydraulic, float velocity, float roughness, float viscosity,
                             float density)
{
    const float r = roughness / equivalent;                      // relative roughness [-]
    const float re = velocity * hydraulic * 0.001f / viscosity;  // Re [-]
    const float lambda = FrictionFactor(re, r);                  // [-]
    const float pressureDrop = lambda / (hydraulic * 0.001f) * (velocity * velocity) * density / 2.0f;  // [Pa/m]
    return {re, pressureDrop};
}
