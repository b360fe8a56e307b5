#pragma once

#include <QString>

// How the sizing results are written into their fields.

// A whole number, halves rounded away from zero ("2317.5" -> "2318").
QString WholeNumberText(float value);

// A fixed number of decimals with "." as the point, whatever the user's locale.
QString DecimalText(float value, int decimals);

// A result that is not a finite number cannot be computed: "N/A" instead of
// "inf" or "nan". Decimals as DecimalText, or written as WholeNumberText.
constexpr int WholeNumber = -1;
QString ResultText(float value, int decimals);
