#pragma once

#include <QString>
#include <cstdint>

// How the program reads numbers out of texts (controls, configuration and
// library values): leading blanks (space, tab) are skipped, "." is the decimal
// point whatever the user's locale, and a text that does not start with a
// number reads as 0.

// The leading decimal number: optional sign, digits, optional "." and digits,
// optional exponent ("e" or "E", optional sign, digits).
double LeadingDecimal(const QString& text);
// The same, rounded once to the nearest 32-bit float.
float LeadingFloat(const QString& text);
// A number the user typed: read as LeadingFloat, with "," as a decimal point
// too, since a French keyboard types the point as ",".
float TypedFloat(const QString& text);
// The leading whole number: optional sign and digits ("12.7" reads 12), held
// at the limits of the 64-bit range when longer.
int64_t LeadingInteger(const QString& text);

// At most `count` characters of the text (16-bit characters, so "é" or "Ø"
// count as one); a surrogate pair is never split: when the cut would fall
// inside one, the whole pair goes.
QString CutText(const QString& text, int count);

// How the program writes the results of its calculations into their fields.

// A whole number, halves rounded away from zero ("2317.5" -> "2318").
QString WholeNumberText(float value);

// A fixed number of decimals with "." as the point, whatever the user's locale.
QString DecimalText(float value, int decimals);

// A result that is not a finite number cannot be computed: "N/A" instead of
// "inf" or "nan". Decimals as DecimalText, or written as WholeNumberText.
constexpr int WholeNumber = -1;
QString ResultText(float value, int decimals);
