#include "engines/water_texts.h"

#include "base/number_text.h"
#include "engines/pipe_library.h"

WaterSizingInputs ParseWaterInputs(const WaterInputTexts& texts)
{
    WaterSizingInputs in;
    in.flowTemperature = TypedFloat(texts.flowTemperature);
    in.returnTemperature = TypedFloat(texts.returnTemperature);
    in.antifreezeOn = texts.antifreezeOn;
    in.antifreezePercent = static_cast<int8_t>(LeadingInteger(texts.antifreezePercent));
    in.mode = texts.mode;
    in.entryMode = texts.entryMode;
    in.flow = LeadingFloat(texts.flow);
    in.power = LeadingFloat(texts.power);
    in.oversizingOn = texts.oversizingOn;
    in.oversizingPercent = LeadingFloat(texts.oversizingPercent);
    if (texts.mode == ModeMaxPressureDrop)
        in.limit = static_cast<int8_t>(LeadingInteger(texts.limit));
    else if (texts.mode == ModeMaxVelocity)
        in.limit = LeadingFloat(texts.limit);
    in.copyOn = texts.copyOn;
    return in;
}

WaterResultTexts FormatWaterResult(const WaterOutcome& outcome, const PipeLibrary* library)
{
    WaterResultTexts texts;
    const bool powerEntered = outcome.entryMode == EntryMode::PowerEntered;
    if (outcome.derived && powerEntered)
        texts.flow =
            outcome.status == SizingStatus::Infinite ? QStringLiteral("Infini") : ResultText(outcome.flow, WholeNumber);
    if (outcome.derived && !powerEntered)
        texts.power = ResultText(outcome.power, WholeNumber);
    if (outcome.oversized) {
        texts.oversizingPower = ResultText(outcome.oversizingPower, WholeNumber);
        texts.totalPower = ResultText(outcome.power, WholeNumber);
    }
    const QString na = QStringLiteral("N/A");
    switch (outcome.status) {
    case SizingStatus::Sized: {
        const PipeSize& size = library->sizes[outcome.size];
        texts.size = size.name;
        texts.theoreticalDiameter =
            DecimalText(outcome.theoreticalDiameter, outcome.mode == ModeMaxPressureDrop ? 1 : 2);
        texts.velocity = ResultText(outcome.velocity, 2);
        texts.pressureDrop = ResultText(outcome.gradient, 2);
        if (outcome.copy) {
            texts.copy = true;
            texts.copyTexts = {WholeNumberText(outcome.flow),
                               WholeNumberText(outcome.power),
                               size.name,
                               DecimalText(outcome.gradient, 2),
                               DecimalText(outcome.velocity, 2),
                               library->symbol,
                               library->abbreviation};
        }
        break;
    }
    case SizingStatus::NotAvailable:
    case SizingStatus::Infinite:
        texts.size = texts.velocity = texts.pressureDrop = na;
        if (outcome.diameter == WaterDiameterShown::NotAvailable)
            texts.theoreticalDiameter = na;
        else if (outcome.diameter == WaterDiameterShown::Shown)
            texts.theoreticalDiameter = ResultText(outcome.theoreticalDiameter, 1);
        break;
    case SizingStatus::NothingToSize:
        break;
    }
    return texts;
}
