#include "calc/water_section.h"

#include "calc/domain_warnings.h"
#include "engines/internal_data_text.h"
#include "engines/library_files.h"
#include "engines/limit_scales.h"
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
                     QString& text, QString& error)
{
    const QString* given = FindOption(options, name);
    if (!given)
        return true;
    int64_t value = 0;
    if (!ReadWhole(QString::fromLatin1(name), *given, first, last, unit, value, error))
        return false;
    text = *given;
    return true;
}

// "7,5" is given to the engine as "7.5", the number the window computes with.
bool ReadTemperature(const SectionOptions& options, const char* name, QString& text, QString& error)
{
    const QString* given = FindOption(options, name);
    if (!given)
        return true;
    double value = 0.0;  // [degC]
    if (!ReadDecimal(QString::fromLatin1(name), *given, LowestTemperature, HighestTemperature, "°C", value, error))
        return false;
    text = QString(*given).replace(u',', u'.');
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

bool ReadLimit(const PipeLibrary& library, const SectionOptions& options, WaterSection& section, QString& error)
{
    WaterInputs& in = section.inputs;
    const QString* limit = FindOption(options, "limit");
    const QString* size = FindOption(options, "size");
    if (in.mode != ModeImposedSize) {
        if (size) {
            error = QStringLiteral("size : seulement en mode dn");
            return false;
        }
        section.limitPosition = WaterLimitDefaultPosition(in.mode);
        const bool velocity = in.mode == ModeMaxVelocity;
        if (limit
            && !ReadBarPosition(QStringLiteral("limit"), *limit, WaterLimitFirst, WaterLimitLast, velocity ? 10 : 1,
                                velocity ? 2 : 0, velocity ? "m/s" : "mmCE/m", section.limitPosition, error))
            return false;
        in.limit = WaterLimitText(in.mode, section.limitPosition);
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
    section.limitPosition = static_cast<int>(offered.indexOf(*size)) + 1;
    if (section.limitPosition < 1) {
        error = UnknownNameMessage(QStringLiteral("size"), *size, offered);
        return false;
    }
    section.currentSize = index[section.limitPosition - 1];
    in.limit = library.sizes[section.currentSize].name;
    return true;
}

bool ReadQuantities(const SectionOptions& options, WaterInputs& in, QString& error)
{
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
    if (!ReadWholeOption(options, "flow", 1, LargestQuantity, "L/h", in.flow, error)
        || !ReadWholeOption(options, "power", 1, LargestQuantity, "W", in.power, error))
        return false;
    in.oversizingOn = FindOption(options, "oversize") != nullptr;
    if (!ReadWholeOption(options, "oversize", 0, LargestShare, "%", in.oversizingPercent, error))
        return false;
    in.antifreezeOn = FindOption(options, "antifreeze") != nullptr;
    return ReadWholeOption(options, "antifreeze", 0, LargestShare, "%", in.antifreezePercent, error)
        && ReadTemperature(options, "supply", in.flowTemperature, error)
        && ReadTemperature(options, "return", in.returnTemperature, error);
}

}  // namespace

bool ReadWaterSection(const DomainState& data, const SectionOptions& options, WaterSection& section, QString& error)
{
    section = WaterSection();
    WaterInputs& in = section.inputs;
    in.flowTemperature = data.settings.TetaAller;
    in.returnTemperature = data.settings.TetaRetour;
    in.antifreezePercent = data.settings.AntigelP100;
    in.oversizingPercent = data.settings.SurpP100;
    in.totalPower = QStringLiteral("0");
    in.copyOn = true;
    in.mode = data.settings.EauCalcMode;
    if (!CheckOptionNames(options, WaterOptionNames, QStringLiteral("water"), error)
        || !ReadLibrary(data, options, section, error))
        return false;
    if (const QString* mode = FindOption(options, "mode");
        mode && !ReadChoice(QStringLiteral("mode"), *mode, ModeWords, in.mode, error))
        return false;
    return ReadLimit(data.waterLibraries[section.library], options, section, error)
        && ReadQuantities(options, in, error);
}

CalcFields SizeWaterSection(const DomainState& data, const WaterSection& section)
{
    const PipeLibrary& library = data.waterLibraries[section.library];
    const WaterInputs& in = section.inputs;
    InternalDataRecord internal;
    const WaterResult result = RunWaterSizing(in, &library, section.currentSize, internal);
    // A field the run leaves alone shows what the user typed.
    QString shown[WaterOutputCount];
    shown[OutFlow] = in.entryMode == EntryMode::FlowEntered ? in.flow : QString();
    shown[OutPower] = in.entryMode == EntryMode::PowerEntered ? in.power : QString();
    for (int field = 0; field < WaterOutputCount; ++field)
        if (result.fields[field])
            shown[field] = *result.fields[field];
    CalcFields fields = {
        {QStringLiteral("flow"), shown[OutFlow]},
        {QStringLiteral("power"), shown[OutPower]},
    };
    // The window's disabled zeros beside an oversizing that is off say nothing.
    if (in.entryMode == EntryMode::PowerEntered && in.oversizingOn) {
        fields.push_back({QStringLiteral("oversize_power"), shown[OutOversizingPower]});
        fields.push_back({QStringLiteral("total_power"), shown[OutTotalPower]});
    }
    const CalcFields results = {
        {QStringLiteral("size"), shown[OutSize]},
        {QStringLiteral("theoretical_diameter"), shown[OutTheoreticalDiameter]},
        {QStringLiteral("velocity"), shown[OutVelocity]},
        {QStringLiteral("pressure_drop"), shown[OutPressureDrop]},
        {QStringLiteral("copy"),
         result.copy ? FillWaterTemplate(data.settings.TextToCopyEau, result.copyTexts) : QString()},
        {QStringLiteral("density"), DensityText(internal.density)},
        {QStringLiteral("viscosity"), ViscosityText(internal.kinematicViscosity)},
        {QStringLiteral("reynolds"), ReynoldsText(internal.reynolds)},
    };
    fields.insert(fields.end(), results.begin(), results.end());
    if (const QString warning = WaterDomainWarning(in); !warning.isEmpty())
        fields.push_back({QStringLiteral("warning"), warning});
    return fields;
}
