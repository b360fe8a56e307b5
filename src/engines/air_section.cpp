#include "engines/air_section.h"

#include "base/number_text.h"
#include "engines/air_texts.h"
#include "engines/domain_warnings.h"
#include "engines/duct_tables.h"
#include "engines/internal_data_text.h"
#include "engines/limit_scales.h"

const char* const AirOptionNames[] = {"shape", "mode",     "limit",    "diameter", "side-a",    "side-b", "flow",
                                      "temp",  "humidity", "altitude", "material", "roughness", nullptr};

namespace {

const char* const ShapeWords[] = {"circ", "rect", nullptr};
const char* const ModeWords[] = {"pdc", "dn", "vitesse", nullptr};  // in AirMode order

constexpr double LargestFlow = 999999999;   // [m3/h]
constexpr double LargestSize = 99999;       // [mm]
constexpr double LargestRoughness = 100.0;  // [mm]

// What the window's fields hold at start, and what the command line takes:
// the window's digits, or a decimal number where the engine reads one (a
// temperature below 0 for winter outdoor air, a diameter typed in the combo).
struct AirDefault {
    const char* option;
    float AirInputs::*input;
    QString AirOptionTexts::*text;  // nullptr when no message or result repeats it
    float value;
    double first, last;
    bool decimal;
    const char* unit;
};
const AirDefault AirDefaults[] = {
    {"flow", &AirInputs::flow, nullptr, 100, 1, LargestFlow, false, "m3/h"},
    {"temp", &AirInputs::temperature, &AirOptionTexts::temperature, 20, -50, 150, true, "°C"},
    {"humidity", &AirInputs::humidity, &AirOptionTexts::humidity, 40, 0, 100, false, "%"},
    {"altitude", &AirInputs::altitude, &AirOptionTexts::altitude, 10, 0, 9999, false, "m"},
    {"diameter", &AirInputs::imposedDiameter, &AirOptionTexts::imposedDiameter, 125, 1, LargestSize, true, "mm"},
    {"side-a", &AirInputs::sideA, &AirOptionTexts::sideA, 100, 1, LargestSize, false, "mm"},
    {"side-b", &AirInputs::sideB, &AirOptionTexts::sideB, 100, 1, LargestSize, false, "mm"},
};

bool ReadMaterial(const DomainState& data, const SectionOptions& options, AirSection& section, QString& error)
{
    AirInputs& in = section.inputs;
    const QString* given = FindOption(options, "material");
    const QString* roughness = FindOption(options, "roughness");
    const QString own = QString::fromUtf8(OwnRoughnessMaterial);
    QString name = given ? *given : roughness ? own : data.settings.MatGaine;
    QStringList names;
    for (const DuctMaterial& material : data.ductMaterials)
        names << material.name;
    section.material = static_cast<int>(names.indexOf(name));
    if (section.material < 0 && given) {
        error = UnknownNameMessage(QStringLiteral("material"), name, names);
        return false;
    }
    if (roughness && name != own) {
        error = QStringLiteral("roughness : seulement avec le matériau « %1 »").arg(own);
        return false;
    }
    // Without a material of the stored name the window shows the last one.
    if (section.material < 0)
        section.material = static_cast<int>(names.size()) - 1;
    float ownRoughness = data.settings.AutreRugo;  // k [mm]
    if (roughness) {
        double k = 0.0;  // [mm]
        if (!ReadDecimal(QStringLiteral("roughness"), *roughness, 0.0, LargestRoughness, "mm", k, error))
            return false;
        ownRoughness = static_cast<float>(k);
    }
    in.roughness = names.value(section.material) == own ? ownRoughness
        : given                                         ? data.ductMaterials[section.material].roughness
                                                        : data.settings.RugoGaine;
    return true;
}

// Which sizes the user gives: the diameter of an imposed circular duct, side A
// of a rectangle, side B of an imposed rectangle. The flow and the sizes used
// have no default: a schedule's empty cell is a missing value, not the
// window's start value.
bool ReadSizes(const SectionOptions& options, AirSection& section, QString& error)
{
    AirInputs& in = section.inputs;
    const bool imposed = in.mode == AirModeImposedSize;
    const struct {
        const char* option;
        bool used;
        const char* when;  // the shape and mode that use it
    } uses[] = {
        {"flow", true, "(m3/h)"},
        {"diameter", !in.rectangular && imposed, "en forme circ, mode dn"},
        {"side-a", in.rectangular, "en forme rect"},
        {"side-b", in.rectangular && imposed, "en forme rect, mode dn"},
    };
    for (const auto& use : uses) {
        const bool given = FindOption(options, use.option) != nullptr;
        if (given != use.used) {
            error =
                QStringLiteral("%1 : %2 %3")
                    .arg(QString::fromLatin1(use.option),
                         given ? QStringLiteral("seulement") : QStringLiteral("manquant"), QString::fromUtf8(use.when));
            return false;
        }
    }
    for (const AirDefault& field : AirDefaults) {
        in.*field.input = field.value;
        QString text = QString::number(field.value);
        if (const QString* given = FindOption(options, field.option)) {
            const QString name = QString::fromLatin1(field.option);
            if (field.decimal) {
                double value = 0.0;
                if (!ReadDecimal(name, *given, field.first, field.last, field.unit, value, error))
                    return false;
                // Read as a window field reads it, rounded once to single precision.
                in.*field.input = TypedFloat(*given);
                text = QString(*given).replace(u',', u'.');
            } else {
                int64_t value = 0;
                if (!ReadWhole(name, *given, static_cast<int64_t>(field.first), static_cast<int64_t>(field.last),
                               field.unit, value, error))
                    return false;
                in.*field.input = static_cast<float>(value);
                text = *given;
            }
        }
        if (field.text)
            section.texts.*field.text = text;
    }
    return true;
}

// Hot humid air can hold more vapour than the atmosphere's pressure allows:
// the formula then gives no density to size with.
bool CheckAirState(const AirSection& section, QString& error)
{
    if (AirStateUsable(AirStateOf(section.inputs)))
        return true;
    const AirOptionTexts& in = section.texts;
    error = QString::fromUtf8("temp, humidity : à %1 °C et %2 % d'humidité (altitude %3 m), la pression de vapeur "
                              "dépasse la pression atmosphérique : l'air n'a pas de masse volumique positive")
                .arg(in.temperature, in.humidity, in.altitude);
    return false;
}

}  // namespace

