#include "network/calculation_note.h"

#include <QBuffer>
#include <QDir>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>

#include "base/file_error.h"
#include "base/identity.h"
#include "base/safe_save.h"
#include "engines/circuit_texts.h"
#include "network/circuit_copy.h"
#include "network/circuit_table.h"

namespace {

// "5058.5" as the circuit texts write it, "5 058,5" as the status line
// shows it: the same digits, grouped by three with a blank.
QString French(const QString& text)
{
    QString french = text;
    french.replace(u'.', u',');
    const qsizetype comma = french.indexOf(u',');
    const qsizetype first = french.startsWith(u'-') ? 1 : 0;
    for (qsizetype at = (comma < 0 ? french.size() : comma) - 3; at > first; at -= 3)
        french.insert(at, u' ');
    return french;
}

// Four significant digits, "," as the decimal point.
QString Significant(double value)
{
    return QString::number(value, 'g', 4).replace(u'.', u',');
}

QString Html(const QString& text)
{
    return text.toHtmlEscaped();
}

// rho [kg/m3] and nu [m2/s], nu as "4,05 × 10<sup>-7</sup>".
QString PropertiesHtml(double density, double viscosity)
{
    if (density <= 0.0 || viscosity <= 0.0)
        return QStringLiteral("non calculées (aucun tronçon dimensionné)");
    const QStringList scientific = QString::number(viscosity, 'e', 3).split(u'e');  // "3.863", "-07"
    return QStringLiteral("masse volumique ρ = %1 kg/m³ ; viscosité cinématique ν = %2 × 10<sup>%3</sup> m²/s")
        .arg(Significant(density), QString(scientific[0]).replace(u'.', u','), QString::number(scientific[1].toInt()));
}

QString FittingValue(const Fitting& fitting)
{
    const QString value = Significant(fitting.value);
    switch (fitting.type) {
    case FittingType::Zeta:
        return QStringLiteral("ζ = %1").arg(value);
    case FittingType::Kv:
        return QStringLiteral("Kv = %1 m³/h").arg(value);
    case FittingType::FixedLoss:
        return QStringLiteral("%1 Pa").arg(value);
    }
    return value;
}

// The number of rows upstream of a row, for the indent that shows the tree.
int Depth(const CircuitResult& result, int row)
{
    int depth = 0;
    for (int up = result.rows[row].upstream; up >= 0 && depth < static_cast<int>(result.rows.size());
         up = result.rows[up].upstream)
        ++depth;
    return depth;
}

QString TableHtml(const CircuitSchedule& schedule, const CircuitResult& result, bool water)
{
    const std::vector<CircuitColumnInfo> columns = CircuitColumns(water);
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" style=\"border-collapse: collapse\">"
        "<thead><tr>");
    for (const CircuitColumnInfo& info : columns) {
        html += QStringLiteral("<th bgcolor=\"#e4e4e4\">%1</th>").arg(Html(CircuitColumnTitle(info.column, water)));
        if (info.column == CircuitColumn::Id)
            html += QStringLiteral("<th bgcolor=\"#e4e4e4\">%1</th>").arg(Html(UpstreamTitle));
    }
    html += QStringLiteral("</tr></thead>");
    for (int row = 0; row < static_cast<int>(schedule.rows.size()); ++row) {
        const bool sized = row < static_cast<int>(result.rows.size());
        const bool index = sized && result.rows[row].totals.index;
        html += index ? QStringLiteral("<tr bgcolor=\"#fff2cc\" style=\"font-weight: bold\">") : QStringLiteral("<tr>");
        for (const CircuitColumnInfo& info : columns) {
            QString cell = Html(CommaCellText(schedule, result, row, info));
            if (info.column == CircuitColumn::Id && sized)
                cell = QStringLiteral("&nbsp;&nbsp;&nbsp;").repeated(Depth(result, row)) + cell;
            // Words are never cut (a number's comma included); a long
            // fittings text may go to the next line after a "+".
            if (info.column == CircuitColumn::Fittings)
                cell.replace(u'+', QStringLiteral("+\u200B"));
            else
                cell.replace(u',', QStringLiteral(",\u2060"));  // word joiner
            html += info.editable ? QStringLiteral("<td>%1</td>").arg(cell)
                                  : QStringLiteral("<td align=\"right\">%1</td>").arg(cell);
            if (info.column == CircuitColumn::Id)
                html += QStringLiteral("<td>%1</td>").arg(Html(UpstreamText(schedule, row)));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString RefusedHtml(const CircuitResult& result)
{
    QString items;
    for (const CircuitRowResult& row : result.rows)
        if (!row.error.isEmpty())
            items += QStringLiteral("<li>%1 : %2</li>").arg(Html(row.id), Html(row.error));
    if (items.isEmpty())
        return QString();
    return QStringLiteral("<h2>Tronçons non calculés</h2><ul>%1</ul>").arg(items);
}

QString NoteHtml(const CalculationNote& note, const CircuitSchedule& schedule, const CircuitResult& result, bool water)
{
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h1>Note de calcul — réseau %1</h1>")
                .arg(water ? QStringLiteral("d'eau") : QStringLiteral("d'air"));
    html += QStringLiteral("<table cellpadding=\"1\">");
    const auto line = [&html](const QString& name, const QString& valueHtml) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(Html(name), valueHtml);
    };
    line(QStringLiteral("Projet :"), Html(note.project.isEmpty() ? QStringLiteral("(sans nom)") : note.project));
    line(QStringLiteral("Date :"), Html(QLocale(QLocale::French).toString(note.date, QStringLiteral("d MMMM yyyy"))));
    line(QStringLiteral("Programme :"), Html(ProgramTitle + u' ' + note.version));
    line(QStringLiteral("Fluide :"), Html(note.fluid));
    line(QStringLiteral("Propriétés :"), PropertiesHtml(note.density, note.viscosity));
    html += QStringLiteral("</table>");

    if (!note.rules.isEmpty()) {
        html += QStringLiteral("<h2>Règles de dimensionnement</h2><ul>");
        for (const QString& rule : note.rules)
            html += QStringLiteral("<li>%1</li>").arg(Html(rule));
        html += QStringLiteral("</ul>");
    }

    html += QStringLiteral("<h2>Tronçons</h2>");
    html += TableHtml(schedule, result, water);
    html += QStringLiteral("<p>Les tronçons du circuit le plus défavorisé sont en gras.</p>");
    html += RefusedHtml(result);

    html += QStringLiteral("<h2>Circuit le plus défavorisé et point de fonctionnement</h2>");
    const QString machine = water ? QStringLiteral("Pompe") : QStringLiteral("Ventilateur");
    const QString pressure = water ? QStringLiteral("hauteur manométrique") : QStringLiteral("pression");
    for (const NoteDutyPoint& duty : note.dutyPoints) {
        html += QStringLiteral("<p>%1").arg(Html(duty.indexCircuit));
        if (!duty.head.isEmpty())
            html += QStringLiteral("<br/><b>%1 : débit %2, %3 %4</b>")
                        .arg(Html(machine), Html(duty.flow), Html(pressure), Html(duty.head));
        html += QStringLiteral("</p>");
    }

    html += QStringLiteral("<h2>Méthode</h2><p>Perte de charge linéaire = j × L ; singulière = Σζ × ρv²/2 (chaque ζ "
                           "rapporté à la vitesse du tronçon où il est écrit)");
    if (water)
        html += QStringLiteral(" ; robinet de Kv donné : 10<sup>5</sup> × (Q/1000/Kv)² × ρ/1000 Pa, Q en L/h ; "
                               "1 mmCE = 9,81 Pa, 1 mCE = 1000 mmCE");
    html += QStringLiteral(". Cumul : somme des tronçons depuis %1 ; la réserve d'une extrémité est ce que sa vanne "
                           "d'équilibrage doit reprendre.</p>")
                .arg(water ? QStringLiteral("la pompe") : QStringLiteral("le ventilateur"));

    html += QStringLiteral("<h2>Singularités du catalogue</h2>");
    if (note.fittings.empty()) {
        html += QStringLiteral("<p>Aucune singularité du catalogue n'est employée.</p>");
    } else {
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" "
                               "style=\"border-collapse: collapse\"><thead><tr><th bgcolor=\"#e4e4e4\">Code</th>"
                               "<th bgcolor=\"#e4e4e4\">Désignation</th><th bgcolor=\"#e4e4e4\">Valeur</th>"
                               "<th bgcolor=\"#e4e4e4\">Source</th></tr></thead>");
        for (const Fitting& fitting : note.fittings)
            html +=
                QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(Html(fitting.code), Html(fitting.label), Html(FittingValue(fitting)), Html(fitting.source));
        html += QStringLiteral("</table>");
    }
    return html + QStringLiteral("</body></html>");
}

}  // namespace

