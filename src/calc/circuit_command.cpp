#include "calc/circuit_command.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "calc/section_output.h"
#include "engines/circuit_texts.h"
#include "engines/csv_rows.h"

namespace {

void Put(QStringList& cells, const QStringList& columns, const CalcFields& fields)
{
    for (const CalcField& field : fields)
        if (const qsizetype column = columns.indexOf(field.name); column >= 0)
            cells[column] = field.text;
}

QString Cell(const CircuitSchedule& schedule, size_t row, const char* column)
{
    return schedule.rows[row].value(schedule.header.indexOf(QLatin1String(column))).trimmed();
}

}  // namespace

bool RunCircuit(const DomainState& data, const FittingCatalogue& catalogue, const SectionOptions& defaults,
                QIODevice& in, QIODevice& out, QIODevice& summary, QIODevice& messages, bool json, BatchCount& count,
                QString& error)
{
    count = BatchCount();
    CircuitSchedule schedule;
    if (!ReadCircuitSchedule(in, schedule, error))
        return false;
    const CircuitResult result = SizeCircuit(data, catalogue, schedule, defaults);
    const size_t rows = std::min(result.rows.size(), schedule.rows.size());
    count.rows = static_cast<int>(rows);
    count.failed = result.failed;

    QStringList columns = schedule.header;
    for (const char* const* names : {BatchResultNames, CircuitResultNames})
        for (const char* const* name = names; *name; ++name)
            if (!columns.contains(QLatin1String(*name)))
                columns << QString::fromLatin1(*name);
    const qsizetype errorColumn = columns.indexOf(QStringLiteral("error"));
    QJsonArray jsonRows;
    if (schedule.byteOrderMark && !json)
        out.write("\xEF\xBB\xBF");
    if (!json)
        out.write(CsvLine(columns, schedule.separator).toUtf8());
    for (size_t r = 0; r < rows; ++r) {
        const CircuitRowResult& row = result.rows[r];
        if (!row.error.isEmpty())
            messages.write(
                QStringLiteral("ligne %1 : %2 : %3\n").arg(schedule.lines[r]).arg(row.id, row.error).toUtf8());
        const CalcFields fields = CircuitRowFields(row);
        if (json) {
            QJsonObject object = JsonMembers(fields);
            object.insert(QStringLiteral("id"), row.id);
            object.insert(QStringLiteral("upstream"), Cell(schedule, r, "upstream"));
            const QString kind = Cell(schedule, r, "kind");
            object.insert(QStringLiteral("kind"),
                          !kind.isEmpty() ? kind
                              : row.water ? QStringLiteral("water")
                                          : QStringLiteral("air"));
            jsonRows.append(object);
            continue;
        }
        QStringList cells = schedule.rows[r].mid(0, schedule.header.size());
        while (cells.size() < columns.size())
            cells << QString();
        Put(cells, columns, fields);
        cells[errorColumn] = row.error;
        out.write(CsvLine(cells, schedule.separator).toUtf8());
    }

    if (json) {
        QJsonArray circuits;
        for (const CircuitSummary& circuit : result.circuits) {
            QJsonObject object = JsonMembers(CircuitSummaryFields(result, circuit));
            if (object.contains(QStringLiteral("path")))
                object.insert(QStringLiteral("path"), QJsonArray::fromStringList(CircuitPathIds(result, circuit)));
            circuits.append(object);
        }
        const QJsonObject document{{QStringLiteral("rows"), jsonRows}, {QStringLiteral("circuits"), circuits}};
        out.write(QJsonDocument(document).toJson(QJsonDocument::Compact) + '\n');
        return true;
    }
    // After the rows on the terminal, apart from them in a file of their own.
    QString tables;
    for (const CircuitSummary& circuit : result.circuits) {
        CalcFields shown;  // a refused circuit has no flow to show
        for (const CalcField& field : CircuitSummaryFields(result, circuit))
            if (!field.text.isEmpty())
                shown.push_back(field);
        tables += u'\n' + FieldTable(shown, !circuit.water);
    }
    summary.write((&summary == &out ? tables : tables.mid(1)).toUtf8());
    return true;
}
