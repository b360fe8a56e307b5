#include "engines/domain_warnings.h"

#include <QStringList>
#include <algorithm>

#include "base/number_text.h"

namespace {

constexpr float LowestWater = 0.0f, HighestWater = 100.0f;  // mean temperature [degC]
constexpr int64_t MostAntifreeze = 50;                      // [%]
constexpr float LowestAir = -20.0f, HighestAir = 60.0f;     // [degC]
constexpr float LongestSide = 4.0f;                         // over the shortest [-]

QString Join(const QStringList& warnings)
{
    return warnings.join(QStringLiteral(" ; "));
}

}  // namespace

QString WaterDomainWarning(const WaterSizingInputs& in, const QString& antifreezeGiven)
{
    QStringList warnings;
    // The properties are taken at the mean of the two temperatures.
    const float mean = (in.flowTemperature + in.returnTemperature) / 2.0f;  // [degC]
    if (mean < LowestWater || mean > HighestWater)
        warnings << QString::fromUtf8("température moyenne de l'eau %1 °C hors du domaine conseillé (0 à 100 °C)")
                        .arg(QString::number(mean));
    if (in.antifreezeOn && in.antifreezePercent > MostAntifreeze)
        warnings << QString::fromUtf8("antigel %1 % au-delà des 50 % conseillés").arg(antifreezeGiven);
    return Join(warnings);
}

QString AirDomainWarning(float temperature, const QString& temperatureText, float sideA, float sideB)
{
    QStringList warnings;
    if (temperature < LowestAir || temperature > HighestAir)
        warnings << QString::fromUtf8("température de l'air %1 °C hors du domaine conseillé (-20 à 60 °C)")
                        .arg(temperatureText);
    const float shortest = std::min(sideA, sideB), longest = std::max(sideA, sideB);  // [mm]
    if (shortest > 0.0f && longest > LongestSide * shortest)
        warnings << QString::fromUtf8("gaine %1x%2 : rapport des côtés au-delà des 4:1 conseillés")
                        .arg(DecimalText(sideA, 0), DecimalText(sideB, 0));
    return Join(warnings);
}
