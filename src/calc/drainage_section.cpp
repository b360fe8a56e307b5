#include "calc/drainage_section.h"

#include <algorithm>
#include <iterator>

#include "engines/drainage_texts.h"
#include "engines/library_files.h"

const char* const DrainageOptionNames[] = {"library", "fill",  "slope",     "code-roughness",
                                           "flow",    "units", "frequency", nullptr};

namespace {

const char* const FillWords[] = {"5", "7", nullptr};  // in FillRatio order
const char* const YesNo[] = {"no", "yes", nullptr};
const char* const RowNames[] = {"dn", "flow", "velocity", "inside_diameter", "outside_diameter"};

constexpr double LargestFlow = 1e5;   // [l/s]
constexpr double LargestUnits = 1e7;  // sum DU [-]

// The flow to choose a size for: given in l/s, or from the discharge units and
// the frequency factor as the tab writes it (2 decimals), or none.
bool ReadDesignFlow(const SectionOptions& options, DrainageSection& section, QString& error)
{
    const QString* flow = FindOption(options, "flow");
    const QString* units = FindOption(options, "units");
    const QString* frequency = FindOption(options, "frequency");
    if (flow && units) {
        error = QStringLiteral("flow, units : l'un ou l'autre, pas les deux");
        return false;
    }
    if (frequency && !units) {
        error = QStringLiteral("frequency : ne sert qu'avec units (la somme des DU)");
        return false;
    }
    double value = 0.0;
    if (flow) {
        if (!ReadDecimal(QStringLiteral("flow"), *flow, 0.01, LargestFlow, "l/s", value, error))
            return false;
        section.inputs.flow = FlowOfText(*flow);
    } else if (units) {
        if (!ReadDecimal(QStringLiteral("units"), *units, 0.1, LargestUnits, "DU", value, error))
            return false;
        float k = FrequencyFactors[0].k;  // [l/s per DU^0.5]
        if (frequency) {
            double given = 0.0;
            QStringList allowed;
            for (const FrequencyFactor& factor : FrequencyFactors)
                allowed << FrequencyText(factor.k);
            const QString message = QStringLiteral("frequency : « %1 » inconnu ; valeurs permises : %2")
                                        .arg(*frequency, allowed.join(u'|'));
            if (!ReadDecimal(QStringLiteral("frequency"), *frequency, 0.0, 10.0, "", given, error)) {
                error = message;
                return false;
            }
            const auto known = std::find_if(std::begin(FrequencyFactors), std::end(FrequencyFactors),
                                            [&](const FrequencyFactor& f) { return f.k == static_cast<float>(given); });
            if (known == std::end(FrequencyFactors)) {
                error = message;
                return false;
            }
            k = known->k;
        }
        section.inputs.flow = FlowOfText(DesignFlowText(*units, k));
    }
    section.choose = flow || units;
    return true;
}

}  // namespace

bool ReadDrainageSection(const DomainState& data, const SectionOptions& options, DrainageSection& section,
                         QString& error)
{
    section = DrainageSection();
    const Settings& s = data.settings;
    if (!CheckOptionNames(options, DrainageOptionNames, QStringLiteral("drainage"), error))
        return false;
    const QString* library = FindOption(options, "library");
    const QString name = library ? *library : s.EvacType;
    section.library = FindLibraryByName(data.drainageLibraries, name);
    if (section.library < 0) {
        error = UnknownNameMessage(QStringLiteral("library"), name, LibraryNames(data.drainageLibraries));
        return false;
    }
    DrainageInputs& in = section.inputs;
    in.fillType = s.FillType == FillHalf ? FillHalf : FillSevenTenths;
    in.slopePosition = std::clamp<int>(s.Pente, SlopeBarFirst, SlopeBarLast);
    int code = s.ConformDTU != 0 ? 1 : 0;
    const QString* fill = FindOption(options, "fill");
    const QString* slope = FindOption(options, "slope");
    const QString* roughness = FindOption(options, "code-roughness");
    if ((fill && !ReadChoice(QStringLiteral("fill"), *fill, FillWords, in.fillType, error))
        || (slope
            && !ReadBarPosition(QStringLiteral("slope"), *slope, SlopeBarFirst, SlopeBarLast, 2, 1, "cm/m",
                                in.slopePosition, error))
        || (roughness && !ReadChoice(QStringLiteral("code-roughness"), *roughness, YesNo, code, error)))
        return false;
    in.codeRoughness = code == 1;
    in.codeImposed = CodeRoughnessImposed(data.drainageLibraries[section.library].name);
    return ReadDesignFlow(options, section, error);
}

DrainageTable SizeDrainageSection(const DomainState& data, const DrainageSection& section)
{
    const PipeLibrary& library = data.drainageLibraries[section.library];
    const DrainageResultTexts texts = FormatDrainageResult(SizeDrainage(section.inputs, library), library);
    DrainageTable table;
    for (const QStringList& cells : texts.rows) {
        CalcFields row;
        for (int column = 0; column < cells.size() && column < 5; ++column)
            row.push_back({QString::fromLatin1(RowNames[column]), cells[column]});
        table.rows.push_back(row);
    }
    if (section.choose)
        table.choice = {{QStringLiteral("design_flow"), texts.designFlow},
                        {QStringLiteral("chosen_size"), texts.chosenSize},
                        {QStringLiteral("capacity"), texts.capacity},
                        {QStringLiteral("share"), texts.share}};
    return table;
}
