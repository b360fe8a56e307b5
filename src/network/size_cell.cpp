#include "network/size_cell.h"

#include <QRegularExpression>

#include "network/circuit_tree.h"

namespace {

// Without adding the column when the schedule has none.
void Clear(CircuitSchedule& schedule, int row, const char* column)
{
    if (schedule.header.contains(QLatin1String(column)))
        SetCellOf(schedule, row, column, QString());
}

bool OwnModeDn(const CircuitSchedule& schedule, int row)
{
    return CellOf(schedule, row, "mode").trimmed() == QLatin1String("dn");
}

}  // namespace

QString SizeCellText(const CircuitSchedule& schedule, int row)
{
    const QString size = CellOf(schedule, row, "size").trimmed();
    const QString diameter = CellOf(schedule, row, "diameter").trimmed();
    const QString sideA = CellOf(schedule, row, "side-a").trimmed();
    const QString sideB = CellOf(schedule, row, "side-b").trimmed();
    if (!size.isEmpty())
        return size;
    if (!diameter.isEmpty())
        return diameter;
    // A search's own side A is not a size imposed: it shows « Auto ».
    if (!sideB.isEmpty()
        || (OwnModeDn(schedule, row) && CellOf(schedule, row, "shape").trimmed() == QLatin1String("rect")))
        return sideA + u'x' + sideB;
    return QString();
}

void SetSizeCell(CircuitSchedule& schedule, int row, bool water, const QString& typed)
{
    const QString text = typed.trimmed();
    const bool automatic = text.isEmpty() || text.compare(QLatin1String("Auto"), Qt::CaseInsensitive) == 0;
    const bool imposed = OwnModeDn(schedule, row);
    for (const char* column : {"size", "diameter", "side-b"})
        Clear(schedule, row, column);
    // An imposed duct's own shape and side A go with it; a search keeps its side A.
    if (imposed || (!water && !automatic))
        for (const char* column : {"shape", "side-a"})
            Clear(schedule, row, column);
    if (water) {
        SetCellOf(schedule, row, "size", automatic ? QString() : text);
        SetCellOf(schedule, row, "mode", automatic ? QString() : QStringLiteral("dn"));
        return;
    }
    if (automatic) {
        Clear(schedule, row, "mode");
        return;
    }
    // "400x200", "400 X 200" or "400×200": sides A and B in mm; else a diameter in mm.
    static const QRegularExpression by(QStringLiteral("[xX×]"));
    const qsizetype at = text.indexOf(by);
    if (at < 0) {
        SetCellOf(schedule, row, "shape", QStringLiteral("circ"));
        SetCellOf(schedule, row, "diameter", text);
    } else {
        SetCellOf(schedule, row, "shape", QStringLiteral("rect"));
        SetCellOf(schedule, row, "side-a", text.left(at).trimmed());
        SetCellOf(schedule, row, "side-b", text.mid(at + 1).trimmed());
    }
    SetCellOf(schedule, row, "mode", QStringLiteral("dn"));
}

bool HasImposedSize(const CircuitSchedule& schedule, int row)
{
    if (!OwnModeDn(schedule, row))
        return false;
    for (const char* column : {"size", "diameter", "side-a", "side-b"})
        if (!CellOf(schedule, row, column).trimmed().isEmpty())
            return true;
    return false;
}

QString ErrorCellColumn(const CircuitSchedule& schedule, int row, const QString& errorColumn)
{
    const bool sizeOption = errorColumn == QLatin1String("diameter") || errorColumn == QLatin1String("side-b")
        || (errorColumn == QLatin1String("side-a") && OwnModeDn(schedule, row));
    return sizeOption ? QStringLiteral("size") : errorColumn;
}
