#include <QBuffer>
#include <gtest/gtest.h>

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

QString Field(const CalcFields& fields, const char* name)
{
    for (const CalcField& field : fields)
        if (field.name == QLatin1String(name))
            return field.text;
    return QString();
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
                                              "A2;A1;water;2;;;200;\n");
    const SectionOptions defaults = {{QStringLiteral("library"), QStringLiteral("Cuivre")},
                                     {QStringLiteral("supply"), QStringLiteral("80")},
                                     {QStringLiteral("return"), QStringLiteral("60")}};
    const CircuitResult result = SizeCircuit(delivered.data, delivered.catalogue, schedule, defaults);
    ASSERT_EQ(result.rows.size(), 7u);

    // The flow each row is sized for: R3 from its power, as a lone section gives it.
    const struct {
        int row;
        SectionOptions own;
    } sized[] = {
        {2, {{"flow", "300"}}},
        {3, {{"flow", "500"}}},
        {4, {{"power", "5815"}}},
    };
    for (const auto& c : sized) {
        SectionOptions options = c.own;
        options.insert(options.end(), defaults.begin(), defaults.end());
        WaterSection section;
        QString error;
        ASSERT_TRUE(ReadWaterSection(delivered.data, options, section, error)) << error.toStdString();
        const CalcFields alone = SizeWaterSection(delivered.data, section);
        EXPECT_EQ(result.rows[c.row].sizing.size(), alone.size()) << c.row;
        for (const CalcField& field : alone)
            EXPECT_EQ(Field(result.rows[c.row].sizing, field.name.toLatin1().constData()), field.text)
                << c.row << " " << field.name.toStdString();
    }
    const double r3 = Field(result.rows[4].sizing, "flow").toDouble();  // [L/h]
    ASSERT_GT(r3, 0.0);
    EXPECT_EQ(Field(result.rows[1].sizing, "flow"), QStringLiteral("800"));
    EXPECT_EQ(Field(result.rows[0].sizing, "flow"), QString::number(800 + r3, 'f', 0));
    for (int trunk : {0, 1}) {
        SectionOptions options = {{QStringLiteral("flow"), Field(result.rows[trunk].sizing, "flow")}};
        options.insert(options.end(), defaults.begin(), defaults.end());
        WaterSection section;
        QString error;
        ASSERT_TRUE(ReadWaterSection(delivered.data, options, section, error));
        for (const CalcField& field : SizeWaterSection(delivered.data, section))
            EXPECT_EQ(Field(result.rows[trunk].sizing, field.name.toLatin1().constData()), field.text) << trunk;
    }

    // Cumulative losses add up along the tree; the head is the largest at an end.
    const auto total = [&](int row) { return result.rows[row].losses.total; };
    EXPECT_DOUBLE_EQ(result.rows[2].totals.cumulative, total(0) + total(1) + total(2));
    EXPECT_DOUBLE_EQ(result.rows[4].totals.cumulative, total(0) + total(4));
    ASSERT_EQ(result.circuits.size(), 2u);
    const CircuitSummary& main = result.circuits[0];
    EXPECT_TRUE(main.error.isEmpty());
    EXPECT_DOUBLE_EQ(main.flow, 800 + r3);
    const double head = std::max(
        {result.rows[2].totals.cumulative, result.rows[3].totals.cumulative, result.rows[4].totals.cumulative});
    EXPECT_DOUBLE_EQ(main.tree.head, head);

    // A1 names an unknown fitting: A2 below it is not computed, nor their circuit.
    EXPECT_EQ(result.rows[5].errorColumn, QStringLiteral("fittings"));
    EXPECT_TRUE(result.rows[5].error.startsWith(QStringLiteral("fittings : « nope »")));
    EXPECT_EQ(result.rows[6].error, QStringLiteral("upstream : la ligne amont « A1 » est refusée"));
    EXPECT_EQ(CircuitRowFields(result.rows[6]).size(), 1u);
    EXPECT_TRUE(result.circuits[1].error.contains(QStringLiteral("« A1 »")));
    EXPECT_EQ(result.failed, 2);
}

}  // namespace
