#pragma once

#include <QString>

#include "engines/water_sizing.h"

// The inputs of a section that lie outside the domain where the help's notes
// on the models vouch for them: French texts joined with " ; ", or an empty
// text. The section is sized all the same.

// Mean water temperature outside 0 to 100 degC; more than 50 % antifreeze,
// named as `antifreezeGiven` gives it.
QString WaterDomainWarning(const WaterSizingInputs& in, const QString& antifreezeGiven);

// Air temperature [degC] outside -20 to 60 degC, named as the user typed it;
// a rectangle of sides `sideA` by `sideB` [mm] (the duct shown; 0 when none)
// longer than 4 times its width.
QString AirDomainWarning(float temperature, const QString& temperatureText, float sideA, float sideB);
