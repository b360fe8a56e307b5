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

const FrequencyFactor FrequencyFactors[4] = {
    {0.5f, "logements, bureaux"},
    {0.7f, "hôpitaux, écoles, restaurants, hôtels"},
    {1.0f, "usage fréquent : sanitaires publics, douches"},
    {1.2f, "usage spécial : laboratoires"},
};

QString FrequencyText(float k)
{
    return DecimalText(k, 1);
}

QString FrequencyUses()
{
    QStringList lines;
    for (const FrequencyFactor& factor : FrequencyFactors)
        lines << QStringLiteral("K = %1 : %2").arg(FrequencyText(factor.k), QString::fromUtf8(factor.use));
    return lines.join(u'\n');
}

float FlowOfText(const QString& text)
{
    return LeadingFloat(QString(text).replace(u',', u'.'));
}

QString DesignFlowText(const QString& dischargeUnits, float frequency)
{
    if (dischargeUnits.trimmed().isEmpty())
        return QString();
    return ResultText(DesignFlow(FlowOfText(dischargeUnits), frequency), 2);
}

DrainageInputs ParseDrainageInputs(const DrainageTexts& texts)
{
    DrainageInputs inputs;
    inputs.fillType = texts.sevenTenths ? FillSevenTenths : FillHalf;
    inputs.slopePosition = texts.slopePosition;
    inputs.codeRoughness = texts.codeRoughness;
    inputs.codeImposed = CodeRoughnessImposed(texts.library);
    inputs.flow = FlowOfText(texts.flow);
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
    if (outcome.status == SizingStatus::NothingToSize)
        return texts;
    texts.designFlow = ResultText(outcome.flow, 2);
    const bool sized = outcome.status == SizingStatus::Sized;
    if (sized)
        texts.chosenSize = library.sizes[outcome.size].name;
    texts.capacity = outcome.size >= 0 ? ResultText(outcome.capacity, 2) : QStringLiteral("N/A");
    texts.share = outcome.size >= 0 ? ResultText(outcome.share, WholeNumber) : QStringLiteral("N/A");
    if (sized)
        texts.summary = QStringLiteral("%1 l/s : %2 %").arg(texts.capacity, texts.share);
    else if (outcome.size >= 0)
        texts.summary = QStringLiteral("Aucun : max %1").arg(texts.capacity);
    else
        texts.summary = QStringLiteral("Aucun diamètre");
    return texts;
}
