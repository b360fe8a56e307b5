#include <QBuffer>
#include <algorithm>
#include <gtest/gtest.h>

#include "engines/air_section.h"
#include "engines/circuit.h"
#include "engines/circuit_texts.h"
#include "engines/duct_tables.h"
#include "engines/library_files.h"
#include "engines/settings_file.h"
#include "engines/water_section.h"

namespace {

const QString SourceData = QStringLiteral(VQ_SOURCE_DIR "/data/");

// The delivered configuration, libraries and catalogue, as vorquil-calc loads them.
struct Delivered {
    DomainState data;
    FittingCatalogue catalogue;
    Delivered()
    {
        PipeLibraryList water, drainage;
        LoadSettings(SourceData + QStringLiteral("Config.cfg"), water, drainage, data.settings, 1);
        ScanLibraryFolder(SourceData, data.waterLibraries, data.drainageLibraries);
        FillDuctTables(data.ductMaterials, data.standardDuctDiameters);
        QStringList problems;
        catalogue = LoadFittingCatalogue(SourceData, QString(), problems);
    }
};

CircuitSchedule Schedule(const char* text)
{
    QByteArray bytes(text);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CircuitSchedule schedule;
    QString error;
    EXPECT_TRUE(ReadCircuitSchedule(buffer, schedule, error)) << error.toStdString();
    return schedule;
}

QString Texts(const CalcFields& fields)
{
    QStringList texts;
    for (const CalcField& field : fields)
        texts << field.name + u'=' + field.text;
    return texts.join(u'|');
}

// What a circuit file gives: its inputs as typed, written back as read; the
// results of a sized file left out; a file it cannot use refused whole.
TEST(CircuitSchedule, ReadsWritesBackAndLeavesResultsOut)
{
    const struct {
        QByteArray file;
        const char* rows;  // header and rows, cells joined with "|", rows with "/"; or the error
    } cases[] = {
        {"id;upstream;kind;flow\r\nT1;;water;\r\nR1;T1;water;300\r\n",
         "id|upstream|kind|flow/T1||water|/R1|T1|water|300"},
        {"\xEF\xBB\xBFid,fittings\n\"a,b\",coude90*2\n,\n", "id|fittings/a,b|coude90*2"},
        {"id;kind;mode;size;flow;power;velocity;total_loss;error\nA;water;pdc;22;1850;43000;0.8;12.0;\n"
         "B;water;dn;22;100;;0.1;1.0;\n",
         "id|kind|mode|size|flow|power/A|water|pdc|||43000/B|water|dn|22|100|"},
        {"", "fichier vide : la première ligne doit nommer les colonnes"},
        {"id;colour\n", "colonne inconnue « colour »"},
        {"kind;flow\nwater;1\n", "colonne « id » manquante"},
        {"id;id\n", "colonne « id » en double"},
        {"id;kind\nA;water;x\n", "ligne 2 : 3 cellules pour 2 colonnes"},
    };
    for (const auto& c : cases) {
        QByteArray bytes = c.file;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        CircuitSchedule schedule;
        QString error;
        const bool read = ReadCircuitSchedule(buffer, schedule, error);
        QStringList rows = {schedule.header.join(u'|')};
        for (const QStringList& row : schedule.rows)
            rows << row.join(u'|');
        EXPECT_EQ(read ? rows.join(u'/') : error, QString::fromUtf8(c.rows)) << c.file.toStdString();
        if (!read)
            continue;
        QByteArray written = CircuitScheduleText(schedule);
        QBuffer again(&written);
        again.open(QIODevice::ReadOnly);
        CircuitSchedule back;
        ASSERT_TRUE(ReadCircuitSchedule(again, back, error)) << written.toStdString();
        EXPECT_EQ(back.header, schedule.header);
        EXPECT_EQ(back.rows, schedule.rows);
        EXPECT_EQ(back.separator, schedule.separator);
        EXPECT_EQ(back.byteOrderMark, schedule.byteOrderMark);
    }
}

// A trunk without a flow is sized on the sum of the flows of the rows
// directly below it, each row exactly as a lone section with the same
// options; a refused row stops the rows below it and its circuit's head.
TEST(SizeCircuit, SumsTheFlowsUpTheTreeAndSizesEachRowAsALoneSection)
{
    static const Delivered delivered;
    const CircuitSchedule schedule = Schedule("id;upstream;kind;length;fittings;fixed;flow;power\n"
                                              "T1;;water;12;coude90*2;;;\n"
                                              "B1;T1;water;6,5;te_derivation;;;\n"
                                              "R1;B1;water;4;;10kPa;300;\n"
                                              "R2;B1;water;3;vanne;;500;\n"
                                              "R3;T1;water;8;;;;5815\n"
                                              "A1;;water;2;nope;;1000;\n"
                                              "A2;A1;water;2;;;200;\n"
                                              "D1;;air;10;coude90;;;\n"
                                              "D2;D1;air;5;bouche;;200;\n"
                                              "D3;D1;air;5;;;300;\n");
    const SectionOptions defaults = {{QStringLiteral("library"), QStringLiteral("Cuivre")},
                                     {QStringLiteral("supply"), QStringLiteral("80")},
                                     {QStringLiteral("return"), QStringLiteral("60")}};
    const CircuitResult result = SizeCircuit(delivered.data, delivered.catalogue, schedule, defaults);
    ASSERT_EQ(result.rows.size(), 10u);

    // Each row as a lone section with the same options (the water defaults
    // left out of air rows, whose flow comes first); a trunk on the sum of the
    // flows below it: B1 = 300 + 500, T1 = B1 + R3 (R3 from its power), D1 = 200 + 300.
    const auto alone = [&](const SectionOptions& own, bool water) {
        SectionOptions options = own;
        QString error;
        if (!water) {
            AirSection section;
            EXPECT_TRUE(ReadAirSection(delivered.data, options, section, error)) << error.toStdString();
            return QStringLiteral("flow=%1|").arg(own[0].value) + Texts(SizeAirSection(delivered.data, section));
        }
        options.insert(options.end(), defaults.begin(), defaults.end());
        WaterSection section;
        EXPECT_TRUE(ReadWaterSection(delivered.data, options, section, error)) << error.toStdString();
        return Texts(SizeWaterSection(delivered.data, section));
    };
    const int r3 = CalcFieldText(result.rows[4].sizing, "flow").toInt();  // [L/h]
    ASSERT_GT(r3, 0);
    const struct {
        int row;
        bool water;
        SectionOptions own;
    } rows[] = {
        {0, true, {{"flow", QString::number(800 + r3)}}},
        {1, true, {{"flow", "800"}}},
        {2, true, {{"flow", "300"}}},
        {3, true, {{"flow", "500"}}},
        {4, true, {{"power", "5815"}}},
        {7, false, {{"flow", "500"}}},
        {8, false, {{"flow", "200"}}},
    };
    for (const auto& c : rows)
        EXPECT_EQ(Texts(result.rows[c.row].sizing), alone(c.own, c.water)) << c.row;

    // Cumulative losses add up along the tree; the head is the largest at an end.
    const auto total = [&](int row) { return result.rows[row].losses.total; };
    EXPECT_DOUBLE_EQ(result.rows[2].totals.cumulative, total(0) + total(1) + total(2));
    EXPECT_DOUBLE_EQ(result.rows[4].totals.cumulative, total(0) + total(4));
    ASSERT_EQ(result.circuits.size(), 3u);
    const CircuitSummary& main = result.circuits[0];
    EXPECT_TRUE(main.error.isEmpty());
    EXPECT_DOUBLE_EQ(main.flow, 800.0 + r3);
    const double head = std::max(
        {result.rows[2].totals.cumulative, result.rows[3].totals.cumulative, result.rows[4].totals.cumulative});
    EXPECT_DOUBLE_EQ(main.tree.head, head);
    // Air losses in Pa: the catalogue's "bouche" is a fixed 50 Pa.
    EXPECT_TRUE(result.circuits[2].error.isEmpty());
    EXPECT_DOUBLE_EQ(result.rows[8].losses.other, 50.0);

    // A1 names an unknown fitting: A2 below it is not computed, nor their circuit.
    EXPECT_EQ(result.rows[5].errorColumn, QStringLiteral("fittings"));
    EXPECT_TRUE(result.rows[5].error.startsWith(QStringLiteral("fittings : « nope »")));
    EXPECT_EQ(result.rows[6].error, QStringLiteral("upstream : la ligne amont « A1 » est refusée"));
    EXPECT_EQ(CircuitRowFields(result.rows[6]).size(), 1u);
    EXPECT_TRUE(result.circuits[1].error.contains(QStringLiteral("« A1 »")));
    EXPECT_EQ(result.failed, 2);
}

// A row that cannot be computed says why, naming its column.
TEST(SizeCircuit, RefusesABadRowNamingItsColumn)
{
    static const Delivered delivered;
    FittingCatalogue catalogue = delivered.catalogue;
    Fitting valve;
    valve.code = QStringLiteral("vanne_eq");
    valve.type = FittingType::Kv;
    valve.value = 2.5;  // Kv [m3/h]
    catalogue.fittings.push_back(valve);
    const QString longId(33, u'x');
    const struct {
        QString rows;  // after the header
        int row;
        const char* column;
        const char* error;  // its start
    } cases[] = {
        {"A;;water;1;coudeXX;;100;", 0, "fittings", "fittings : « coudeXX » n'est ni un code"},
        {"A;;air;1;vanne_eq;;100;", 0, "fittings", "fittings : « vanne_eq » est un Kv : seulement pour l'eau"},
        {"A;B;water;;;;100;", 0, "upstream", "upstream : « B » inconnu"},
        {"A;B;water;;;;100;\nB;;water;;;;100;", 0, "upstream", "upstream : « B » est plus bas"},
        {"A;A;water;;;;100;", 0, "upstream", "upstream : « A » est la ligne elle-même"},
        {"A;;water;;;;100;\nA;;water;;;;100;", 1, "id", "id : « A » déjà utilisé à la ligne 2"},
        {longId + ";;water;;;;100;", 0, "id", "id : « xxxxxxxxx"},
        {"A;;water;-2;;;100;", 0, "length", "length : « -2 » : une longueur est positive ou nulle"},
        {"A;;water;;;10;100;", 0, "fixed", "fixed : « 10 » : unité manquante"},
        {"A;;water;;;;999999999;", 0, "limit", "limit : N/A"},
        {"A;;water;;;;;5000;70;70", 0, "return", "return : Infini"},
        {"A;;drainage;;;;100;", 0, "kind", "kind : « drainage »"},
        {"A;;water;;;;100;\nB;A;air;;;;100;", 1, "kind", "kind : « air » sous la ligne « A »"},
        {"T;;water;;;;;\nA;T;water;;;;;", 0, "flow", "flow : pas de débit à sommer ; la ligne en aval « A »"},
        {"T;;water;;;;;\nA;T;water;;;;;", 1, "flow", "flow, power : manquants"},
    };
    for (const auto& c : cases) {
        const QByteArray text =
            "id;upstream;kind;length;fittings;fixed;flow;power;supply;return\n" + QString(c.rows).toUtf8() + '\n';
        const CircuitSchedule schedule = Schedule(text.constData());
        const CircuitResult result = SizeCircuit(delivered.data, catalogue, schedule, {{"library", "Cuivre"}});
        ASSERT_GT(result.rows.size(), size_t(c.row)) << c.rows.toStdString();
        const CircuitRowResult& row = result.rows[c.row];
        EXPECT_EQ(row.errorColumn, QString::fromLatin1(c.column)) << c.rows.toStdString();
        EXPECT_TRUE(row.error.startsWith(QString::fromUtf8(c.error)))
            << c.rows.toStdString() << " -> " << row.error.toStdString();
        EXPECT_TRUE(std::any_of(result.circuits.begin(), result.circuits.end(), [](const CircuitSummary& circuit) {
            return !circuit.error.isEmpty();
        })) << c.rows.toStdString();
    }
}

// The same digits everywhere: 1 decimal for losses, 2 for zeta and the
// head in kPa (mmCE x 9.81 / 1000) and mCE (mmCE / 1000); the status line in
// French, "," as the point and a space between thousands.
TEST(CircuitTexts, WriteTheHeadAndTheRowsWithTheirDigits)
{
    const struct {
        bool water;
        double head;  // [mmCE water, Pa air]
        double flow;  // [L/h water, m3/h air]
        const char* error;
        const char* line;
        const char* fields;  // the summary's fields after root, flow
    } cases[] = {
        {true, 5058.5, 1850, nullptr,
         "Circuit le plus défavorisé : T1 › T2 › R1 — 5 058,5 mmCE (49,62 kPa ; 5,06 mCE) — débit 1 850 L/h",
         "index_end=R1|path=T1 > T2 > R1|head=5058.5|head_kpa=49.62|head_mce=5.06"},
        {false, 412.34, 2400, nullptr, "Circuit le plus défavorisé : T1 › T2 › R1 — 412,3 Pa — débit 2 400 m³/h",
         "index_end=R1|path=T1 > T2 > R1|head=412.3"},
        {true, 987654.25, 1234567, nullptr,
         "Circuit le plus défavorisé : T1 › T2 › R1 — 987 654,3 mmCE (9 688,89 kPa ; 987,65 mCE) — débit 1 234 567 L/h",
         "index_end=R1|path=T1 > T2 > R1|head=987654.3|head_kpa=9688.89|head_mce=987.65"},
        {true, 0, 0, "non calculé : la ligne « T2 » est refusée (x)",
         "Circuit le plus défavorisé : non calculé : la ligne « T2 » est refusée (x)",
         "error=non calculé : la ligne « T2 » est refusée (x)"},
    };
    for (const auto& c : cases) {
        CircuitResult result;
        result.rows.resize(3);
        for (int r = 0; r < 3; ++r)
            result.rows[r].id = QStringList{"T1", "T2", "R1"}[r];
        CircuitSummary summary;
        summary.water = c.water;
        summary.flow = c.flow;
        summary.tree = {0, c.error == nullptr, 2, c.head, {0, 1, 2}};
        summary.error = c.error ? QString::fromUtf8(c.error) : QString();
        EXPECT_EQ(IndexCircuitLine(result, summary), QString::fromUtf8(c.line));
        QStringList fields;
        for (const CalcField& field : CircuitSummaryFields(result, summary))
            if (field.name != QLatin1String("root") && field.name != QLatin1String("flow"))
                fields << field.name + u'=' + field.text;
        EXPECT_EQ(fields.join(u'|'), QString::fromUtf8(c.fields));
    }

    // A row: zeta with 2 decimals, losses with 1; reserve at a balanced end only.
    CircuitRowResult row;
    row.terms.zeta = 3.6;
    row.losses = {362.14, 85.61, 897.06, 1344.81};
    row.totals = {true, true, 2000.04, 655.26, false, true};
    EXPECT_EQ(Texts(CircuitRowFields(row)),
              QStringLiteral("zeta=3.60|linear_loss=362.1|singular_loss=85.6|fixed_loss=897.1|"
                             "total_loss=1344.8|cumulative_loss=2000.0|reserve=655.3|index=0"));
    row.totals.end = false;
    EXPECT_FALSE(CalcFieldText(CircuitRowFields(row), "index").isEmpty());
    EXPECT_TRUE(CalcFieldText(CircuitRowFields(row), "reserve").isEmpty());
}

}  // namespace
