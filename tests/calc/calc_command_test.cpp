#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "calc/calc_command.h"
#include "support/scratch_files.h"

namespace {

// The delivered libraries and configuration, whatever the user's data folder holds.
class CalcCommandTest : public testing::Test {
protected:
    QTemporaryDir home;
    void SetUp() override { qputenv("XDG_DATA_HOME", home.path().toUtf8()); }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }
};

// A JSON value holds what `part` names: the same texts under the same keys,
// whatever their order, the first elements of an array.
bool Holds(const QJsonValue& value, const QJsonValue& part)
{
    if (part.isObject()) {
        const QJsonObject object = part.toObject();
        for (auto member = object.begin(); member != object.end(); ++member)
            if (!value.isObject() || !Holds(value.toObject().value(member.key()), member.value()))
                return false;
        return true;
    }
    if (part.isArray()) {
        const QJsonArray array = part.toArray();
        for (qsizetype i = 0; i < array.size(); ++i)
            if (!value.isArray() || !Holds(value.toArray().at(i), array.at(i)))
                return false;
        return true;
    }
    return value == part;
}

// One line of `out`, a JSON object, holds the object `part`.
bool JsonLineHolds(const QByteArray& out, const char* part)
{
    const QJsonValue expected = QJsonDocument::fromJson(part).object();
    if (expected.toObject().isEmpty())
        return false;  // a mistyped expectation would hold everywhere
    for (const QByteArray& line : out.split('\n'))
        if (const QJsonDocument document = QJsonDocument::fromJson(line);
            document.isObject() && Holds(document.object(), expected))
            return true;
    return false;
}

