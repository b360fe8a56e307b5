#include "physics/air_properties.h"

#include <cmath>

// Powers and exponentials are taken in float (the float overloads of std::pow
// and std::exp); the rest of each formula runs in double and is rounded once.

float AtmosphericPressure(float altitude)
{
    const double lapse = 2.25577f * static_cast<double>(std::pow(10.0f, -5.0f));  // 2.25577e-5 [1/m]
    const float base = static_cast<float>(1.0f - lapse * altitude);               // p/p0 ^ (1/5.25588) [-]
    return static_cast<float>(101325.0f * static_cast<double>(std::pow(base, 5.25588f)));
}

float MoistAirDensity(float t, float pressure, float humidity)
{
    const double a = 1.0f / ((static_cast<double>(t) + 273.15f) * 287.06f);  // 1/(R.T) [kg/J]
    const float magnus =
        static_cast<float>(17.5043f * static_cast<double>(t) / (static_cast<double>(t) + 241.2f));  // [-]
    const float e = std::exp(magnus);  // saturation vapour pressure over its 0 degC value [-]
    // vapour term: (1 - Rd/Rv) times the partial vapour pressure [Pa]
    const double vapour = static_cast<double>(humidity) / 100.0f * 230.617f * e;
    return static_cast<float>((pressure - vapour) * a);
}

float AirKinematicViscosity(float t, float density)
{
    const double c = 1.458f * static_cast<double>(std::pow(10.0f, -6.0f));                             // [Pa.s/K^0.5]
    const float tk = static_cast<float>(static_cast<double>(t) + 273.15f);                             // T [K]
    const float mu = static_cast<float>(c * std::pow(tk, 1.5f) / (static_cast<double>(t) + 383.55f));  // mu [Pa.s]
    return mu / density;
}
