#include "engines/drainage_texts.h"

#include <cmath>

#include "base/number_text.h"

namespace {

// A size whose diameter is 0, negative or not a number in its file has no
// capacity to show.
QString FigureText(float value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("N/A");
    return DecimalText(value, decimals);
}

}  // namespace

DrainageInputs ParseDrainageInputs(const DrainageTexts& texts)
{
    DrainageInputs inputs;
    inputs.fillType = texts.sevenTenths ? FillSevenTenths : FillHalf;
    inputs.slopePosition = texts.slopePosition;
    inputs.codeRoughness = texts.codeRoughness;
    inputs.codeImposed = CodeRoughnessImposed(texts.library);
    return inputs;
}

QString SlopeText(int position)
{
    return DecimalText(SlopeAtPosition(position), 1);
}

bool CodeRoughnessImposed(const QString& libraryName)
{
    return libraryName == QLatin1String("FONTE SMU");
}

const PipeLibrary* FindDrainageLibrary(const PipeLibraryList& libraries, const QString& name)
{
    for (const PipeLibrary& library : libraries)
        if (library.name == name)
            return &library;
    return nullptr;
}

QStringList DrainageRow(const PipeSize& size, const DrainageFlow& capacity)
{
    return {size.name, FigureText(capacity.flow, 2), FigureText(capacity.velocity, 2),
            FigureText(size.insideDiameter, 1), FigureText(size.outsideDiameter, 1)};
}

DrainageResultTexts FormatDrainageResult(const DrainageOutcome& outcome, const PipeLibrary& library)
{
    DrainageResultTexts texts;
    for (size_t i = 0; i < library.sizes.size() && i < outcome.capacities.size(); ++i)
        texts.rows.push_back(DrainageRow(library.sizes[i], outcome.capacities[i]));
    return texts;
}
