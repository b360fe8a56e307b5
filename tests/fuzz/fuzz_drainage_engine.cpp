// The drainage capacity rows with what the drainage tab can hand them. One
// field per line:
//   0 library (index among the delivered drainage libraries)
//   1 "FillType" (0 is 5/10, anything else 7/10)
//   2 slope position (1 to 10)
//   3 code roughness asked (0 no, anything else yes)
//   4 and on: extra sizes as a library file may hold them: "DiamInt DiamExt"
#include <QStringList>
#include <algorithm>

#include "base/number_text.h"
#include "delivered_libraries.h"
#include "engines/drainage_texts.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> lines = FuzzLines(data, size);
    const PipeLibraryList& libraries = Delivered().drainage;
    FuzzCheck(!libraries.empty(), "delivered drainage libraries");
    PipeLibrary library = libraries[PositiveModulo(LeadingInteger(FuzzLine(lines, 0)), int(libraries.size()))];
    DrainageInputs inputs;
    inputs.fillType = int(LeadingInteger(FuzzLine(lines, 1)) & 0xFF);
    const int position = int(std::clamp<int64_t>(LeadingInteger(FuzzLine(lines, 2)), SlopeBarFirst, SlopeBarLast));
    inputs.slopePosition = position;
    inputs.codeRoughness = LeadingInteger(FuzzLine(lines, 3)) != 0;
    inputs.codeImposed = CodeRoughnessImposed(library.name);
    for (int i = 4; i < lines.size() && i < 64; ++i) {
        const QStringList diameters = FuzzLine(lines, i).split(u' ', Qt::SkipEmptyParts);
        PipeSize extra;
        extra.name = QString::number(i);
        extra.insideDiameter = LeadingFloat(diameters.value(0));
        extra.outsideDiameter = LeadingFloat(diameters.value(1));
        library.sizes.push_back(extra);
    }

    FuzzCheck(IsNumberText(SlopeText(position), 1), "slope text", SlopeText(position));
    const std::vector<QStringList> rows = FormatDrainageResult(SizeDrainage(inputs, library), library).rows;
    FuzzCheck(rows.size() == library.sizes.size(), "one row per size");
    for (size_t i = 0; i < rows.size(); ++i) {
        const PipeSize& pipe = library.sizes[i];
        const QStringList& row = rows[i];
        FuzzCheck(row.size() == 5 && row[0] == pipe.name, "a row of five columns, the name first");
        CheckResultText(row[1], 2, "flow");
        CheckResultText(row[2], 2, "velocity");
        CheckResultText(row[3], 1, "inside diameter");
        CheckResultText(row[4], 1, "outside diameter");
        if (pipe.insideDiameter > 0.0f && row[1] != u"N/A")
            FuzzCheck(!row[1].startsWith(u'-') && !row[2].startsWith(u'-'), "a pipe carries a positive flow", row[1]);
    }
    return 0;
}
