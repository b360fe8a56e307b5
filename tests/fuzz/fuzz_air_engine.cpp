// The air engine with what the air tab can hand it. One field per line:
//   0 mode (0, 1 or 2)
//   1 switches, any of: R rectangular, C copy
//   2 flow, 3 temperature, 4 humidity, 5 altitude (digits-only fields)
//   6 duct material (index in the table)
//   7 the roughness of "Autre" as typed
//   8 stored "RugoGaine" when not empty (the material's own roughness otherwise)
//   9 limit track bar position (1 to 100 for the pressure drop, to 200 for the velocity)
//  10 imposed diameter (an editable combo: any text)
//  11 side A, 12 side B (digits-only fields)
#include <algorithm>
#include <limits>

#include "base/number_text.h"
#include "engines/air_texts.h"
#include "engines/duct_tables.h"
#include "fuzz_support.h"

namespace {

float StoredDecimal(const QString& text)  // as the configuration reads a decimal
{
    if (text.compare(u"NaN", Qt::CaseInsensitive) == 0)
        return std::numeric_limits<float>::quiet_NaN();
    return LeadingFloat(text);
}

void CheckResult(const AirResult& result, const AirOutcome& outcome, const AirInputs& in)
{
    for (const auto& whole : {result.theoreticalDiameter, result.sideB, result.ductDiameter})
        if (whole)
            CheckResultText(*whole, 0, "duct size");
    for (const auto& figure : {result.velocity, result.pressureDrop})
        if (figure)
            CheckResultText(*figure, 2, "velocity or pressure drop");
    FuzzCheck(!result.copy || in.copyOn, "copied only when asked");
    FuzzCheck(!result.copy || AirStateUsable(outcome.air), "air without a positive density is not sized");
    if (result.copy) {
        FuzzCheck(!IsNotNumberText(result.copyTexts.size), "copied size is a number", result.copyTexts.size);
        CheckResultText(result.copyTexts.flow, 0, "copied flow");
        CheckResultText(result.copyTexts.pressureDrop, 2, "copied pressure drop");
        CheckResultText(result.copyTexts.velocity, 2, "copied velocity");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::vector<DuctMaterial> materials;
    static std::vector<int> diameters;  // [mm]
    if (materials.empty())
        FillDuctTables(materials, diameters);

    const QList<QByteArray> lines = FuzzLines(data, size);
    const int mode = PositiveModulo(LeadingInteger(FuzzLine(lines, 0)), 3);
    const QString switches = FuzzLine(lines, 1);
    const DuctMaterial& material = materials[PositiveModulo(LeadingInteger(FuzzLine(lines, 6)), int(materials.size()))];
    const int lastPosition = mode == AirModeMaxVelocity ? 200 : 100;
    const int position = int(std::clamp<int64_t>(LeadingInteger(FuzzLine(lines, 9)), 1, lastPosition));

    AirInputTexts in;
    in.mode = mode;
    in.rectangular = switches.contains(u'R');
    in.copyOn = switches.contains(u'C');
    in.flow = DigitsField(FuzzLine(lines, 2));
    in.temperature = DigitsField(FuzzLine(lines, 3));
    in.humidity = DigitsField(FuzzLine(lines, 4));
    in.altitude = DigitsField(FuzzLine(lines, 5));
    in.material = material.name;
    in.ownRoughness = StoredDecimal(FuzzLine(lines, 7));
    in.ductRoughness = FuzzLine(lines, 8).isEmpty() ? material.roughness : StoredDecimal(FuzzLine(lines, 8));
    in.limit = mode == AirModeImposedSize ? QStringLiteral("N/A") : DecimalText(float(position) / 10.0f, 2);
    in.imposedDiameter = FuzzLine(lines, 10);
    in.sideA = DigitsField(FuzzLine(lines, 11));
    in.sideB = DigitsField(FuzzLine(lines, 12));

    const AirInputs numbers = ParseAirInputs(in);
    const AirOutcome outcome = SizeAir(numbers, diameters);
    CheckResult(FormatAirResult(numbers, outcome), outcome, numbers);
    return 0;
}
