// The "fittings" and "fixed" cells of a circuit row, whatever is typed: a
// cell read gives finite sums that never go below zero, two fittings cells
// joined by "+" add up, letter case never changes a reading, and a refusal
// names its column.
#include <cmath>

#include "engines/fitting_terms.h"
#include "fuzz_support.h"

namespace {

const FittingCatalogue& Catalogue()
{
    static const FittingCatalogue catalogue = [] {
        const auto entry = [](const char* code, FittingType type, double value, FittingDomain domain) {
            Fitting f;
            f.code = QString::fromLatin1(code);
            f.type = type;
            f.value = value;  // zeta [-], Kv [m3/h] or dp [Pa]
            f.domain = domain;
            return f;
        };
        FittingCatalogue c;
        c.fittings = {entry("coude90", FittingType::Zeta, 0.9, FittingDomain::Water),
                      entry("vanne_eq", FittingType::Kv, 2.5, FittingDomain::Water),
                      entry("coude90", FittingType::Zeta, 0.15, FittingDomain::Air),
                      entry("filtre", FittingType::FixedLoss, 150.0, FittingDomain::Air)};
        return c;
    }();
    return catalogue;
}

bool Read(const QString& text, FittingDomain domain, FittingTerms& terms)
{
    QString error;
    const bool read = ReadFittingTerms(text, Catalogue(), domain, terms, error);
    FuzzCheck(read == error.isEmpty(), "an error exactly when refused", text);
    FuzzCheck(read || error.startsWith(QStringLiteral("fittings : ")), "a refusal names the fittings column", text);
    if (read) {
        FuzzCheck(std::isfinite(terms.zeta) && terms.zeta >= 0.0, "zeta finite, not negative", text);
        FuzzCheck(std::isfinite(terms.fixedLoss) && terms.fixedLoss >= 0.0, "fixed loss finite, not negative", text);
        for (double kv : terms.kv)
            FuzzCheck(kv > 0.0, "Kv positive", text);
        FuzzCheck(domain == FittingDomain::Water || terms.kv.empty(), "no Kv on air", text);
    }
    return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> lines = FuzzLines(data, size);
    const QString first = FuzzLine(lines, 0);
    const QString second = FuzzLine(lines, 1);
    for (const FittingDomain domain : {FittingDomain::Water, FittingDomain::Air}) {
        FittingTerms a, b, joined, upper;
        const bool readA = Read(first, domain, a);
        const bool readB = Read(second, domain, b);
        FuzzCheck(Read(first.toUpper(), domain, upper) == readA, "letter case changes nothing", first);
        if (readA && readB && !first.trimmed().isEmpty() && !second.trimmed().isEmpty()) {
            FuzzCheck(Read(first + u'+' + second, domain, joined), "two cells joined read", first);
            FuzzCheck(std::fabs(joined.zeta - (a.zeta + b.zeta)) <= 1e-9 * (1.0 + joined.zeta), "zeta adds up", first);
            FuzzCheck(joined.kv.size() == a.kv.size() + b.kv.size(), "Kv terms add up", first);
            FuzzCheck(joined.used.size() == a.used.size() + b.used.size(), "codes add up", first);
        }
    }

    QString error;
    double pascals = -1.0;  // [Pa]
    const bool read = ReadFixedLoss(first, pascals, error);
    FuzzCheck(read == error.isEmpty(), "fixed: an error exactly when refused", first);
    FuzzCheck(read ? std::isfinite(pascals) && pascals >= 0.0 : pascals == 0.0, "fixed loss finite, not negative",
              first);
    FuzzCheck(
        read
            || (error.startsWith(QStringLiteral("fixed : ")) && error.contains(QStringLiteral("Pa, kPa, mmCE ou mCE"))),
        "a refusal names the fixed column and its units", first);
    double upper = -1.0;  // [Pa]
    FuzzCheck(ReadFixedLoss(first.toUpper(), upper, error) == read && upper == pascals,
              "fixed: letter case changes nothing", first);
    return 0;
}
