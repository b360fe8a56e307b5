#include "calc/drainage_section.h"

#include <algorithm>

#include "engines/drainage_texts.h"
#include "engines/library_files.h"

const char* const DrainageOptionNames[] = {"library", "fill", "slope", "code-roughness", nullptr};

namespace {

const char* const FillWords[] = {"5", "7", nullptr};  // in FillRatio order
const char* const YesNo[] = {"no", "yes", nullptr};
const char* const RowNames[] = {"dn", "flow", "velocity", "inside_diameter", "outside_diameter"};

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
    return true;
}

std::vector<CalcFields> SizeDrainageSection(const DomainState& data, const DrainageSection& section)
{
    const PipeLibrary& library = data.drainageLibraries[section.library];
    std::vector<CalcFields> rows;
    for (const QStringList& cells : FormatDrainageResult(SizeDrainage(section.inputs, library), library).rows) {
        CalcFields row;
        for (int column = 0; column < cells.size() && column < 5; ++column)
            row.push_back({QString::fromLatin1(RowNames[column]), cells[column]});
        rows.push_back(row);
    }
    return rows;
}
