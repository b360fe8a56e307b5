#include <QBuffer>
#include <algorithm>
#include <cmath>

#include "air_tab_fixture.h"
#include "base/number_text.h"
#include "engines/air_section.h"
#include "calc/batch.h"
#include "engines/csv_rows.h"
#include "calc/drainage_section.h"
#include "engines/water_section.h"
#include "engines/drainage_texts.h"
#include "engines/internal_data_text.h"
#include "engines/limit_scales.h"
#include "ui/air_controls.h"
#include "ui/drainage_controls.h"
#include "ui/main_controls.h"
#include "ui/water_controls.h"

namespace {

struct Section {
    const char* kind;
    SectionOptions options;
};

// Every mode, both shapes, both entry modes, oversizing, antifreeze, both fill ratios.
const std::vector<Section> Sections = {
    {"water", {{"flow", "100"}}},
    {"water", {{"library", "Cuivre"}, {"flow", "1000"}}},
    {"water", {{"mode", "pdc"}, {"limit", "25"}, {"flow", "4500"}, {"supply", "45"}, {"return", "35"}}},
    {"water", {{"library", "Cuivre"}, {"mode", "dn"}, {"size", "22"}, {"flow", "800"}}},
    {"water", {{"library", "PER"}, {"mode", "vitesse"}, {"limit", "0.8"}, {"power", "12000"}}},
    {"water", {{"mode", "pdc"}, {"power", "35000"}, {"oversize", "15"}}},
    {"water",
     {{"library", "Multicouche"},
      {"mode", "dn"},
      {"size", "16"},
      {"power", "9000"},
      {"oversize", "20"},
      {"antifreeze", "30"}}},
    {"water",
     {{"library", "Inox"},
      {"mode", "vitesse"},
      {"limit", "1.50"},
      {"flow", "2500"},
      {"antifreeze", "40"},
      {"supply", "7,5"},
      {"return", "12"}}},
    {"air", {{"flow", "100"}}},
    {"air", {{"shape", "circ"}, {"mode", "vitesse"}, {"limit", "3.5"}, {"flow", "1500"}, {"temp", "35"}}},
    {"air", {{"shape", "circ"}, {"mode", "dn"}, {"diameter", "127,4"}, {"flow", "800"}, {"material", "Plastique"}}},
    {"air",
     {{"shape", "rect"}, {"mode", "pdc"}, {"limit", "1.2"}, {"side-a", "400"}, {"flow", "3000"}, {"altitude", "800"}}},
    {"air", {{"shape", "rect"}, {"mode", "vitesse"}, {"side-a", "300"}, {"flow", "2000"}, {"humidity", "80"}}},
    {"air",
     {{"shape", "rect"},
      {"mode", "dn"},
      {"side-a", "500"},
      {"side-b", "250"},
      {"flow", "4000"},
      {"roughness", "0.09"}}},
    {"drainage", {}},
    {"drainage", {{"library", "PEHD"}, {"fill", "7"}, {"slope", "3.5"}, {"code-roughness", "no"}}},
    {"drainage", {{"library", "FONTE SMU"}, {"fill", "5"}, {"slope", "0.5"}}},
};

// The window on the delivered libraries and default configuration, each
// section set on it as a user would, from a fresh start.
class CalcAgreesWithWindowTest : public AirTabTest {
protected:
    DomainState data;

    void StartOnDeliveredData()
    {
        TearDown();
        state = ProgramState();
        state.domain.settings = data.settings;
        state.domain.waterLibraries = data.waterLibraries;
        state.domain.drainageLibraries = data.drainageLibraries;
        state.domain.ductMaterials = data.ductMaterials;
        state.domain.standardDuctDiameters = data.standardDuctDiameters;
        StartAir();
    }

    static CalcField Console(const char* name, const QString& console, const char* label)
    {
        const QString prefix = QString::fromUtf8(label);
        for (const QString& line : console.split(QStringLiteral("\r\n")))
            if (line.startsWith(prefix))
                return {QString::fromLatin1(name), line.mid(prefix.size())};
        return {QString::fromLatin1(name), QStringLiteral("?")};
    }

    void AddConsole(CalcFields& fields, int domain)
    {
        const QString console = InternalDataText(state.domain.internalData, domain);
        fields.push_back({QStringLiteral("copy"), GetClipboardText()});
        fields.push_back(Console("density", console, "Masse Volumique : "));
        fields.push_back(Console("viscosity", console, "Viscosité Cin.: "));
        fields.push_back(Console("reynolds", console, "Nb de Reynolds : "));
    }

    // The track bar position of the section's limit, or of its imposed size.
    int WaterLimitPosition(const WaterSection& section)
    {
        const WaterSizingInputs& in = section.inputs;
        if (in.mode != ModeImposedSize)
            return static_cast<int>(std::lround(in.limit * WaterLimitScaleFor(in.mode).divisor));
        const std::vector<int> index = ActiveSizeIndex(data.waterLibraries[section.library]);
        return static_cast<int>(std::find(index.begin(), index.end(), in.imposedSize) - index.begin()) + 1;
    }

