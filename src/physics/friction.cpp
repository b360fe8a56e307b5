#include "physics/friction.h"

#include "physics/internal_data.h"

#include <cmath>

float FrictionFactor(float re, float roughness)
{
    if (!(re > 2320.0f))
        return 64.0f / re;

    double lambda = 0.3164f * static_cast<double>(std::pow(re, -0.25f));  // Blasius start [-]
    // Ten steps and no convergence test: ten settle Colebrook-White to float
    // precision over the turbulent range, and every call costs the same.
    for (int step = 0; step < 10; ++step) {
        const float s =
            static_cast<float>(static_cast<double>(roughness) / 3.71f + 2.51f / (re * std::sqrt(lambda)));  // [-]
        const float log10s = std::log10(s);                                                // float overload [-]
        const float y = static_cast<float>(1.0f / (-2.0f * static_cast<double>(log10s)));  // sqrt(lambda) [-]
        lambda = static_cast<float>(static_cast<double>(y) * y);
    }
    return static_cast<float>(lambda);
}

float WaterPressureGradient(float diameter, float velocity, float roughness, float viscosity, float density,
                            InternalDataRecord& data)
{
    const float r = roughness / diameter;  // relative roughness [-]
    const float re = static_cast<float>(static_cast<double>(velocity) * diameter * 0.001f / viscosity);  // Re [-]
    const float lambda = FrictionFactor(re, r);                                                          // lambda [-]
    const float v2 = velocity * velocity;                                                                // v^2 [m2/s2]
    const double j = lambda * (1.0f / (static_cast<double>(diameter) * 0.001f)) * v2
        * (static_cast<double>(density) / 2.0f) / 9.81f;  // [mmCE/m]
    data.reynolds = re;
    return static_cast<float>(j);
}
