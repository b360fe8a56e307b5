#include "network/network_rules.h"

#include "engines/duct_tables.h"
#include "engines/limit_scales.h"
#include "network/circuit_edits.h"
#include "network/circuit_tree.h"
#include "network/size_cell.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "tabs/program_state.h"
#include "tabs/water_sizing.h"
#include "ui/air_controls.h"
#include "ui/water_controls.h"

const char* const WaterRuleNames[] = {"library", "mode", "limit", "supply", "return", "antifreeze", nullptr};
const char* const AirRuleNames[] = {"shape",    "side-a",   "material", "roughness", "temp",
                                    "humidity", "altitude", "mode",     "limit",     nullptr};

namespace {

const char* const ModeWords[] = {"pdc", "dn", "vitesse"};  // the water and air modes, in list order

QString ModeWord(int mode)
{
    return QString::fromLatin1(ModeWords[mode >= 0 && mode <= 2 ? mode : 0]);
}

void Give(SectionOptions& options, const char* name, const QString& value)
{
    if (!value.trimmed().isEmpty())
        options.push_back({QString::fromLatin1(name), value.trimmed()});
}

// The rows of imposed size are sized in mode "dn", an air duct on its own
// shape and sides, whatever the circuit's: a mode, shape or side A every
// other row gives alike is the circuit's, those rows keep theirs.
bool LiftShared(CircuitSchedule& s, qsizetype column, const char* name, SectionOptions& rules)
{
    std::vector<bool> imposed(s.rows.size());
    QString shared;
    bool any = false;
    for (size_t row = 0; row < s.rows.size(); ++row) {
        imposed[row] = HasImposedSize(s, static_cast<int>(row));
        const QString cell = s.rows[row].value(column).trimmed();
        if (imposed[row])
            continue;
        if (any && cell != shared)
            return false;
        shared = cell;
        any = true;
    }
    if (!any || shared.isEmpty())
        return false;
    Give(rules, name, shared);
    for (size_t row = 0; row < s.rows.size(); ++row)
        if (!imposed[row] && column < s.rows[row].size())
            s.rows[row][column].clear();
    return true;
}

bool IsOwnedByImposedSize(const char* name)
{
    return QLatin1String(name) == QLatin1String("mode") || QLatin1String(name) == QLatin1String("shape")
        || QLatin1String(name) == QLatin1String("side-a");
}

}  // namespace

bool RulesAreWater(const SectionOptions& rules)
{
    const QString* kind = FindOption(rules, "kind");
    return !kind || *kind != QLatin1String("air");
}

SectionOptions MainWindowRules(const ProgramState& state, bool water)
{
    const Settings& s = state.domain.settings;
    const bool shown = IsWindowOpen(MainWindow);
    SectionOptions rules = {{QStringLiteral("kind"), water ? QStringLiteral("water") : QStringLiteral("air")}};
    if (water) {
        const PipeLibrary* library = CurrentWaterLibrary(state);
        Give(rules, "library", library ? library->name : s.MatTube);
        const int mode = s.EauCalcMode >= 0 && s.EauCalcMode <= 2 ? s.EauCalcMode : 0;
        // An imposed size belongs to a row, not to the whole circuit.
        const int searched = mode == 1 ? 0 : mode;
        Give(rules, "mode", ModeWord(searched));
        const int position = shown && mode == searched ? GetState(LimitBar) : WaterLimitScaleFor(searched).position;
        Give(rules, "limit", WaterLimitText(searched, position));
        Give(rules, "supply", s.TetaAller);
        Give(rules, "return", s.TetaRetour);
        if (s.AntigelOnOff == 1 && shown && GetState(AntifreezeCheck) == 1)
            Give(rules, "antifreeze", s.AntigelP100);
        return rules;
    }
    const bool rect = s.CircRect == 1;
    Give(rules, "shape", rect ? QStringLiteral("rect") : QStringLiteral("circ"));
    if (rect && shown)
        Give(rules, "side-a", GetText(SideAField));
    Give(rules, "material", s.MatGaine);
    if (s.MatGaine == QString::fromUtf8(OwnRoughnessMaterial))
        Give(rules, "roughness", QString::number(s.AutreRugo));
    if (shown) {
        Give(rules, "temp", GetText(AirTemperatureField));
        Give(rules, "humidity", GetText(AirHumidityField));
        Give(rules, "altitude", GetText(AltitudeField));
    }
    const int mode = s.AirCalcMode == 2 ? 2 : 0;
    Give(rules, "mode", ModeWord(mode));
    const int position = shown && s.AirCalcMode == mode ? GetState(AirLimitBar) : AirLimitScaleFor(mode).position;
    Give(rules, "limit", AirLimitText(position));
    return rules;
}

