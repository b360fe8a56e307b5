#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "engines/delivered_libraries.h"
#include "engines/fittings_catalogue.h"
#include "support/scratch_files.h"

namespace {

const QString SourceData = QStringLiteral(VQ_SOURCE_DIR "/data/");

QByteArray CatalogueFile(const char* domain, const char* groups)
{
    return QByteArray("[Global]\r\nNom = Test\r\nDomaine = ") + domain + "\r\n" + groups;
}

QByteArray Zeta(const char* code, const char* value)
{
    return QByteArray("[") + code + "]\r\nLibelle = x\r\nType = zeta\r\nValeur = " + value + "\r\n";
}

// Which definition of a code a user sees: the user's folder over the
// delivered one for the same code and fluid, the first file by name within a
// folder; a group that cannot be used is left out and said.
TEST(FittingsCatalogue, UserCodesReplaceDeliveredOnesAndBadGroupsAreSkipped)
{
    struct File {
        const char* folder;  // "d" delivered, "u" user
        const char* name;
        QByteArray text;
    };
    const struct {
        const char* what;
        std::vector<File> files;
        FittingDomain domain;
        const char* code;
        double value;  // -1: not in the catalogue
        size_t fittings;
        const char* problem;  // the start of the only problem said; nullptr: none
    } cases[] = {
        {"user replaces delivered",
         {{"d", "a.pdc", CatalogueFile("eau", Zeta("coude90", "0.9"))},
          {"u", "z.pdc", CatalogueFile("eau", Zeta("Coude90", "1,1"))}},
         FittingDomain::Water,
         "COUDE90",
         1.1,
         1,
         nullptr},
        {"only in its own fluid",
         {{"d", "a.pdc", CatalogueFile("eau", Zeta("coude90", "0.9"))},
          {"u", "z.pdc", CatalogueFile("air", Zeta("coude90", "0.2"))}},
         FittingDomain::Water,
         "coude90",
         0.9,
         2,
         nullptr},
        {"first file by name wins",
         {{"d", "b.pdc", CatalogueFile("eau", Zeta("coude90", "2"))},
          {"d", "a.pdc", CatalogueFile("eau", Zeta("coude90", "1"))}},
         FittingDomain::Water,
         "coude90",
         1.0,
         1,
         nullptr},
        {"user codes are added",
         {{"d", "a.pdc", CatalogueFile("eau", Zeta("coude90", "0.9"))},
          {"u", "a.pdc", CatalogueFile("eau", Zeta("mon_coude", "3"))}},
         FittingDomain::Water,
         "mon_coude",
         3.0,
         2,
         nullptr},
        {"bad type skipped",
         {{"d", "a.pdc", CatalogueFile("eau", "[x]\r\nType = k\r\nValeur = 1\r\n" + Zeta("y", "1"))}},
         FittingDomain::Water,
         "x",
         -1,
         1,
         "a.pdc : [x] Type « k » inconnu"},
        {"bad code skipped",
         {{"u", "a.pdc", CatalogueFile("eau", Zeta("coude-90", "1") + Zeta("y", "1"))}},
         FittingDomain::Water,
         "y",
         1.0,
         1,
         "a.pdc : [coude-90] code invalide"},
        {"bad value skipped",
         {{"u", "a.pdc", CatalogueFile("eau", Zeta("x", "un"))}},
         FittingDomain::Water,
         "x",
         -1,
         0,
         "a.pdc : [x] Valeur « un »"},
        {"kv is water only",
         {{"d", "a.pdc", CatalogueFile("air", "[v]\r\nType = kv\r\nValeur = 2.5\r\n")}},
         FittingDomain::Air,
         "v",
         -1,
         0,
         "a.pdc : [v] Type kv : seulement pour l'eau"},
        {"a file without its fluid is skipped",
         {{"u", "a.pdc", CatalogueFile("gaz", Zeta("x", "1"))}},
         FittingDomain::Water,
         "x",
         -1,
         0,
         "a.pdc : [Global] Domaine « gaz » inconnu"},
        {"twice in one file",
         {{"d", "a.pdc", CatalogueFile("eau", Zeta("x", "1") + Zeta("X", "2"))}},
         FittingDomain::Water,
         "x",
         1.0,
         1,
         "a.pdc : [X] déjà défini"},
    };
    for (const auto& c : cases) {
        QTemporaryDir scratch;
        const QString delivered = scratch.filePath(QStringLiteral("d/")), user = scratch.filePath(QStringLiteral("u/"));
        for (const File& file : c.files)
            ASSERT_TRUE(WriteBytes(scratch.filePath(QString::fromLatin1(file.folder) + u'/' + file.name), file.text));
        QStringList problems;
        const FittingCatalogue catalogue = LoadFittingCatalogue(delivered, user, problems);
        const Fitting* fitting = FindFitting(catalogue, c.domain, QString::fromLatin1(c.code));
        EXPECT_EQ(fitting ? fitting->value : -1.0, c.value) << c.what;
        EXPECT_EQ(catalogue.fittings.size(), c.fittings) << c.what;
        EXPECT_EQ(problems.size(), c.problem ? 1 : 0) << c.what << " " << problems.join(u'|').toStdString();
        if (c.problem && !problems.isEmpty()) {
            EXPECT_TRUE(problems[0].startsWith(QString::fromUtf8(c.problem))) << problems[0].toStdString();
        }
    }
}

// The delivered files hold what their sources give, and their copy in the
// user's folder changes nothing.
TEST(FittingsCatalogue, DeliveredValuesAndSources)
{
    const struct {
        FittingDomain domain;
        FittingType type;
        const char* source;  // whole, or its start when `exact` is false
        bool exact;
        const char* values;  // code=value, zeta [-] or dp [Pa]
    } cases[] = {
        {FittingDomain::Water, FittingType::Zeta, "EPANET 2.2, manuel, tableau 3.3", true,
         "coude90=0.9 coude90m=0.8 coude90gr=0.6 coude45=0.4 te_passage=0.6 te_derivation=1.8 vanne=0.2 "
         "robinet_soupape=10 robinet_equerre=5 clapet=2.5 entree=0.5 sortie=1"},
        {FittingDomain::Air, FittingType::Zeta, "ASHRAE", false, "coude90=0.15 coude45=0.10 coude90_3s=0.34"},
        {FittingDomain::Air, FittingType::Zeta, "Rennels", false, "coude90_vif=1.2"},
        {FittingDomain::Air, FittingType::Zeta, "Crane", false, "entree=0.5 sortie=1"},
        {FittingDomain::Air, FittingType::FixedLoss,
         "ordre de grandeur de conception ; remplacer par la donnée du fabricant", true,
         "bouche=50 grille=50 filtre=150 batterie_chaude=80 batterie_froide=140 silencieux=50"},
    };
    QTemporaryDir scratch;
    ASSERT_GT(CopyDeliveredLibraries(SourceData, scratch.path(), nullptr, {QStringLiteral("*.pdc")}), 0);
    for (const QString& user : {QString(), scratch.path()}) {
        QStringList problems;
        const FittingCatalogue catalogue = LoadFittingCatalogue(SourceData, user, problems);
        EXPECT_EQ(problems, QStringList()) << user.toStdString();
        size_t listed = 0;
        for (const auto& c : cases) {
            const QString source = QString::fromUtf8(c.source);
            for (const QString& pair : QString::fromLatin1(c.values).split(u' ')) {
                ++listed;
                const QString code = pair.section(u'=', 0, 0);
                const Fitting* fitting = FindFitting(catalogue, c.domain, code);
                ASSERT_NE(fitting, nullptr) << pair.toStdString();
                EXPECT_EQ(fitting->type, c.type) << pair.toStdString();
                EXPECT_EQ(fitting->value, pair.section(u'=', 1).toDouble()) << pair.toStdString();
                EXPECT_FALSE(fitting->label.isEmpty()) << pair.toStdString();
                EXPECT_TRUE(c.exact ? fitting->source == source : fitting->source.startsWith(source))
                    << pair.toStdString() << " " << fitting->source.toStdString();
            }
        }
        EXPECT_EQ(catalogue.fittings.size(), listed) << user.toStdString();
    }
}

}  // namespace
