#include <gtest/gtest.h>

#include "engines/fitting_terms.h"

namespace {

// A catalogue written here, so that the sums below depend on nothing else.
FittingCatalogue SmallCatalogue()
{
    const auto entry = [](const char* code, FittingType type, double value, FittingDomain domain) {
        Fitting f;
        f.code = QString::fromLatin1(code);
        f.type = type;
        f.value = value;
        f.domain = domain;
        return f;
    };
    FittingCatalogue catalogue;
    catalogue.fittings = {
        entry("coude90", FittingType::Zeta, 0.9, FittingDomain::Water),
        entry("te_derivation", FittingType::Zeta, 1.8, FittingDomain::Water),
        entry("vanne", FittingType::Zeta, 0.2, FittingDomain::Water),
        entry("vanne_eq", FittingType::Kv, 2.5, FittingDomain::Water),
        entry("te_passage", FittingType::Zeta, 0.6, FittingDomain::Water),
        entry("coude90", FittingType::Zeta, 0.15, FittingDomain::Air),
        entry("bouche", FittingType::FixedLoss, 50.0, FittingDomain::Air),
    };
    return catalogue;
}

enum class Cell { WaterFittings, AirFittings, Fixed };

// What each cell adds, or the start of its French message, which names its column.
TEST(FittingTerms, ReadTheFittingsAndFixedCells)
{
    const struct {
        Cell cell;
        const char* text;
        double zeta;             // sum n zeta [-]
        std::vector<double> kv;  // [m3/h]
        double pascals;          // dp terms, or the fixed cell [Pa]
        const char* error;       // nullptr: read
    } cases[] = {
        {Cell::WaterFittings, "", 0.0, {}, 0.0, nullptr},
        {Cell::WaterFittings, "coude90*4+te_derivation+vanne*2+0,5", 3.6 + 1.8 + 0.4 + 0.5, {}, 0.0, nullptr},
        {Cell::WaterFittings, "  COUDE90 * 2 +  0.25 ", 1.8 + 0.25, {}, 0.0, nullptr},
        {Cell::WaterFittings, "vanne_eq*2+coude90*999", 899.1, {2.5, 2.5}, 0.0, nullptr},
        {Cell::WaterFittings, "coude90*0", 0, {}, 0, "fittings : « coude90*0 » : nombre de 1 à 999"},
        {Cell::WaterFittings, "coude90*1000", 0, {}, 0, "fittings : « coude90*1000 » : nombre de 1 à 999"},
        {Cell::WaterFittings, "coude90++vanne", 0, {}, 0, "fittings : « coude90++vanne » : terme vide"},
        {Cell::WaterFittings, "coude45", 0, {}, 0, "fittings : « coude45 » n'est ni un code"},
        {Cell::WaterFittings, "bouche", 0, {}, 0, "fittings : « bouche » est une singularité de l'air"},
        {Cell::WaterFittings, "-0,5", 0, {}, 0, "fittings : « -0,5 » : un code"},
        {Cell::WaterFittings, "1,2,3", 0, {}, 0, "fittings : « 1,2,3 » : un code"},
        {Cell::AirFittings, "bouche*2+coude90", 0.15, {}, 100.0, nullptr},
        {Cell::AirFittings, "vanne_eq", 0, {}, 0, "fittings : « vanne_eq » est un Kv : seulement pour l'eau"},
        {Cell::AirFittings, "te_passage", 0, {}, 0, "fittings : « te_passage » est une singularité de l'eau"},
        {Cell::Fixed, "", 0, {}, 0.0, nullptr},
        {Cell::Fixed, "10kPa", 0, {}, 10000.0, nullptr},
        {Cell::Fixed, "0,5 mCE", 0, {}, 4905.0, nullptr},
        {Cell::Fixed, "25 mmce", 0, {}, 245.25, nullptr},
        {Cell::Fixed, " 120 Pa ", 0, {}, 120.0, nullptr},
        {Cell::Fixed, "10", 0, {}, 0, "fixed : « 10 » : unité manquante ; unités : Pa, kPa, mmCE ou mCE"},
        {Cell::Fixed, "10 bar", 0, {}, 0, "fixed : « 10 bar » : unité « bar » inconnue ; unités : Pa, kPa"},
        {Cell::Fixed, "-3 Pa", 0, {}, 0, "fixed : « -3 Pa » : un nombre positif et son unité attendus : Pa"},
        {Cell::Fixed, "kPa", 0, {}, 0, "fixed : « kPa » : un nombre positif"},
    };
    const FittingCatalogue catalogue = SmallCatalogue();
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        QString error;
        bool read = false;
        FittingTerms terms;
        double pascals = -1.0;
        if (c.cell == Cell::Fixed) {
            read = ReadFixedLoss(text, pascals, error);
        } else {
            const FittingDomain domain = c.cell == Cell::WaterFittings ? FittingDomain::Water : FittingDomain::Air;
            read = ReadFittingTerms(text, catalogue, domain, terms, error);
            pascals = terms.fixedLoss;
        }
        EXPECT_EQ(read, c.error == nullptr) << c.text << " " << error.toStdString();
        if (c.error) {
            EXPECT_TRUE(error.startsWith(QString::fromUtf8(c.error))) << c.text << " -> " << error.toStdString();
            continue;
        }
        EXPECT_NEAR(terms.zeta, c.zeta, 1e-9) << c.text;
        EXPECT_EQ(terms.kv, c.kv) << c.text;
        EXPECT_NEAR(pascals, c.pascals, 1e-9) << c.text;
    }
}

}  // namespace