CalculationNote CalculationNoteOf(const CircuitResult& result, bool water)
{
    CalculationNote note;
    note.date = QDate::currentDate();
    note.version = ProgramVersion;
    for (const CircuitRowResult& row : result.rows) {
        if (row.error.isEmpty() && row.density > 0.0) {
            note.density = row.density;
            note.viscosity = row.viscosity;
            break;
        }
    }
    for (const CircuitSummary& circuit : result.circuits) {
        NoteDutyPoint duty;
        duty.indexCircuit = IndexCircuitLine(result, circuit);
        if (circuit.error.isEmpty() && circuit.tree.computed) {
            const CalcFields fields = CircuitSummaryFields(result, circuit);
            duty.flow =
                French(CalcFieldText(fields, "flow")) + (water ? QStringLiteral(" L/h") : QStringLiteral(" m³/h"));
            duty.head = water
                ? QStringLiteral("%1 mmCE (%2 kPa ; %3 mCE)")
                      .arg(French(CalcFieldText(fields, "head")), French(CalcFieldText(fields, "head_kpa")),
                           French(CalcFieldText(fields, "head_mce")))
                : QStringLiteral("%1 Pa").arg(French(CalcFieldText(fields, "head")));
        }
        note.dutyPoints.push_back(duty);
    }
    for (const CircuitRowResult& row : result.rows)
        for (const FittingUse& use : row.terms.used) {
            if (!use.fitting)
                continue;
            const auto same = [&use](const Fitting& known) {
                return known.domain == use.fitting->domain
                    && known.code.compare(use.fitting->code, Qt::CaseInsensitive) == 0;
            };
            if (std::none_of(note.fittings.begin(), note.fittings.end(), same))
                note.fittings.push_back(*use.fitting);
        }
    return note;
}

