#include "calc/drainage_section.h"

#include <algorithm>

#include "engines/drainage_engine.h"
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
    section.fillType = s.FillType == FillHalf ? FillHalf : FillSevenTenths;
    section.slopePosition = std::clamp<int>(s.Pente, SlopeBarFirst, SlopeBarLast);
    int code = s.ConformDTU != 0 ? 1 : 0;
    const QString* fill = FindOption(options, "fill");
    const QString* slope = FindOption(options, "slope");
    const QString* roughness = FindOption(options, "code-roughness");
    if ((fill && !ReadChoice(QStringLiteral("fill"), *fill, FillWords, section.fillType, error))
        || (slope
            && !ReadBarPosition(QStringLiteral("slope"), *slope, SlopeBarFirst, SlopeBarLast, 2, 1, "cm/m",
                                section.slopePosition, error))
        || (roughness && !ReadChoice(QStringLiteral("code-roughness"), *roughness, YesNo, code, error)))
        return false;
    section.codeRoughness = code == 1;
    return true;
}

std::vector<CalcFields> SizeDrainageSection(const DomainState& data, const DrainageSection& section)
{
    const PipeLibrary& library = data.drainageLibraries[section.library];
    const float slope = SlopeAtPosition(section.slopePosition);                 // I [cm/m]
    const float fill = FillFraction(section.fillType);                          // f [-]
    const float gamma = BazinCoefficient(library.name, section.codeRoughness);  // [m^0.5]
    std::vector<CalcFields> rows;
    for (const PipeSize& size : library.sizes) {
        const QStringList cells = DrainageRow(size, slope, fill, gamma);
        CalcFields row;
        for (int column = 0; column < cells.size() && column < 5; ++column)
            row.push_back({QString::fromLatin1(RowNames[column]), cells[column]});
        rows.push_back(row);
    }
    return rows;
}
