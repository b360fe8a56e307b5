#include "calc/section_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct FieldLabel {
    const char* name;
    const char* label;
    const char* unit;
    const char* airUnit;  // where an air section's unit differs
};
// clang-format off
const FieldLabel FieldLabels[] = {
    {"flow", "Débit", "L/h", "m3/h"},
    {"power", "Puissance", "W", nullptr},
    {"oversize_power", "Surpuissance", "W", nullptr},
    {"total_power", "Puissance totale", "W", nullptr},
    {"size", "Diamètre", "", nullptr},
    {"theoretical_diameter", "Diamètre théorique", "mm", nullptr},
    {"velocity", "Vitesse", "m/s", nullptr},
    {"pressure_drop", "Perte de charge", "mmCE/m", "Pa/m"},
    {"copy", "Texte à copier", "", nullptr},
    {"density", "Masse volumique", "kg/m3", nullptr},
    {"viscosity", "Viscosité cin.", "m2/s", nullptr},
    {"reynolds", "Nb de Reynolds", "", nullptr},
    {"design_flow", "Débit de calcul", "l/s", nullptr},
    {"chosen_size", "Diamètre choisi", "", nullptr},
    {"capacity", "Capacité", "l/s", nullptr},
    {"share", "Taux d'utilisation", "%", nullptr},
    {"root", "Circuit", "", nullptr},
    {"index_end", "Terminal défavorisé", "", nullptr},
    {"path", "Chemin", "", nullptr},
    {"head", "Pression à fournir", "mmCE", "Pa"},
    {"head_kpa", "soit", "kPa", nullptr},
    {"head_mce", "soit", "mCE", nullptr},
    {"warning", "Avertissement", "", nullptr},
    {"error", "Erreur", "", nullptr},
};
const char* const DrainageHeadings[] = {"DN", "Débit (l/s)", "Vitesse (m/s)", "Ø Int. (mm)", "Ø Ext. (mm)"};
// clang-format on

const FieldLabel* FindLabel(const QString& name)
{
    for (const FieldLabel& label : FieldLabels)
        if (name == QLatin1String(label.name))
            return &label;
    return nullptr;
}

QString OneLine(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

}  // namespace

QString FieldTable(const CalcFields& fields, bool air)
{
    qsizetype width = 0;
    for (const CalcField& field : fields)
        if (const FieldLabel* label = FindLabel(field.name))
            width = std::max(width, QString::fromUtf8(label->label).size());
    QString out;
    for (const CalcField& field : fields) {
        const FieldLabel* label = FindLabel(field.name);
        const QString name = label ? QString::fromUtf8(label->label) : field.name;
        QString line = name.leftJustified(width + 2) + field.text;
        bool number = false;  // "N/A", "Infini" take no unit
        field.text.toDouble(&number);
        if (label && *label->unit && number)
            line += u' ' + QString::fromUtf8(air && label->airUnit ? label->airUnit : label->unit);
        out += line + u'\n';
    }
    return out;
}

QString DrainageTableText(const std::vector<CalcFields>& rows)
{
    const int columns = static_cast<int>(std::size(DrainageHeadings));
    std::vector<qsizetype> widths(columns);
    for (int c = 0; c < columns; ++c) {
        widths[c] = QString::fromUtf8(DrainageHeadings[c]).size();
        for (const CalcFields& row : rows)
            if (c < static_cast<int>(row.size()))
                widths[c] = std::max(widths[c], row[c].text.size());
    }
    const auto line = [&](const QStringList& cells) {
        QStringList padded;
        for (int c = 0; c < cells.size(); ++c)
            padded << (c == 0 ? cells[c].leftJustified(widths[c]) : cells[c].rightJustified(widths[c]));
        return padded.join(QStringLiteral("  ")) + u'\n';
    };
    QStringList headings;
    for (const char* heading : DrainageHeadings)
        headings << QString::fromUtf8(heading);
    QString out = line(headings);
    for (const CalcFields& row : rows) {
        QStringList cells;
        for (const CalcField& field : row)
            cells << field.text;
        out += line(cells);
    }
    return out;
}

QJsonObject JsonMembers(const CalcFields& fields)
{
    QJsonObject object;
    for (const CalcField& field : fields)
        object.insert(field.name, field.text);
    return object;
}

QString JsonObject(const CalcFields& fields)
{
    return OneLine(JsonMembers(fields));
}

QString DrainageJson(const CalcFields& head, const std::vector<CalcFields>& rows)
{
    QJsonArray objects;
    for (const CalcFields& row : rows)
        objects.append(JsonMembers(row));
    QJsonObject object = JsonMembers(head);
    object.insert(QStringLiteral("rows"), objects);
    return OneLine(object);
}
