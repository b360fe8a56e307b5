#include "network/circuit_copy.h"

#include "network/circuit_table.h"

namespace {

// A tab or a line break would start another cell or row in the spreadsheet.
QString SafeCell(QString text)
{
    for (QChar& c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    return text;
}

// A length typed with "." pastes as a number only with ","; the names
// (ids, sizes) and the fittings stay as typed.
QString CommaNumber(QString text)
{
    bool number = false;
    text.toDouble(&number);
    if (number)
        text.replace(u'.', u',');
    return text;
}

}  // namespace

QString CommaCellText(const CircuitSchedule& schedule, const CircuitResult& result, int row,
                      const CircuitColumnInfo& info)
{
    const QString cell = CircuitCellText(schedule, result, row, info, true);
    return info.column == CircuitColumn::Length ? CommaNumber(cell) : cell;
}

QString UpstreamText(const CircuitSchedule& schedule, int row)
{
    if (row < 0 || row >= static_cast<int>(schedule.rows.size()))
        return QString();
    return schedule.rows[row].value(schedule.header.indexOf(QLatin1String("upstream"))).trimmed();
}

QString CircuitCopyText(const CircuitSchedule& schedule, const CircuitResult& result, bool water,
                        const std::vector<int>& rows)
{
    const std::vector<CircuitColumnInfo> columns = CircuitColumns(water);
    QStringList cells;
    for (const CircuitColumnInfo& info : columns) {
        cells << SafeCell(CircuitColumnTitle(info.column, water));
        if (info.column == CircuitColumn::Id)
            cells << UpstreamTitle;
    }
    QString text = cells.join(u'\t') + u'\n';
    const int count = static_cast<int>(rows.empty() ? schedule.rows.size() : rows.size());
    for (int i = 0; i < count; ++i) {
        const int row = rows.empty() ? i : rows[i];
        cells.clear();
        for (const CircuitColumnInfo& info : columns) {
            cells << SafeCell(CommaCellText(schedule, result, row, info));
            if (info.column == CircuitColumn::Id)
                cells << SafeCell(UpstreamText(schedule, row));
        }
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}
