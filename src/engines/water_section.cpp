#include "engines/water_section.h"

#include "base/number_text.h"
#include "engines/domain_warnings.h"
#include "engines/internal_data_text.h"
#include "engines/library_files.h"
#include "engines/limit_scales.h"
#include "engines/water_texts.h"
#include "physics/internal_data.h"

const char* const WaterOptionNames[] = {"library",  "mode",   "limit",  "size",       "flow", "power",
                                        "oversize", "supply", "return", "antifreeze", nullptr};

namespace {

const char* const ModeWords[] = {"pdc", "dn", "vitesse", nullptr};  // in WaterMode order

// What the window's fields take: up to 9 digits for a flow or a power, 2 for
// a share; the temperature combos are typed, a decimal number read as the
// engine reads it.
constexpr int64_t LargestQuantity = 999999999;
constexpr int64_t LargestShare = 99;                                 // [%]
constexpr double LowestTemperature = -99, HighestTemperature = 999;  // [degC]

bool ReadWholeOption(const SectionOptions& options, const char* name, int64_t first, int64_t last, const char* unit,
                     int64_t& value, QString& error)
{
    const QString* given = FindOption(options, name);
    return !given || ReadWhole(QString::fromLatin1(name), *given, first, last, unit, value, error);
}

// "7,5" is 7.5 degC, as the window reads it.
bool ReadTemperature(const SectionOptions& options, const char* name, float& temperature, QString& error)
{
    const QString* given = FindOption(options, name);
    if (!given)
        return true;
    double value = 0.0;  // [degC]
    if (!ReadDecimal(QString::fromLatin1(name), *given, LowestTemperature, HighestTemperature, "°C", value, error))
        return false;
    temperature = TypedFloat(*given);
    return true;
}

bool ReadLibrary(const DomainState& data, const SectionOptions& options, WaterSection& section, QString& error)
{
    const QString* given = FindOption(options, "library");
    const QString name = given ? *given : data.settings.MatTube;
    section.library = FindLibraryByName(data.waterLibraries, name);
    if (section.library >= 0)
        return true;
    if (given || data.waterLibraries.empty()) {
        error = UnknownNameMessage(QStringLiteral("library"), name, LibraryNames(data.waterLibraries));
        return false;
    }
    // The window without a library of the stored name sizes on the last one.
    section.library = static_cast<int>(data.waterLibraries.size()) - 1;
    return true;
}

// The limit of a search mode, one of its scale's steps; the imposed size of mode 1.
bool ReadLimit(const PipeLibrary& library, const SectionOptions& options, WaterSizingInputs& in, QString& error)
{
    const QString* limit = FindOption(options, "limit");
    const QString* size = FindOption(options, "size");
    if (in.mode != ModeImposedSize) {
        if (size) {
            error = QStringLiteral("size : seulement en mode dn");
            return false;
        }
        const WaterLimitScale& scale = WaterLimitScaleFor(in.mode);
        int step = scale.position;
        if (limit
            && !ReadBarPosition(QStringLiteral("limit"), *limit, WaterLimitFirst, WaterLimitLast, scale.divisor,
                                scale.decimals, scale.unit, step, error))
            return false;
        in.limit = WaterLimit(in.mode, step);
        return true;
    }
    if (limit) {
        error = QStringLiteral("limit : sans objet en mode dn (size donne le diamètre imposé)");
        return false;
    }
    const std::vector<int> index = ActiveSizeIndex(library);
    QStringList offered;
    for (int i : index)
        offered << library.sizes[i].name;
    if (index.empty()) {
        error = QStringLiteral("library : « %1 » n'a aucun diamètre actif").arg(library.name);
        return false;
    }
    // The window would size its first active size: a schedule's empty cell is
    // a missing size, not that one.
    if (!size) {
        error = QStringLiteral("size : manquant en mode dn ; disponibles : %1").arg(offered.join(QStringLiteral(", ")));
        return false;
    }
    const qsizetype offeredAt = offered.indexOf(*size);
    if (offeredAt < 0) {
        error = UnknownNameMessage(QStringLiteral("size"), *size, offered);
        return false;
    }
    in.imposedSize = index[offeredAt];
    return true;
}

bool ReadQuantities(const SectionOptions& options, WaterSection& section, QString& error)
{
    WaterSizingInputs& in = section.inputs;
    const QString* flow = FindOption(options, "flow");
    const QString* power = FindOption(options, "power");
    if (flow && power) {
        error = QStringLiteral("flow, power : l'un ou l'autre, pas les deux");
        return false;
    }
    if (FindOption(options, "oversize") && !power) {
        error = QStringLiteral("oversize : seulement avec power");
        return false;
    }
    if (!flow && !power) {
        error = QStringLiteral("flow, power : manquants ; le débit (L/h) ou la puissance (W)");
        return false;
    }
    in.entryMode = power ? EntryMode::PowerEntered : EntryMode::FlowEntered;
    section.entered = power ? *power : *flow;
    int64_t quantity = 0;  // [L/h] or [W]
    if (!ReadWholeOption(options, power ? "power" : "flow", 1, LargestQuantity, power ? "W" : "L/h", quantity, error))
        return false;
    (power ? in.power : in.flow) = static_cast<float>(quantity);
    int64_t oversize = 0;  // [%]
    in.oversizingOn = FindOption(options, "oversize") != nullptr;
    if (!ReadWholeOption(options, "oversize", 0, LargestShare, "%", oversize, error))
        return false;
    in.oversizingPercent = static_cast<float>(oversize);
    int64_t antifreeze = 0;  // [%]
    const QString* antifreezeGiven = FindOption(options, "antifreeze");
    in.antifreezeOn = antifreezeGiven != nullptr;
    section.antifreezeGiven = antifreezeGiven ? *antifreezeGiven : QString();
    if (!ReadWholeOption(options, "antifreeze", 0, LargestShare, "%", antifreeze, error))
        return false;
    in.antifreezePercent = static_cast<int8_t>(antifreeze);
    return ReadTemperature(options, "supply", in.flowTemperature, error)
        && ReadTemperature(options, "return", in.returnTemperature, error);
}

}  // namespace

