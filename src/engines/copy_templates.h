#pragma once

#include <QString>

// One-line summaries of the last result, built from the user's templates
// (options tab) and put on the clipboard for pasting elsewhere.

// The water engine's result, each value already written as it is shown.
struct WaterCopyTexts {
    QString flow;          // whole number [L/h]
    QString power;         // whole number [W]
    QString size;          // designation of the chosen size
    QString pressureDrop;  // 2 decimals [mmCE/m]
    QString velocity;      // 2 decimals [m/s]
    QString symbol;        // the library's diameter symbol
    QString abbreviation;  // the library's material abbreviation
};

struct AirCopyTexts {
    QString flow;          // whole number [m3/h]
    QString size;          // "Ø125" or "400x200"
    QString pressureDrop;  // 2 decimals [Pa/m]
    QString velocity;      // 2 decimals [m/s]
};

// The drainage choice, each value already written as it is shown.
struct DrainageCopyTexts {
    QString flow;          // 2 decimals [l/s]
    QString size;          // designation of the chosen size
    QString share;         // whole number [%] of the size's capacity
    QString symbol;        // the library's diameter symbol
    QString abbreviation;  // the library's material abbreviation
};

// The drainage tab has no template field of its own: its summary always reads so.
inline constexpr const char* DrainageTemplate = "%d-%n.%c";

// The template with its variables replaced: every occurrence, case-sensitive,
// in the order %d %w %c %p %v %n (water) or %d %c %p %v (air), each working on
// the text the previous one left. Unknown variables stay as typed.
QString FillWaterTemplate(const QString& pattern, const WaterCopyTexts& texts);
QString FillAirTemplate(const QString& pattern, const AirCopyTexts& texts);
// %d %c %r %n, in that order.
QString FillDrainageTemplate(const QString& pattern, const DrainageCopyTexts& texts);