bool WriteCalculationNote(const QString& path, const CalculationNote& note, const CircuitSchedule& schedule,
                          const CircuitResult& result, bool water, QString& error)
{
    // Composed in memory, so that a failure leaves the file as it was.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Note de calcul — %1").arg(note.project));
        writer.setCreator(ProgramTitle + u' ' + note.version);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setResolution(300);
        QTextDocument document;
        QFont font = document.defaultFont();
        font.setPointSizeF(7.5);
        // No ligatures: "fi" must stay two letters for a search in the PDF.
        font.setStyleStrategy(QFont::PreferNoShaping);
        document.setDefaultFont(font);
        QTextOption wrap = document.defaultTextOption();
        wrap.setWrapMode(QTextOption::WordWrap);
        document.setDefaultTextOption(wrap);
        document.setDefaultStyleSheet(QStringLiteral("h1 { font-size: 14pt; } h2 { font-size: 10pt; }"));
        document.setHtml(NoteHtml(note, schedule, result, water));
        document.print(&writer);
    }
    int errorNumber = 0;
    if (buffer.data().isEmpty())
        error = QStringLiteral("La note de calcul n'a pas pu être composée.");
    else if (SaveFileWhole(path, buffer.data(), &errorNumber))
        return true;
    else
        error = QStringLiteral("La note de calcul n'a pas pu être enregistrée dans le fichier :\r\n%1\r\n(%2).")
                    .arg(QDir::toNativeSeparators(path), FileErrorText(errorNumber));
    return false;
}
