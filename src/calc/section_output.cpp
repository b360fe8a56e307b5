#include "calc/section_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct FieldLabel {
    const char* name;
    const char* label;
    const char* unit;
};
// clang-format off
const FieldLabel FieldLabels[] = {
    {"flow", "Débit", "L/h"},
    {"power", "Puissance", "W"},
    {"oversize_power", "Surpuissance", "W"},
    {"total_power", "Puissance totale", "W"},
    {"size", "Diamètre", ""},
    {"theoretical_diameter", "Diamètre théorique", "mm"},
    {"velocity", "Vitesse", "m/s"},
    {"pressure_drop", "Perte de charge", "mmCE/m"},
    {"copy", "Texte à copier", ""},
    {"density", "Masse volumique", "kg/m3"},
    {"viscosity", "Viscosité cin.", "m2/s"},
    {"reynolds", "Nb de Reynolds", ""},
    {"design_flow", "Débit de calcul", "l/s"},
    {"chosen_size", "Diamètre choisi", ""},
    {"capacity", "Capacité", "l/s"},
    {"share", "Taux d'utilisation", "%"},
    {"warning", "Avertissement", ""},
    {"error", "Erreur", ""},
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

QJsonObject JsonMembers(const CalcFields& fields)
{
    QJsonObject object;
    for (const CalcField& field : fields)
        object.insert(field.name, field.text);
    return object;
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
        const bool airDrop = air && field.name == QLatin1String("pressure_drop");
        bool number = false;  // "N/A", "Infini" take no unit
        field.text.toDouble(&number);
        if (label && *label->unit && number)
            line += u' ' + (airDrop ? QStringLiteral("Pa/m") : QString::fromUtf8(label->unit));
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