bool ReadAirSection(const DomainState& data, const SectionOptions& options, AirSection& section, QString& error)
{
    section = AirSection();
    AirInputs& in = section.inputs;
    in.copyOn = true;
    in.mode = data.settings.AirCalcMode;
    int shape = data.settings.CircRect == 0 ? 0 : 1;
    if (!CheckOptionNames(options, AirOptionNames, QStringLiteral("air"), error))
        return false;
    if (const QString* given = FindOption(options, "shape");
        given && !ReadChoice(QStringLiteral("shape"), *given, ShapeWords, shape, error))
        return false;
    if (const QString* given = FindOption(options, "mode");
        given && !ReadChoice(QStringLiteral("mode"), *given, ModeWords, in.mode, error))
        return false;
    in.rectangular = shape == 1;
    const QString* limit = FindOption(options, "limit");
    if (in.mode == AirModeImposedSize) {
        if (limit) {
            error = QStringLiteral("limit : sans objet en mode dn");
            return false;
        }
    } else {
        const AirLimitScale& scale = AirLimitScaleFor(in.mode);
        int position = scale.position;  // a limit the window's track bar offers
        if (limit
            && !ReadBarPosition(QStringLiteral("limit"), *limit, AirLimitFirst, scale.maximum, 10, 2,
                                in.mode == AirModeMaxVelocity ? "m/s" : "Pa/m", position, error))
            return false;
        in.limit = AirLimitValue(position);
    }
    return ReadMaterial(data, options, section, error) && ReadSizes(options, section, error)
        && CheckAirState(section, error);
}

CalcFields SizeAirSection(const DomainState& data, const AirSection& section)
{
    AirOutcome outcome;
    return SizeAirSection(data, section, outcome);
}

CalcFields SizeAirSection(const DomainState& data, const AirSection& section, AirOutcome& outcome)
{
    const AirInputs& in = section.inputs;
    outcome = SizeAir(in, data.standardDuctDiameters);
    const AirResult result = FormatAirResult(in, outcome);
    const auto shown = [](const std::optional<QString>& text) { return text.value_or(QString()); };
    const bool searching = in.mode != AirModeImposedSize;
    CalcFields fields;
    if (searching && !in.rectangular)
        fields.push_back({QStringLiteral("theoretical_diameter"), shown(result.theoreticalDiameter)});
    // The results repeat the sizes the user gives.
    const QString size = in.rectangular
        ? section.texts.sideA + u'x' + (searching ? shown(result.sideB) : section.texts.sideB)
        : (searching ? shown(result.ductDiameter) : section.texts.imposedDiameter);
    fields.push_back({QStringLiteral("size"), size});
    fields.push_back({QStringLiteral("velocity"), shown(result.velocity)});
    fields.push_back({QStringLiteral("pressure_drop"), shown(result.pressureDrop)});
    fields.push_back({QStringLiteral("copy"),
                      result.copy ? FillAirTemplate(data.settings.TextToCopyAir, result.copyTexts) : QString()});
    fields.push_back({QStringLiteral("density"), DensityText(outcome.air.density)});
    fields.push_back({QStringLiteral("viscosity"), ViscosityText(outcome.air.viscosity)});
    fields.push_back(
        {QStringLiteral("reynolds"), ReynoldsText(outcome.air.reynoldsEvaluated ? outcome.air.reynolds : 0.0f)});
    const float sideA = in.rectangular ? in.sideA : 0.0f;  // [mm]
    // A search's side B is the one found, 0 when none was.
    const float sideB = !in.rectangular                                ? 0.0f
        : !searching                                                   ? in.sideB
        : result.sideB && outcome.status != SizingStatus::NotAvailable ? outcome.sideB
                                                                       : 0.0f;  // [mm]
    if (const QString warning = AirDomainWarning(in.temperature, section.texts.temperature, sideA, sideB);
        !warning.isEmpty())
        fields.push_back({QStringLiteral("warning"), warning});
    return fields;
}