    CalcFields WaterOnWindow(const WaterSection& section)
    {
        const WaterSizingInputs& in = section.inputs;
        Pick(WaterLibraryList, section.library);
        Pick(WaterModeList, in.mode);
        Pick(LimitBar, WaterLimitPosition(section));
        Type(FlowTemperatureCombo, QString::number(in.flowTemperature));
        Type(ReturnTemperatureCombo, QString::number(in.returnTemperature));
        if (in.antifreezeOn) {
            Pick(AntifreezeCheck, 1);
            Type(AntifreezeField, QString::number(in.antifreezePercent));
        }
        const bool power = in.entryMode == EntryMode::PowerEntered;
        Focus(power ? PowerField : FlowField);
        Type(power ? PowerField : FlowField, section.entered);
        if (in.oversizingOn) {
            Pick(OversizingCheck, 1);
            Type(OversizingField, QString::number(in.oversizingPercent));
        }
        CalcFields fields;
        const char* names[] = {"flow",        "power",        "oversize_power",
                               "total_power", "size",         "theoretical_diameter",
                               "velocity",    "pressure_drop"};
        const int controls[] = {FlowField, PowerField,       OversizingPowerField, TotalPowerField,
                                SizeField, TheoreticalField, VelocityField,        PressureDropField};
        for (int i = 0; i < 8; ++i)
            if (in.oversizingOn || (controls[i] != OversizingPowerField && controls[i] != TotalPowerField))
                fields.push_back({QString::fromLatin1(names[i]), GetText(controls[i])});
        AddConsole(fields, InternalDataWater);
        return fields;
    }

    CalcFields AirOnWindow(const AirSection& section)
    {
        const AirInputs& in = section.inputs;
        const AirOptionTexts& texts = section.texts;
        Pick(in.rectangular ? RectangularOption : CircularOption, 1);
        Pick(AirModeList, in.mode);
        Pick(DuctMaterialList, section.material);
        if (data.ductMaterials[section.material].name == QLatin1String(OwnRoughnessMaterial))
            Type(DuctRoughnessField, DecimalText(in.roughness, 3));
        const bool searching = in.mode != AirModeImposedSize;
        if (searching)
            Pick(AirLimitBar, static_cast<int>(std::lround(in.limit * 10.0f)));
        Type(in.rectangular ? SideAField : ImposedDiameterCombo, in.rectangular ? texts.sideA : texts.imposedDiameter);
        if (in.rectangular && !searching)
            Type(SideBField, texts.sideB);
        for (auto [control, text] : {std::pair{AirTemperatureField, texts.temperature},
                                     {AirHumidityField, texts.humidity},
                                     {AltitudeField, texts.altitude},
                                     {AirFlowField, QString::number(in.flow, 'f', 0)}})
            Type(control, text);
        CalcFields fields;
        if (searching && !in.rectangular)
            fields.push_back({QStringLiteral("theoretical_diameter"), GetText(TheoreticalDuctField)});
        fields.push_back({QStringLiteral("size"),
                          in.rectangular ? GetText(ResultSideAField) + u'x' + GetText(ResultSideBField)
                                         : GetText(DuctDiameterField)});
        fields.push_back({QStringLiteral("velocity"), GetText(AirVelocityField)});
        fields.push_back({QStringLiteral("pressure_drop"), GetText(AirPressureDropField)});
        AddConsole(fields, InternalDataAir);
        return fields;
    }

