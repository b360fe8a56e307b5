#include "calc/batch.h"

#include "calc/drainage_section.h"
#include "calc/section_output.h"
#include "engines/air_section.h"
#include "engines/csv_rows.h"
#include "engines/water_section.h"

const char* const BatchResultNames[] = {
    "flow",     "power",         "oversize_power", "total_power", "size",      "theoretical_diameter",
    "velocity", "pressure_drop", "copy",           "density",     "viscosity", "reynolds",
    "warning",  nullptr};

namespace {

// Added to the output only when a row is of kind drainage.
const char* const DrainageResultNames[] = {"design_flow", "chosen_size", "capacity", "share", nullptr};

bool IsOption(const QString& name)
{
    return IsListedName(name, WaterOptionNames) || IsListedName(name, AirOptionNames)
        || IsListedName(name, DrainageOptionNames);
}

// The results of one row, or why it was refused.
CalcFields SizeRow(const DomainState& data, const QString& kind, const SectionOptions& options, QString& error)
{
    if (kind == QLatin1String("water")) {
        WaterSection section;
        if (ReadWaterSection(data, options, section, error))
            return SizeWaterSection(data, section);
    } else if (kind == QLatin1String("air")) {
        AirSection section;
        if (ReadAirSection(data, options, section, error))
            return SizeAirSection(data, section);
    } else if (kind == QLatin1String("drainage")) {
        DrainageSection section;
        if (!ReadDrainageSection(data, options, section, error))
            return {};
        if (section.choose)
            return SizeDrainageSection(data, section).choice;
        error = QStringLiteral("flow, units : manquants ; le débit (l/s) ou la somme des DU");
    } else {
        error = QStringLiteral("kind : « %1 » inconnu ; valeurs permises : water|air|drainage").arg(kind);
    }
    return {};
}

}  // namespace

bool RunBatch(const DomainState& data, QIODevice& in, QIODevice& out, QIODevice& messages, bool json, BatchCount& count,
              QString& error)
{
    count = BatchCount();
    CsvReader reader;
    reader.device = &in;
    QStringList header;
    if (!ReadCsvHeader(reader, header, error))
        return false;
    for (const QString& name : header) {
        const bool known = IsOption(name) || IsListedName(name, BatchResultNames)
            || IsListedName(name, DrainageResultNames) || name == QLatin1String("kind") || name == QLatin1String("id")
            || name == QLatin1String("error");
        if (!known) {
            error = QStringLiteral("colonne inconnue « %1 »").arg(name);
            return false;
        }
    }
    if (!header.contains(QStringLiteral("kind"))) {
        error = QStringLiteral("colonne « kind » manquante (water, air ou drainage)");
        return false;
    }
    // The whole schedule first: the drainage columns are added only when a row needs them.
    std::vector<QStringList> lines;
    std::vector<int> lineNumbers;
    for (QStringList cells; ReadCsvRow(reader, cells);) {
        lines.push_back(cells);
        lineNumbers.push_back(reader.line);
    }
    const qsizetype kindColumn = header.indexOf(QStringLiteral("kind"));
    bool drainage = false;
    for (const QStringList& cells : lines)
        drainage = drainage || (kindColumn >= 0 && cells.value(kindColumn).trimmed() == QLatin1String("drainage"));
    QStringList columns = header;
    for (const char* const* result = BatchResultNames; *result; ++result)
        if (!columns.contains(QLatin1String(*result)))
            columns << QString::fromLatin1(*result);
    for (const char* const* result = DrainageResultNames; drainage && *result; ++result)
        if (!columns.contains(QLatin1String(*result)))
            columns << QString::fromLatin1(*result);
    if (!columns.contains(QStringLiteral("error")))
        columns << QStringLiteral("error");
    const qsizetype errorColumn = columns.indexOf(QStringLiteral("error"));
    const qsizetype idColumn = columns.indexOf(QStringLiteral("id"));
    if (reader.byteOrderMark && !json)
        out.write("\xEF\xBB\xBF");
    if (!json)
        out.write(CsvLine(columns, reader.separator).toUtf8());

    for (size_t line = 0; line < lines.size(); ++line) {
        const QStringList& cells = lines[line];
        if (cells.join(QString()).trimmed().isEmpty())
            continue;
        ++count.rows;
        QString kind, message;
        SectionOptions options;
        for (qsizetype c = 0; c < cells.size() && c < header.size(); ++c) {
            const QString value = cells[c].trimmed();
            if (header[c] == QLatin1String("kind"))
                kind = value;
            else if (!value.isEmpty() && IsOption(header[c]))
                options.push_back({header[c], value});
        }
        CalcFields results;
        if (cells.size() > header.size())
            message = QStringLiteral("%1 cellules pour %2 colonnes").arg(cells.size()).arg(header.size());
        else
            results = SizeRow(data, kind, options, message);
        QStringList row = cells;
        while (row.size() < columns.size())
            row << QString();
        row = row.mid(0, columns.size());
        for (const char* const* result = BatchResultNames; *result; ++result)
            if (!IsOption(QString::fromLatin1(*result)))  // flow, power and size may be inputs: kept
                row[columns.indexOf(QLatin1String(*result))].clear();
        for (const char* const* result = DrainageResultNames; *result; ++result)
            if (const qsizetype column = columns.indexOf(QLatin1String(*result)); column >= 0)
                row[column].clear();
        for (const CalcField& field : results)
            row[columns.indexOf(field.name)] = field.text;
        row[errorColumn] = message;
        if (!message.isEmpty()) {
            ++count.failed;
            messages.write(QStringLiteral("ligne %1 : %2\n").arg(lineNumbers[line]).arg(message).toUtf8());
        }
        if (json) {
            CalcFields object;
            if (idColumn >= 0)
                object.push_back({QStringLiteral("id"), row[idColumn]});
            object.push_back({QStringLiteral("kind"), kind});
            object.insert(object.end(), results.begin(), results.end());
            if (!message.isEmpty())
                object.push_back({QStringLiteral("error"), message});
            out.write((JsonObject(object) + u'\n').toUtf8());
        } else {
            out.write(CsvLine(row, reader.separator).toUtf8());
        }
    }
    return true;
}
