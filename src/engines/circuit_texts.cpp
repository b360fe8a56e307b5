#include "engines/circuit_texts.h"

#include "engines/circuit_sizing.h"

namespace {

// "." as the point; never "-0.0" for a loss that rounds to nothing.
QString Decimals(double value, int decimals)
{
    QString text = QString::number(value + 0.0, 'f', decimals);
    if (text.startsWith(u'-') && text.mid(1).toDouble() == 0.0)
        text.remove(0, 1);
    return text;
}

// "5 058,5": "," as the point, a space between thousands.
QString FrenchDecimals(double value, int decimals)
{
    QString text = Decimals(value, decimals).replace(u'.', u',');
    const qsizetype comma = text.indexOf(u',');
    const qsizetype first = text.startsWith(u'-') ? 1 : 0;
    for (qsizetype at = (comma < 0 ? text.size() : comma) - 3; at > first; at -= 3)
        text.insert(at, u' ');
    return text;
}

double Kilopascals(double mmCE)  // [kPa] from [mmCE]
{
    return mmCE * PascalsPerMmCE / 1000.0;
}

double MetresOfWater(double mmCE)  // [mCE] from [mmCE]
{
    return mmCE / 1000.0;
}

QString RowId(const CircuitResult& result, int row)
{
    return row >= 0 && row < static_cast<int>(result.rows.size()) ? result.rows[row].id : QString();
}

}  // namespace

CalcFields CircuitRowFields(const CircuitRowResult& row)
{
    if (!row.error.isEmpty())
        return {{QStringLiteral("error"), row.error}};
    CalcFields fields = row.sizing;
    const SectionLosses& losses = row.losses;
    fields.push_back({QStringLiteral("zeta"), Decimals(row.terms.zeta, 2)});
    fields.push_back({QStringLiteral("linear_loss"), Decimals(losses.linear, 1)});
    fields.push_back({QStringLiteral("singular_loss"), Decimals(losses.singular, 1)});
    fields.push_back({QStringLiteral("fixed_loss"), Decimals(losses.other, 1)});
    fields.push_back({QStringLiteral("total_loss"), Decimals(losses.total, 1)});
    if (row.totals.computed)
        fields.push_back({QStringLiteral("cumulative_loss"), Decimals(row.totals.cumulative, 1)});
    if (row.totals.balanced && row.totals.end)
        fields.push_back({QStringLiteral("reserve"), Decimals(row.totals.reserve, 1)});
    if (row.totals.balanced)
        fields.push_back({QStringLiteral("index"), row.totals.index ? QStringLiteral("1") : QStringLiteral("0")});
    return fields;
}

QStringList CircuitPathIds(const CircuitResult& result, const CircuitSummary& circuit)
{
    QStringList ids;
    for (int row : circuit.tree.path)
        ids << RowId(result, row);
    return ids;
}

CalcFields CircuitSummaryFields(const CircuitResult& result, const CircuitSummary& circuit)
{
    const int root = circuit.tree.root;
    const bool rootSized =
        root >= 0 && root < static_cast<int>(result.rows.size()) && result.rows[root].error.isEmpty();
    CalcFields fields = {
        {QStringLiteral("root"), RowId(result, circuit.tree.root)},
        {QStringLiteral("flow"), rootSized ? Decimals(circuit.flow, 0) : QString()},
    };
    if (!circuit.error.isEmpty()) {
        fields.push_back({QStringLiteral("error"), circuit.error});
        return fields;
    }
    fields.push_back({QStringLiteral("index_end"), RowId(result, circuit.tree.indexEnd)});
    fields.push_back({QStringLiteral("path"), CircuitPathIds(result, circuit).join(QStringLiteral(" > "))});
    fields.push_back({QStringLiteral("head"), Decimals(circuit.tree.head, 1)});
    if (circuit.water) {
        fields.push_back({QStringLiteral("head_kpa"), Decimals(Kilopascals(circuit.tree.head), 2)});
        fields.push_back({QStringLiteral("head_mce"), Decimals(MetresOfWater(circuit.tree.head), 2)});
    }
    return fields;
}

QString IndexCircuitLine(const CircuitResult& result, const CircuitSummary& circuit)
{
    const QString start = QStringLiteral("Circuit le plus défavorisé : ");
    if (!circuit.error.isEmpty())
        return start + circuit.error;
    const double head = circuit.tree.head;  // [mmCE water, Pa air]
    const QString duty = circuit.water ? QStringLiteral("%1 mmCE (%2 kPa ; %3 mCE)")
                                             .arg(FrenchDecimals(head, 1), FrenchDecimals(Kilopascals(head), 2),
                                                  FrenchDecimals(MetresOfWater(head), 2))
                                       : QStringLiteral("%1 Pa").arg(FrenchDecimals(head, 1));
    return start + CircuitPathIds(result, circuit).join(QStringLiteral(" › ")) + QStringLiteral(" — ") + duty
        + QStringLiteral(" — débit %1 %2")
              .arg(FrenchDecimals(circuit.flow, 0), circuit.water ? QStringLiteral("L/h") : QStringLiteral("m³/h"));
}
