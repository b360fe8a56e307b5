// Copy-template substitution with any template and any result texts: a
// template without "%" is copied as it is, and two templates joined by a
// character that no variable contains fill as the two filled apart.
#include "engines/copy_templates.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> lines = FuzzLines(data, size);
    const QString first = FuzzLine(lines, 0);
    const QString second = FuzzLine(lines, 1);
    const WaterCopyTexts water{FuzzLine(lines, 2), FuzzLine(lines, 3), FuzzLine(lines, 4), FuzzLine(lines, 5),
                               FuzzLine(lines, 6), FuzzLine(lines, 7), FuzzLine(lines, 8)};
    const AirCopyTexts air{water.flow, water.size, water.pressureDrop, water.velocity};
    const QString joined = first + u'|' + second;

    const QString filled = FillWaterTemplate(joined, water);
    FuzzCheck(filled == FillWaterTemplate(first, water) + u'|' + FillWaterTemplate(second, water),
              "water template fills piece by piece", joined);
    FuzzCheck(FillAirTemplate(joined, air) == FillAirTemplate(first, air) + u'|' + FillAirTemplate(second, air),
              "air template fills piece by piece", joined);
    if (!joined.contains(u'%')) {
        FuzzCheck(filled == joined, "water template without variables unchanged", joined);
        FuzzCheck(FillAirTemplate(joined, air) == joined, "air template without variables unchanged", joined);
    }
    return 0;
}
