#pragma once

#include <QString>

struct InternalDataRecord;

// The texts of the "Console" window: the fluid state behind the last water or
// air result, for an engineer who wants to check the figures a size rests on.

enum InternalDataDomain : int { InternalDataWater = 0, InternalDataAir = 1 };

// The kinematic viscosity with 10 decimals, trailing zeros and then a trailing
// point removed: 0.0000015 stays "0.0000015".
QString ViscosityText(float viscosity);

// The density [kg/m3] with 3 decimals and the Reynolds number with 2, as their lines show them.
QString DensityText(float density);
QString ReynoldsText(float reynolds);

// The whole text for a domain, lines ending with "\r\n".
QString InternalDataText(const InternalDataRecord& data, int domain);
