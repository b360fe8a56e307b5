// The water engine with what the water tab can hand it. One field per line:
//   0 library (index among the delivered water libraries)
//   1 current size of the imposed mode (index)
//   2 sizes whose "active" flag the editor switched (indexes separated by blanks)
//   3 mode (list 5: 0, 1 or 2)
//   4 switches, any of: A antifreeze, O oversizing, C copy, P power entered
//   5 flow temperature, 6 return temperature (editable combos: any text)
//   7 antifreeze % (2 digits), 8 flow, 9 power (digits, or the program's own
//   "Infini" or "N/A" with digits typed in), 10 oversizing % (2 digits),
//   11 unused (the total power, which a run never reads),
//   12 limit track bar position (1 to 100)
#include <QStringList>
#include <algorithm>

#include "base/number_text.h"
#include "delivered_libraries.h"
#include "engines/water_sizing.h"
#include "engines/water_texts.h"
#include "fuzz_support.h"

namespace {

void CheckWaterText(const QString& text, int decimals, const char* what)
{
    FuzzCheck(!IsNotNumberText(text), what, text);
    CheckResultText(text, decimals, what);
}

void CheckResult(const WaterResultTexts& result, const WaterInputTexts& in, const PipeLibrary& library)
{
    if (result.flow && *result.flow != u"Infini")
        CheckWaterText(*result.flow, 0, "flow");
    for (const auto* power : {&result.power, &result.oversizingPower, &result.totalPower})
        if (*power)
            CheckWaterText(**power, 0, "power");
    if (result.size && *result.size != u"N/A") {
        bool listed = false;
        for (const PipeSize& size : library.sizes)
            listed = listed || size.name == *result.size;
        FuzzCheck(listed, "the size shown is one of the library", *result.size);
    }
    // 1 decimal in mode 0 and beyond the library, 2 otherwise.
    if (const auto& d = result.theoreticalDiameter) {
        const bool oneDecimal = in.mode == ModeMaxPressureDrop || (in.mode == ModeMaxVelocity && IsNumberText(*d, 1));
        CheckWaterText(*d, oneDecimal ? 1 : 2, "theoretical diameter");
    }
    if (result.velocity)
        CheckWaterText(*result.velocity, 2, "velocity");
    if (result.pressureDrop)
        CheckWaterText(*result.pressureDrop, 2, "pressure drop");
    FuzzCheck(!result.copy || in.copyOn, "copied only when asked");
    if (result.copy)
        for (const QString& text :
             {result.copyTexts.flow, result.copyTexts.power, result.copyTexts.pressureDrop, result.copyTexts.velocity})
            FuzzCheck(!IsNotNumberText(text), "copied text is a number", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> lines = FuzzLines(data, size);
    const PipeLibraryList& libraries = Delivered().water;
    FuzzCheck(!libraries.empty(), "delivered water libraries");
    PipeLibrary library = libraries[PositiveModulo(LeadingInteger(FuzzLine(lines, 0)), int(libraries.size()))];
    const int sizes = int(library.sizes.size());
    const int current = PositiveModulo(LeadingInteger(FuzzLine(lines, 1)), sizes);
    for (const QString& index : FuzzLine(lines, 2).split(u' ', Qt::SkipEmptyParts)) {
        uint8_t& active = library.sizes[PositiveModulo(LeadingInteger(index), sizes)].active;
        active = !active;
    }
    const QString switches = FuzzLine(lines, 4);
    const int mode = PositiveModulo(LeadingInteger(FuzzLine(lines, 3)), 3);
    const int position = int(std::clamp<int64_t>(LeadingInteger(FuzzLine(lines, 12)), 1, 100));

    WaterInputTexts in;
    in.mode = mode;
    in.antifreezeOn = switches.contains(u'A');
    in.oversizingOn = switches.contains(u'O');
    in.copyOn = switches.contains(u'C');
    in.entryMode = switches.contains(u'P') ? EntryMode::PowerEntered : EntryMode::FlowEntered;
    in.flowTemperature = FuzzLine(lines, 5);
    in.returnTemperature = FuzzLine(lines, 6);
    in.antifreezePercent = DigitsField(FuzzLine(lines, 7)).left(2);
    in.flow = DigitsField(FuzzLine(lines, 8));
    in.power = DigitsField(FuzzLine(lines, 9));
    in.oversizingPercent = DigitsField(FuzzLine(lines, 10)).left(2);
    in.limit = mode == ModeMaxVelocity ? DecimalText(float(position) / 10.0f, 2)
        : mode == ModeImposedSize      ? library.sizes[current].name
                                       : QString::number(position);

    WaterSizingInputs numbers = ParseWaterInputs(in);
    numbers.imposedSize = current;
    CheckResult(FormatWaterResult(SizeWater(numbers, &library), &library), in, library);
    return 0;
}