NetworkInputs InputsFromFile(const CircuitSchedule& schedule, const SectionOptions& fallback)
{
    NetworkInputs inputs{schedule, {}};
    CircuitSchedule& s = inputs.schedule;
    const QString kind = s.rows.empty() ? QString() : CellOf(s, 0, "kind").trimmed();
    const bool water = kind.isEmpty() ? RulesAreWater(fallback) : kind != QLatin1String("air");
    inputs.rules = {{QStringLiteral("kind"), water ? QStringLiteral("water") : QStringLiteral("air")}};
    std::vector<const char*> names = {"kind"};
    for (const char* const* name = water ? WaterRuleNames : AirRuleNames; *name; ++name)
        names.push_back(*name);
    for (const char* name : names) {
        const qsizetype column = s.header.indexOf(QLatin1String(name));
        if (column >= 0 && IsOwnedByImposedSize(name) && LiftShared(s, column, name, inputs.rules))
            continue;
        // A limit left out on the rows of imposed size is still the circuit's.
        const bool limit = QLatin1String(name) == QLatin1String("limit");
        QString common;
        bool alike = column >= 0, seen = false;
        for (size_t row = 0; alike && row < s.rows.size(); ++row) {
            const QString cell = s.rows[row].value(column).trimmed();
            if (limit && cell.isEmpty() && CellOf(s, static_cast<int>(row), "mode").trimmed() == QLatin1String("dn"))
                continue;
            alike = !seen || cell == common;
            common = cell;
            seen = true;
        }
        if (alike) {
            if (QLatin1String(name) != QLatin1String("kind"))
                Give(inputs.rules, name, common);
            s.header.removeAt(column);
            for (QStringList& cells : s.rows)
                if (column < cells.size())
                    cells.removeAt(column);
        } else if (const QString* given = FindOption(fallback, name); given && QLatin1String(name) != "kind") {
            const QString* mode = FindOption(inputs.rules, "mode");
            // A circuit of imposed sizes has no limit to take.
            if (QLatin1String(name) != QLatin1String("limit") || !mode || *mode != QLatin1String("dn"))
                Give(inputs.rules, name, *given);
        }
    }
    return inputs;
}

CircuitSchedule ScheduleWithRules(const CircuitSchedule& schedule, const SectionOptions& rules)
{
    CircuitSchedule out = schedule;
    qsizetype modeColumn = out.header.indexOf(QLatin1String("mode"));
    for (const SectionOption& rule : rules) {
        qsizetype column = out.header.indexOf(rule.name);
        if (column < 0) {
            out.header << rule.name;
            column = out.header.size() - 1;
        }
        // A row of imposed size has no limit, nor the circuit's side A.
        const bool search = rule.name == QLatin1String("limit") || rule.name == QLatin1String("side-a");
        const QString* ruleMode = FindOption(rules, "mode");
        for (QStringList& cells : out.rows) {
            while (cells.size() < out.header.size())
                cells << QString();
            if (!cells[column].trimmed().isEmpty())
                continue;
            if (search) {
                const QString rowMode = modeColumn >= 0 ? cells[modeColumn].trimmed() : QString();
                const QString mode = rowMode.isEmpty() && ruleMode ? *ruleMode : rowMode;
                if (mode == QLatin1String("dn"))
                    continue;
            }
            cells[column] = rule.value;
        }
        if (rule.name == QLatin1String("mode"))
            modeColumn = column;
    }
    return out;
}
