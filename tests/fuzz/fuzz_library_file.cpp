// The library loader: any "*.tub" file loads, its short texts keep their
// capacity, and a library saved by the program loads back the same.
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "engines/library_files.h"
#include "fuzz_support.h"

namespace {

bool SameDecimal(float a, float b)  // six decimals are written
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    if (std::isinf(a) || std::isinf(b))
        return a == b;
    return std::fabs(a - b) <= 1e-6f + std::fabs(a) * 2e-7f;
}

void CheckSame(const PipeLibrary& a, const PipeLibrary& b)
{
    FuzzCheck(a.name == b.name, "library name", a.name);
    // Cut to 16 characters, then trimmed when read again: a cut that ends on a
    // blank loses that blank.
    FuzzCheck(WithoutTrailingBlanks(a.abbreviation) == b.abbreviation, "abbreviation", a.abbreviation);
    FuzzCheck(WithoutTrailingBlanks(a.symbol) == b.symbol, "symbol", a.symbol);
    FuzzCheck(SameDecimal(a.roughness, b.roughness), "roughness");
    FuzzCheck(a.sizes.size() == b.sizes.size(), "size count");
    for (size_t i = 0; i < a.sizes.size(); ++i) {
        const PipeSize& x = a.sizes[i];
        const PipeSize& y = b.sizes[i];
        FuzzCheck(x.name == y.name && x.active == y.active, "size name and flag", x.name);
        FuzzCheck(SameDecimal(x.outsideDiameter, y.outsideDiameter) && SameDecimal(x.insideDiameter, y.insideDiameter)
                      && SameDecimal(x.thickness, y.thickness),
                  "size diameters", x.name);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/Fuzz.tub");
    const QString savedPath = folder.path() + QStringLiteral("/Saved.tub");
    QFile file(path);
    FuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "test file");
    file.write(reinterpret_cast<const char*>(data), qsizetype(size));
    file.close();

    PipeLibraryList water, drainage;
    FuzzCheck(LoadLibraryFile(path, water, drainage) && water.size() == 1 && drainage.empty(),
              "a readable file loads as one water library");
    const PipeLibrary& loaded = water.front();
    FuzzCheck(loaded.abbreviation.size() <= 16 && loaded.symbol.size() <= 16, "texts within 16 characters");
    for (const PipeSize& s : loaded.sizes)
        FuzzCheck(s.name.size() <= 16, "size name within 16 characters", s.name);

    const uint8_t saved = SaveLibrary(savedPath, loaded);
    if (saved == LibraryReservedSizeName)
        return 0;
    FuzzCheck(saved == LibrarySaved, "library saved");
    FuzzCheck(LoadLibraryFile(savedPath, water, drainage) && water.size() == 2, "saved library loads");
    CheckSame(water[0], water[1]);
    return 0;
}
