#pragma once

#include <QString>

// Text of label 151 as the window is built: "Rugosité = 0.16" / "Rugo. 0.16".
QString InitialRoughnessText(int layout);

// Text of label 151 showing the Bazin coefficient in use, for the given layout:
// "Rugosité : 0.16" (horizontal) or "Rugo.: 0.16" (vertical).
QString RoughnessText(float gamma, int layout);  // gamma : Bazin coefficient [m^0.5]

// The coefficient a label 151 text shows; 0 when it shows none.
float RoughnessShown(const QString& text);  // [m^0.5]