    std::vector<CalcFields> DrainageOnWindow(const DrainageSection& section)
    {
        SetState(MainTabPanel, TabDrainage);
        Pick(DrainageLibraryList, section.library);
        Pick(section.inputs.fillType == 0 ? HalfFillOption : SevenTenthsFillOption, 1);
        Pick(SlopeBar, section.inputs.slopePosition);
        Pick(CodeRoughnessCheck, section.inputs.codeRoughness ? 1 : 0);
        std::vector<CalcFields> rows;
        const char* names[] = {"dn", "flow", "velocity", "inside_diameter", "outside_diameter"};
        for (int r = 0; r < CountRows(CapacityList); ++r) {
            rows.emplace_back();
            for (int c = 0; c < 5; ++c)
                rows.back().push_back({QString::fromLatin1(names[c]), GetCellText(CapacityList, r, c)});
        }
        return rows;
    }
};

std::string Texts(const CalcFields& fields)
{
    QStringList texts;
    for (const CalcField& field : fields)
        texts << field.name + u'=' + field.text;
    return texts.join(QStringLiteral("; ")).toStdString();
}

TEST_F(CalcAgreesWithWindowTest, SameTextsAsTheWindowOneByOneAndInABatch)
{
    QString error;
    ASSERT_TRUE(LoadCalcData(QStringLiteral(VQ_SOURCE_DIR "/data"), data, error)) << error.toStdString();
    QStringList header = {QStringLiteral("kind")};
    for (const char* const* names : {WaterOptionNames, AirOptionNames})
        for (const char* const* name = names; *name; ++name)
            if (!header.contains(QLatin1String(*name)))
                header << QString::fromLatin1(*name);
    QByteArray schedule = CsvLine(header, u';').toUtf8();
    std::vector<CalcFields> shown;
    for (const Section& s : Sections) {
        QString trace = QString::fromLatin1(s.kind);
        for (const SectionOption& option : s.options)
            trace += QStringLiteral(" --%1 %2").arg(option.name, option.value);
        SCOPED_TRACE(trace.toStdString());
        StartOnDeliveredData();
        const QString kind = QString::fromLatin1(s.kind);
        if (kind == QLatin1String("drainage")) {
            DrainageSection section;
            ASSERT_TRUE(ReadDrainageSection(data, s.options, section, error)) << error.toStdString();
            const std::vector<CalcFields> calc = SizeDrainageSection(data, section).rows;
            const std::vector<CalcFields> window = DrainageOnWindow(section);
            ASSERT_EQ(calc.size(), window.size());
            for (size_t r = 0; r < calc.size(); ++r)
                EXPECT_EQ(Texts(calc[r]), Texts(window[r]));
            continue;
        }
        CalcFields calc, window;
        if (kind == QLatin1String("water")) {
            WaterSection section;
            ASSERT_TRUE(ReadWaterSection(data, s.options, section, error)) << error.toStdString();
            calc = SizeWaterSection(data, section);
            window = WaterOnWindow(section);
        } else {
            AirSection section;
            ASSERT_TRUE(ReadAirSection(data, s.options, section, error)) << error.toStdString();
            calc = SizeAirSection(data, section);
            window = AirOnWindow(section);
        }
        EXPECT_EQ(Texts(calc), Texts(window));
        shown.push_back(window);
        QStringList cells(header.size());
        cells[0] = kind;
        for (const SectionOption& option : s.options)
            cells[header.indexOf(option.name)] = option.value;
        schedule += CsvLine(cells, u';').toUtf8();
    }

    QBuffer in(&schedule), out, messages;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::ReadWrite);
    messages.open(QIODevice::WriteOnly);
    BatchCount count;
    ASSERT_TRUE(RunBatch(data, in, out, messages, false, count, error)) << error.toStdString();
    EXPECT_EQ(count.failed, 0) << messages.data().toStdString();
    out.seek(0);
    CsvReader reader;
    reader.device = &out;
    QStringList columns, row;
    ASSERT_TRUE(ReadCsvRow(reader, columns));
    for (const CalcFields& window : shown) {
        ASSERT_TRUE(ReadCsvRow(reader, row));
        CalcFields batch;
        for (const CalcField& field : window)
            batch.push_back({field.name, row.value(columns.indexOf(field.name))});
        EXPECT_EQ(Texts(batch), Texts(window));
    }
}

// The size chosen for a flow, in the window and by vorquil-calc, over every
// delivered drainage library, fill ratio and slope.
TEST_F(CalcAgreesWithWindowTest, SameDrainageSizeForEveryLibraryFillAndSlope)
{
    QString error;
    ASSERT_TRUE(LoadCalcData(QStringLiteral(VQ_SOURCE_DIR "/data"), data, error)) << error.toStdString();
    StartOnDeliveredData();
    SetState(MainTabPanel, TabDrainage);
    const char* flows[] = {"0.3", "2,45", "7.5", "40", "300"};  // [l/s]
    int chosen = 0, none = 0;
    for (int library = 0; library < static_cast<int>(data.drainageLibraries.size()); ++library)
        for (int fill : {0, 1})
            for (int position = SlopeBarFirst; position <= SlopeBarLast; ++position)
                for (const char* flow : flows) {
                    const SectionOptions options = {{"library", data.drainageLibraries[library].name},
                                                    {"fill", fill == 0 ? "5" : "7"},
                                                    {"slope", SlopeText(position)},
                                                    {"flow", flow}};
                    DrainageSection section;
                    ASSERT_TRUE(ReadDrainageSection(data, options, section, error)) << error.toStdString();
                    const CalcFields calc = SizeDrainageSection(data, section).choice;
                    ASSERT_EQ(calc.size(), 4u);
                    Pick(DrainageLibraryList, library);
                    Pick(fill == 0 ? HalfFillOption : SevenTenthsFillOption, 1);
                    Pick(SlopeBar, position);
                    Type(DesignFlowField, QString::fromLatin1(flow));
                    const int row = GetState(CapacityList);
                    EXPECT_EQ(row >= 0 ? GetCellText(CapacityList, row, 0) : QString(), calc[1].text)
                        << data.drainageLibraries[library].name.toStdString() << " " << fill << " " << position << " "
                        << flow;
                    (row >= 0 ? chosen : none)++;
                }
    EXPECT_GT(chosen, 0);
    EXPECT_GT(none, 0);
}

}  // namespace