// A section's message or a schedule's rows, and the exit status.
TEST_F(CalcCommandTest, AnswersEachCommandWithItsTextAndStatus)
{
    const QByteArray good = "id;kind;library;flow;mode;limit;shape;side-a\n"
                            "R1;water;Cuivre;1000;;;;\nG1;air;;2000;vitesse;3,5;rect;400\n";
    const QByteArray circuit = "id;upstream;flow;length\nT1;;;2\nR1;T1;1000;3\n";
    const QByteArray bad = "id,kind,flow,limit\nR1,water,1000,\nR2,water,abc,\nR3,air,,25\n";
    const struct {
        QStringList args;  // "FILE" stands for the schedule
        QByteArray schedule;
        int status;
        const char* out;  // expected in the output, UTF-8
        const char* err;  // expected in the messages
    } cases[] = {
        {{"water", "--library", "Cuivre", "--flow", "1000"}, {}, CalcDone, "Diamètre            28\n", ""},
        {{"water", "--flow=1000", "--json"}, {}, CalcDone, "{\"flow\":\"1000\",\"power\":\"23175\"}", ""},
        {{"air", "--shape", "rect", "--side-a", "400", "--flow", "2000", "--json"},
         {},
         CalcDone,
         "{\"size\":\"400x300\",\"velocity\":\"4.63\",\"pressure_drop\":\"0.74\",\"copy\":\"2000m3/h-400x300\"}",
         ""},
        {{"drainage", "--library", "PVC", "--json"},
         {},
         CalcDone,
         "{\"library\":\"PVC\",\"rows\":[{\"dn\":\"32\"}]}",
         ""},
        {{"water", "--library", "Fer"}, {}, CalcRefused, "", "disponibles : Acier, Cuivre, Inox, Multicouche, PER"},
        {{"water", "--mode", "vitesse", "--limit", "0.15"},
         {},
         CalcRefused,
         "",
         "limit : « 0.15 » n'est pas proposé ; valeurs permises de 0.10 à 10.00 m/s par pas de 0.10"},
        {{"water", "--limit", "101"}, {}, CalcRefused, "", "de 1 à 100 mmCE/m par pas de 1"},
        {{"air", "--mode", "vitesse", "--limit", "20.5"}, {}, CalcRefused, "", "de 0.10 à 20.00 m/s"},
        {{"drainage", "--slope", "0.7"}, {}, CalcRefused, "", "de 0.5 à 5.0 cm/m par pas de 0.5"},
        // PVC at 2.0 cm/m, 5/10, code roughness, by hand: 90 (inactive) 2.35 l/s, 100 (94 mm inside) 3.20,
        // 315 (299.6 mm) 74.90. 0.5 x sqrt(24) = 2.45 l/s, 2.45 / 3.2023 = 77 %.
        {{"drainage", "--library", "PVC", "--units", "24", "--frequency", "0.5", "--json"},
         {},
         CalcDone,
         "{\"library\":\"PVC\",\"design_flow\":\"2.45\",\"chosen_size\":\"100\",\"capacity\":\"3.20\","
         "\"share\":\"77\"}",
         ""},
        {{"drainage", "--library", "PVC", "--flow", "2,5"},
         {},
         CalcDone,
         "Débit de calcul     2.50 l/s\nDiamètre choisi     100\nCapacité            3.20 l/s\n"
         "Taux d'utilisation  78 %\n",
         ""},
        {{"drainage", "--library", "PVC", "--flow", "100", "--json"},
         {},
         CalcDone,
         "{\"design_flow\":\"100.00\",\"chosen_size\":\"\",\"capacity\":\"74.90\",\"share\":\"134\"}",
         ""},
        {{"drainage", "--flow", "1", "--units", "4"}, {}, CalcRefused, "", "flow, units : l'un ou l'autre"},
        {{"drainage", "--units", "4", "--frequency", "0.6"}, {}, CalcRefused, "", "valeurs permises : 0.5|0.7|1.0|1.2"},
        {{"drainage", "--frequency", "0.7"}, {}, CalcRefused, "", "frequency : ne sert qu'avec units"},
        {{"drainage", "--flow", "0"}, {}, CalcRefused, "", "flow : « 0 » hors limites"},
        {{"batch", "FILE"},
         "id;kind;library;units;frequency\nD1;drainage;PVC;9;1.0\nD2;drainage;PVC;;\n",
         CalcRefused,
         "D1;drainage;PVC;9;1.0;;;;;;;;;;;;;;3.00;100;3.20;94;",
         "ligne 3 : flow, units : manquants"},
        {{"water", "--flow", "12a"}, {}, CalcRefused, "", "flow : « 12a » n'est pas un nombre entier"},
        {{"water", "--flow", "1", "--power", "2"}, {}, CalcRefused, "", "l'un ou l'autre"},
        {{"water", "--oversize", "10"}, {}, CalcRefused, "", "oversize : seulement avec power"},
        {{"water", "--mode", "dn", "--size", "99"},
         {},
         CalcRefused,
         "",
         "size : « 99 » inconnu ; disponibles : 10, 15"},
        {{"air", "--material", "Bois"}, {}, CalcRefused, "", "disponibles : Galva., Plastique"},
        // What the window computes with: decimal temperatures (4.5 K: 4500 / 0.863 W), a decimal diameter.
        {{"water", "--library", "Cuivre", "--flow", "1000", "--supply", "7,5", "--return", "12", "--json"},
         {},
         CalcDone,
         "{\"power\":\"5214\"}",
         ""},
        {{"air", "--mode", "dn", "--diameter", "127.4", "--flow", "100", "--json"},
         {},
         CalcDone,
         "{\"size\":\"127.4\",\"velocity\":\"2.18\"}",
         ""},
        // Winter air, worked out by hand: 1.392 kg/m3, 125 mm at 0.78 Pa/m.
        {{"air", "--temp", "-20", "--flow", "100", "--json"},
         {},
         CalcDone,
         "{\"size\":\"125\",\"velocity\":\"2.26\",\"pressure_drop\":\"0.78\",\"copy\":\"100m3/h-Ø125\","
         "\"density\":\"1.392\"}",
         ""},
        {{"air", "--temp", "151", "--flow", "100"},
         {},
         CalcRefused,
         "",
         "« 151 » hors limites ; nombre de -50 à 150 °C"},
        {{"air", "--temp", "150", "--humidity", "100", "--altitude", "0", "--flow", "100"},
         {},
         CalcRefused,
         "",
         "temp, humidity : à 150 °C et 100 % d'humidité"},
        {{"water", "--library", "Cuivre"}, {}, CalcRefused, "", "flow, power : manquants"},
        {{"air", "--shape", "circ"}, {}, CalcRefused, "", "flow : manquant"},
        {{"water", "--mode", "dn", "--flow", "100"},
         {},
         CalcRefused,
         "",
         "size : manquant en mode dn ; disponibles : 10, 15"},
        {{"air", "--mode", "dn", "--flow", "100"}, {}, CalcRefused, "", "diameter : manquant en forme circ, mode dn"},
        {{"air", "--shape", "rect", "--flow", "100"}, {}, CalcRefused, "", "side-a : manquant en forme rect"},
        // Inputs outside the models' domain are sized, with a warning.
        {{"air", "--shape", "rect", "--mode", "dn", "--side-a", "100", "--side-b", "2100", "--flow", "1000", "--temp",
          "-30", "--json"},
         {},
         CalcDone,
         "{\"warning\":\"température de l'air -30 °C hors du domaine conseillé (-20 à 60 °C) ; gaine 100x2100 : "
         "rapport des côtés au-delà des 4:1 conseillés\"}",
         ""},
        {{"water", "--flow", "1000", "--supply", "110", "--return", "100", "--antifreeze", "60", "--json"},
         {},
         CalcDone,
         "{\"warning\":\"température moyenne de l'eau 105 °C hors du domaine conseillé (0 à 100 °C) ; antigel 60 % "
         "au-delà des 50 % conseillés\"}",
         ""},
        {{"water", "--temp", "20"}, {}, CalcUsage, "", "temp : option inconnue pour water"},
        {{"water", "--flow"}, {}, CalcUsage, "", "--flow : valeur manquante"},
        {{"pump"}, {}, CalcUsage, "", "commande inconnue « pump »"},
        {{"water", "--data-dir", "/nowhere"}, {}, CalcUnreadable, "", "dossier illisible"},
        {{"batch", "/nowhere.csv"}, {}, CalcUnreadable, "", "fichier illisible"},
        {{"--version"}, {}, CalcDone, "vorquil-calc (Vorquil III) 3.1.09\n", ""},
        {{"--help"}, {}, CalcDone, "batch FICHIER.csv [-o SORTIE.csv]", ""},
        {{"batch", "FILE"}, good, CalcDone, "R1;water;Cuivre;1000;;;;;23175;;;28;23.9;0.52;11.98;1000L/h-Cu.Ø28;", ""},
        {{"batch", "FILE", "--json"}, good, CalcDone, "{\"id\":\"G1\",\"kind\":\"air\"}", ""},
        {{"batch", "FILE"},
         bad,
         CalcRefused,
         "R2,water,abc,,,,,,,,,,,,,,flow : « abc » n'est pas un nombre entier",
         "ligne 4 : limit : « 25 » n'est pas proposé"},
        {{"batch", "FILE"}, "kind,colour\n", CalcRefused, "", "colonne inconnue « colour »"},
        {{"batch", "FILE"},
         "kind;flow\nwater;\n",
         CalcRefused,
         "water;;;;;;;;;;;;;;\"flow, power : manquants ;",
         "ligne 2 : flow, power : manquants"},
        {{"batch", "FILE", "-o", "FILE"}, good, CalcUsage, "", "la sortie remplacerait le fichier lu"},
        // A trunk sized on its end's flow, the command line filling the empty cells (kind too), then the summary.
        {{"circuit", "FILE", "--library", "Cuivre", "--kind", "water"},
         circuit,
         CalcDone,
         "T1;;1000;2;23175;;;28;",
         ""},
        {{"circuit", "FILE", "--kind", "water", "--library", "Cuivre"},
         circuit,
         CalcDone,
         "\nChemin               T1 > R1\n",
         ""},
        {{"circuit", "FILE", "--library", "Cuivre", "--kind", "water", "--json"},
         circuit,
         CalcDone,
         "{\"rows\":[{\"id\":\"T1\",\"flow\":\"1000\",\"index\":\"1\"}],"
         "\"circuits\":[{\"root\":\"T1\",\"index_end\":\"R1\",\"path\":[\"T1\",\"R1\"]}]}",
         ""},
        {{"circuit", "FILE", "--fill", "5"}, circuit, CalcUsage, "", "fill : option inconnue pour circuit"},
        {{"circuit", "FILE", "--flow", "500"}, circuit, CalcUsage, "", "--flow : le débit ou la puissance"},
        {{"circuit"}, {}, CalcUsage, "", "commande incomplète"},
        {{"circuit", "/nowhere.csv"}, {}, CalcUnreadable, "", "fichier illisible"},
    };
    for (const auto& c : cases) {
        QStringList args = c.args;
        const QString path = home.filePath(QStringLiteral("schedule.csv"));
        ASSERT_TRUE(WriteBytes(path, c.schedule));
        args.replaceInStrings(QStringLiteral("FILE"), path);
        QBuffer out, err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        SCOPED_TRACE(args.join(u' ').toStdString());
        EXPECT_EQ(RunCalc(args, out, err), c.status) << err.data().toStdString();
        EXPECT_TRUE(*c.out == '{' ? JsonLineHolds(out.data(), c.out) : out.data().contains(c.out))
            << out.data().toStdString();
        EXPECT_TRUE(err.data().contains(c.err)) << err.data().toStdString();
        EXPECT_EQ(ReadBytes(path), c.schedule);
    }
}

