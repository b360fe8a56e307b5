#include "network/circuit_table.h"

#include "engines/circuit_texts.h"
#include "network/size_cell.h"

namespace {

// The result field each result column shows.
const char* ResultName(CircuitColumn column)
{
    switch (column) {
    case CircuitColumn::ChosenSize:
        return "size";
    case CircuitColumn::Velocity:
        return "velocity";
    case CircuitColumn::Gradient:
        return "pressure_drop";
    case CircuitColumn::Zeta:
        return "zeta";
    case CircuitColumn::Linear:
        return "linear_loss";
    case CircuitColumn::Singular:
        return "singular_loss";
    case CircuitColumn::Other:
        return "fixed_loss";
    case CircuitColumn::Total:
        return "total_loss";
    case CircuitColumn::Cumulative:
        return "cumulative_loss";
    case CircuitColumn::Reserve:
        return "reserve";
    case CircuitColumn::Flow:
        return "flow";
    case CircuitColumn::Power:
        return "power";
    default:
        return nullptr;
    }
}

}  // namespace

std::vector<CircuitColumnInfo> CircuitColumns(bool water)
{
    std::vector<CircuitColumnInfo> columns = {
        {CircuitColumn::Id, true, "id"},
        {CircuitColumn::Length, true, "length"},
        {CircuitColumn::Flow, true, "flow"},
        {CircuitColumn::Power, true, "power"},
        {CircuitColumn::Fittings, true, "fittings"},
        {CircuitColumn::Fixed, true, "fixed"},
        {CircuitColumn::Size, true, "size"},
        {CircuitColumn::ChosenSize, false, nullptr},
        {CircuitColumn::Velocity, false, nullptr},
        {CircuitColumn::Gradient, false, nullptr},
        {CircuitColumn::Zeta, false, nullptr},
        {CircuitColumn::Linear, false, nullptr},
        {CircuitColumn::Singular, false, nullptr},
        {CircuitColumn::Other, false, nullptr},
        {CircuitColumn::Total, false, nullptr},
        {CircuitColumn::Cumulative, false, nullptr},
        {CircuitColumn::Reserve, false, nullptr},
    };
    if (!water)
        std::erase_if(columns, [](const CircuitColumnInfo& info) { return info.column == CircuitColumn::Power; });
    return columns;
}

QString CircuitColumnTitle(CircuitColumn column, bool water)
{
    const QString loss = water ? QStringLiteral("mmCE") : QStringLiteral("Pa");
    switch (column) {
    case CircuitColumn::Id:
        return QStringLiteral("Tronçon");
    case CircuitColumn::Length:
        return QStringLiteral("Longueur (m)");
    case CircuitColumn::Flow:
        return water ? QStringLiteral("Débit (L/h)") : QStringLiteral("Débit (m³/h)");
    case CircuitColumn::Power:
        return QStringLiteral("Puissance (W)");
    case CircuitColumn::Fittings:
        return QStringLiteral("Singularités");
    case CircuitColumn::Fixed:
        return QStringLiteral("ΔP fixe");
    case CircuitColumn::Size:
        return QStringLiteral("Taille");
    case CircuitColumn::ChosenSize:
        return QStringLiteral("Taille retenue");
    case CircuitColumn::Velocity:
        return QStringLiteral("Vitesse (m/s)");
    case CircuitColumn::Gradient:
        return QStringLiteral("PdC linéaire (%1/m)").arg(loss);
    case CircuitColumn::Zeta:
        return QStringLiteral("Σζ");
    case CircuitColumn::Linear:
        return QStringLiteral("ΔP lin. (%1)").arg(loss);
    case CircuitColumn::Singular:
        return QStringLiteral("ΔP sing. (%1)").arg(loss);
    case CircuitColumn::Other:
        return QStringLiteral("ΔP autres (%1)").arg(loss);
    case CircuitColumn::Total:
        return QStringLiteral("ΔP tronçon (%1)").arg(loss);
    case CircuitColumn::Cumulative:
        return QStringLiteral("Cumul (%1)").arg(loss);
    case CircuitColumn::Reserve:
        return QStringLiteral("Réserve (%1)").arg(loss);
    }
    return QString();
}

QString CircuitCellText(const CircuitSchedule& schedule, const CircuitResult& result, int row,
                        const CircuitColumnInfo& info, bool comma)
{
    QString text;
    const bool rowKnown = row >= 0 && row < static_cast<int>(schedule.rows.size());
    if (info.editable) {
        const qsizetype column = schedule.header.indexOf(QLatin1String(info.schedule));
        if (rowKnown && info.column == CircuitColumn::Size)
            text = SizeCellText(schedule, row);
        else if (rowKnown && column >= 0)
            text = schedule.rows[row].value(column).trimmed();
        // A trunk left without a flow shows the sum it was sized on.
        if (text.isEmpty() && info.column == CircuitColumn::Flow && row < static_cast<int>(result.rows.size())
            && result.rows[row].error.isEmpty())
            text = CalcFieldText(result.rows[row].sizing, "flow");
        if (text.isEmpty() && info.column == CircuitColumn::Size)
            return QStringLiteral("Auto");
        if (info.column != CircuitColumn::Flow)
            return text;
    } else if (row >= 0 && row < static_cast<int>(result.rows.size()) && result.rows[row].error.isEmpty()) {
        text = CalcFieldText(CircuitRowFields(result.rows[row]), ResultName(info.column));
    }
    if (comma)
        text.replace(u'.', u',');
    return text;
}
