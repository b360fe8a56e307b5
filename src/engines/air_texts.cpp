#include "engines/air_texts.h"

#include "base/number_text.h"
#include "engines/duct_tables.h"

AirInputs ParseAirInputs(const AirInputTexts& texts)
{
    AirInputs in;
    in.temperature = LeadingFloat(texts.temperature);
    in.humidity = LeadingFloat(texts.humidity);
    in.altitude = LeadingFloat(texts.altitude);
    in.flow = LeadingFloat(texts.flow);
    in.roughness = texts.material == QLatin1String(OwnRoughnessMaterial) ? texts.ownRoughness : texts.ductRoughness;
    in.mode = texts.mode;
    in.rectangular = texts.rectangular;
    in.limit = LeadingFloat(texts.limit);
    in.imposedDiameter = LeadingFloat(texts.imposedDiameter);
    in.sideA = LeadingFloat(texts.sideA);
    in.sideB = LeadingFloat(texts.sideB);
    in.copyOn = texts.copyOn;
    return in;
}

AirResult FormatAirResult(const AirInputs& inputs, const AirOutcome& outcome)
{
    AirResult out;
    if (outcome.status == SizingStatus::NothingToSize)
        return out;
    const bool searching = inputs.mode == AirModeMaxPressureDrop || inputs.mode == AirModeMaxVelocity;
    const bool circularSearch = searching && !inputs.rectangular;
    if (outcome.status == SizingStatus::NotAvailable) {
        const QString na = QStringLiteral("N/A");
        if (circularSearch) {
            out.theoreticalDiameter =
                outcome.theoreticalDiameter > 0.0f ? WholeNumberText(outcome.theoreticalDiameter) : na;
            out.ductDiameter = na;
        } else if (searching) {
            out.sideB = na;
        }
        out.velocity = out.pressureDrop = na;
        return out;
    }

    QString size;
    if (circularSearch) {
        out.theoreticalDiameter = WholeNumberText(outcome.theoreticalDiameter);
        out.ductDiameter = WholeNumberText(outcome.diameter);
        size = QString::fromUtf8("Ø") + *out.ductDiameter;
    } else if (inputs.rectangular) {
        const QString sideB = DecimalText(outcome.sideB, 0);
        if (searching)
            out.sideB = sideB;
        size = DecimalText(outcome.sideA, 0) + QStringLiteral("x") + sideB;
    } else {
        size = QString::fromUtf8("Ø") + DecimalText(outcome.diameter, 0);
    }
    out.velocity = ResultText(outcome.velocity, 2);
    out.pressureDrop = ResultText(outcome.pressureDrop, 2);
    if (outcome.status != SizingStatus::Sized || !inputs.copyOn)
        return out;
    out.copy = true;
    out.copyTexts = {WholeNumberText(inputs.flow), size, DecimalText(outcome.pressureDrop, 2),
                     DecimalText(outcome.velocity, 2)};
    return out;
}