// The table leaves out what says nothing: a unit after a text that is no
// number, the powers of an oversizing that is off, a warning within the domain.
TEST_F(CalcCommandTest, TheTableLeavesOutWhatSaysNothing)
{
    const struct {
        QStringList args;
        const char* shown;
        const char* absent;
    } cases[] = {
        {{"water", "--power", "1000", "--supply", "70", "--return", "70"},
         "Débit               Infini\n",
         "Infini L/h"},
        {{"water", "--power", "1000", "--supply", "70", "--return", "70"}, "Diamètre théorique  N/A\n", "N/A mm"},
        {{"water", "--power", "10000", "--oversize", "10"}, "Puissance totale    11000 W\n", "N/A"},
        {{"water", "--flow", "1000"}, "Puissance           23175 W\n", "Puissance totale"},
        {{"water", "--power", "1000"}, "Puissance           1000 W\n", "Surpuissance"},
        {{"air", "--shape", "rect", "--mode", "dn", "--side-a", "100", "--side-b", "400", "--flow", "1000"},
         "Diamètre         100x400\n",
         "Avertissement"},
    };
    for (const auto& c : cases) {
        QBuffer out, err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        EXPECT_EQ(RunCalc(c.args, out, err), CalcDone) << err.data().toStdString();
        const QString table = QString::fromUtf8(out.data());
        EXPECT_TRUE(table.contains(QString::fromUtf8(c.shown))) << table.toStdString();
        EXPECT_FALSE(table.contains(QString::fromUtf8(c.absent))) << table.toStdString();
    }
}

// -o replaces an earlier output only with a whole new one.
TEST_F(CalcCommandTest, OutputFileIsReplacedOnlyByAWholeResult)
{
    const QByteArray earlier = "earlier results\n";
    const struct {
        QByteArray schedule;
        int status;
        const char* output;  // what the output file then starts with
    } cases[] = {
        {"kind,colour\nwater,red\n", CalcRefused, "earlier results\n"},
        {"kind,flow\nwater,1000\n", CalcDone, "kind,flow,"},
    };
    for (const auto& c : cases) {
        const QString schedule = home.filePath(QStringLiteral("schedule.csv"));
        const QString output = home.filePath(QStringLiteral("sized.csv"));
        ASSERT_TRUE(WriteBytes(schedule, c.schedule));
        ASSERT_TRUE(WriteBytes(output, earlier));
        QBuffer out, err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        EXPECT_EQ(RunCalc({QStringLiteral("batch"), schedule, QStringLiteral("-o"), output}, out, err), c.status);
        EXPECT_TRUE(ReadBytes(output).startsWith(c.output)) << ReadBytes(output).toStdString();
        EXPECT_EQ(QDir(home.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";
    }
}

}  // namespace