bool ReadWaterSection(const DomainState& data, const SectionOptions& options, WaterSection& section, QString& error)
{
    section = WaterSection();
    WaterSizingInputs& in = section.inputs;
    in.flowTemperature = TypedFloat(data.settings.TetaAller);
    in.returnTemperature = TypedFloat(data.settings.TetaRetour);
    in.copyOn = true;
    in.mode = data.settings.EauCalcMode;
    if (!CheckOptionNames(options, WaterOptionNames, QStringLiteral("water"), error)
        || !ReadLibrary(data, options, section, error))
        return false;
    if (const QString* mode = FindOption(options, "mode");
        mode && !ReadChoice(QStringLiteral("mode"), *mode, ModeWords, in.mode, error))
        return false;
    return ReadLimit(data.waterLibraries[section.library], options, in, error)
        && ReadQuantities(options, section, error);
}

CalcFields SizeWaterSection(const DomainState& data, const WaterSection& section)
{
    WaterOutcome outcome;
    return SizeWaterSection(data, section, outcome);
}

CalcFields SizeWaterSection(const DomainState& data, const WaterSection& section, WaterOutcome& outcome)
{
    const PipeLibrary& library = data.waterLibraries[section.library];
    const WaterSizingInputs& in = section.inputs;
    outcome = SizeWater(in, &library);
    const WaterResultTexts texts = FormatWaterResult(outcome, &library);
    InternalDataRecord internal;
    RecordWaterFluid(outcome.fluid, internal);
    // A field the run leaves alone shows what the user typed.
    const bool powerEntered = in.entryMode == EntryMode::PowerEntered;
    CalcFields fields = {
        {QStringLiteral("flow"), texts.flow.value_or(powerEntered ? QString() : section.entered)},
        {QStringLiteral("power"), texts.power.value_or(powerEntered ? section.entered : QString())},
    };
    // The window's disabled zeros beside an oversizing that is off say nothing.
    if (powerEntered && in.oversizingOn) {
        fields.push_back({QStringLiteral("oversize_power"), texts.oversizingPower.value_or(QString())});
        fields.push_back({QStringLiteral("total_power"), texts.totalPower.value_or(QString())});
    }
    const CalcFields results = {
        {QStringLiteral("size"), texts.size.value_or(QString())},
        {QStringLiteral("theoretical_diameter"), texts.theoreticalDiameter.value_or(QString())},
        {QStringLiteral("velocity"), texts.velocity.value_or(QString())},
        {QStringLiteral("pressure_drop"), texts.pressureDrop.value_or(QString())},
        {QStringLiteral("copy"),
         texts.copy ? FillWaterTemplate(data.settings.TextToCopyEau, texts.copyTexts) : QString()},
        {QStringLiteral("density"), DensityText(internal.density)},
        {QStringLiteral("viscosity"), ViscosityText(internal.kinematicViscosity)},
        {QStringLiteral("reynolds"), ReynoldsText(internal.reynolds)},
    };
    fields.insert(fields.end(), results.begin(), results.end());
    if (const QString warning = WaterDomainWarning(in, section.antifreezeGiven); !warning.isEmpty())
        fields.push_back({QStringLiteral("warning"), warning});
    return fields;
}
