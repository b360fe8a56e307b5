#include "engines/circuit.h"

#include <QHash>

#include "engines/air_section.h"
#include "engines/csv_rows.h"
#include "engines/water_section.h"

const char* const CircuitColumnNames[] = {"id", "upstream", "length", "fittings", "fixed", nullptr};
const char* const CircuitResultNames[] = {
    "zeta",    "linear_loss", "singular_loss", "fixed_loss", "total_loss", "cumulative_loss",
    "reserve", "index",       "error",         nullptr};

namespace {

constexpr int LongestId = 32;       // [characters]
constexpr double LongestRun = 1e9;  // [m]

// What vorquil-calc circuit writes after the inputs (flow, power and size
// are inputs too): read back and left out.
const char* const SizingResultNames[] = {"oversize_power", "total_power",   "theoretical_diameter",
                                         "velocity",       "pressure_drop", "copy",
                                         "density",        "viscosity",     "reynolds",
                                         "warning",        nullptr};

bool IsOption(const QString& name)
{
    return IsListedName(name, WaterOptionNames) || IsListedName(name, AirOptionNames);
}

bool IsResult(const QString& name)
{
    return IsListedName(name, SizingResultNames) || IsListedName(name, CircuitResultNames);
}

// A default that goes with options the row sets itself would contradict them
// (a velocity limit under a row's own "mode pdc", a roughness beside its own
// material): it is left out.
bool DefaultFits(const QString& name, const SectionOptions& own)
{
    static const struct {
        const char* option;
        std::vector<const char*> linked;
    } links[] = {
        {"limit", {"mode", "size"}},
        {"size", {"mode", "limit"}},
        {"diameter", {"mode", "shape", "limit", "side-a", "side-b"}},
        {"side-a", {"shape", "diameter"}},
        {"side-b", {"mode", "shape", "limit", "diameter"}},
        {"material", {"roughness"}},
        {"roughness", {"material"}},
    };
    // Flows belong to each row; an oversizing only to a row given its power.
    if (name == QLatin1String("flow") || name == QLatin1String("power"))
        return false;
    if (name == QLatin1String("oversize"))
        return FindOption(own, "power") != nullptr;
    for (const auto& link : links)
        if (name == QLatin1String(link.option))
            for (const char* other : link.linked)
                if (FindOption(own, other))
                    return false;
    return true;
}

// The column a message ("flow, power : manquants") is about.
QString MessageColumn(const QString& message)
{
    const qsizetype colon = message.indexOf(QStringLiteral(" : "));
    const QString names = colon < 0 ? QString() : message.left(colon);
    const QString first = names.section(u',', 0, 0).trimmed();
    return IsOption(first) || first == QLatin1String("kind") || IsListedName(first, CircuitColumnNames) ? first
                                                                                                        : QString();
}

// What a row's sizing found, for its losses and for the rows upstream of it.
struct RowSizing {
    bool done = false;
    QString error;           // why it was not sized
    double velocity = 0.0;   // v [m/s]
    double gradient = 0.0;   // j [mmCE/m water, Pa/m air]
    double density = 0.0;    // rho [kg/m3]
    double viscosity = 0.0;  // nu [m2/s]
};

// Why a sizing run gave no size, naming the option to change.
QString NotSizedMessage(bool water, const CalcFields& fields, int mode, SizingStatus status, bool theoretical,
                        const QString& library)
{
    const QString size = CalcFieldText(fields, "size");
    if (status == SizingStatus::Infinite)
        return water ? QStringLiteral("return : Infini ; départ et retour à la même température : débit infini "
                                      "pour la puissance donnée")
                     : QStringLiteral("flow : Infini ; vitesse ou perte de charge non finie");
    if (status == SizingStatus::NothingToSize)
        return QStringLiteral("flow : rien à dimensionner");
    if (mode == ModeImposedSize)
        return QStringLiteral("size : N/A ; la taille imposée « %1 » ne peut pas être dimensionnée").arg(size);
    if (theoretical)
        return water
            ? QStringLiteral("limit : N/A ; le diamètre théorique %1 mm dépasse la plus grande taille de « %2 »")
                  .arg(CalcFieldText(fields, "theoretical_diameter"), library)
            : QStringLiteral("limit : N/A ; aucun diamètre normalisé n'atteint le diamètre théorique %1 mm")
                  .arg(CalcFieldText(fields, "theoretical_diameter"));
    return water ? QStringLiteral("limit : N/A ; aucune taille de « %1 » ne respecte la limite").arg(library)
                 : QStringLiteral("limit : N/A ; aucune gaine ne respecte la limite (côté de 50 mm au moins)");
}

RowSizing SizeRow(const DomainState& data, bool water, const SectionOptions& options, CircuitRowResult& row)
{
    RowSizing sized;
    if (water) {
        WaterSection section;
        if (!ReadWaterSection(data, options, section, sized.error))
            return sized;
        WaterOutcome outcome;
        row.sizing = SizeWaterSection(data, section, outcome);
        if (outcome.status != SizingStatus::Sized) {
            sized.error = NotSizedMessage(true, row.sizing, outcome.mode, outcome.status,
                                          outcome.diameter == WaterDiameterShown::Shown,
                                          data.waterLibraries[section.library].name);
            return sized;
        }
        sized.velocity = outcome.velocity;
        sized.gradient = outcome.gradient;
        sized.density = outcome.fluid.density;
        sized.viscosity = outcome.fluid.kinematicViscosity;
    } else {
        AirSection section;
        if (!ReadAirSection(data, options, section, sized.error))
            return sized;
        AirOutcome outcome;
        row.sizing = SizeAirSection(data, section, outcome);
        if (outcome.status != SizingStatus::Sized) {
            sized.error = NotSizedMessage(false, row.sizing, section.inputs.mode, outcome.status,
                                          outcome.theoreticalDiameter > 0.0f, QString());
            return sized;
        }
        // The flow is an input that a schedule row keeps; a trunk shows the sum it was sized on.
        row.sizing.insert(row.sizing.begin(), {QStringLiteral("flow"), *FindOption(options, "flow")});
        sized.velocity = outcome.velocity;
        sized.gradient = outcome.pressureDrop;
        sized.density = outcome.air.density;
        sized.viscosity = outcome.air.viscosity;
    }
    row.flow = CalcFieldText(row.sizing, "flow").toDouble();
    sized.done = true;
    return sized;
}

void Refuse(CircuitRowResult& row, const QString& error, const QString& column)
{
    if (!row.error.isEmpty())
        return;
    row.error = error;
    row.errorColumn = column;
}

}  // namespace

bool ReadCircuitSchedule(QIODevice& in, CircuitSchedule& schedule, QString& error)
{
    schedule = CircuitSchedule();
    CsvReader reader;
    reader.device = &in;
    QStringList header;
    if (!ReadCsvHeader(reader, header, error))
        return false;
    std::vector<qsizetype> kept;  // the file's columns the schedule keeps
    bool written = false;         // the file holds a sized circuit's results
    for (qsizetype c = 0; c < header.size(); ++c) {
        const QString& name = header[c];
        if (!IsOption(name) && !IsResult(name) && name != QLatin1String("kind")
            && !IsListedName(name, CircuitColumnNames)) {
            error = QStringLiteral("colonne inconnue « %1 »").arg(name);
            return false;
        }
        if (schedule.header.contains(name)) {
            error = QStringLiteral("colonne « %1 » en double").arg(name);
            return false;
        }
        written = written || IsListedName(name, CircuitResultNames);
        if (!IsResult(name)) {
            kept.push_back(c);
            schedule.header << name;
        }
    }
    if (!schedule.header.contains(QStringLiteral("id"))) {
        error = QStringLiteral("colonne « id » manquante");
        return false;
    }
    schedule.separator = reader.separator.isNull() ? QChar(u';') : reader.separator;
    schedule.byteOrderMark = reader.byteOrderMark;
    const qsizetype flow = schedule.header.indexOf(QStringLiteral("flow"));
    const qsizetype power = schedule.header.indexOf(QStringLiteral("power"));
    const qsizetype size = schedule.header.indexOf(QStringLiteral("size"));
    const qsizetype mode = schedule.header.indexOf(QStringLiteral("mode"));
    const qsizetype kind = schedule.header.indexOf(QStringLiteral("kind"));
    for (QStringList cells; ReadCsvRow(reader, cells);) {
        if (cells.join(QString()).trimmed().isEmpty())
            continue;
        for (qsizetype c = header.size(); c < cells.size(); ++c)
            if (!cells[c].trimmed().isEmpty()) {
                error = QStringLiteral("ligne %1 : %2 cellules pour %3 colonnes")
                            .arg(reader.line)
                            .arg(cells.size())
                            .arg(header.size());
                return false;
            }
        QStringList row;
        for (qsizetype c : kept)
            row << cells.value(c);
        // A written row holds the flow derived from its power and the size its
        // search chose: results, not what the user typed.
        if (written && flow >= 0 && power >= 0 && !row[power].trimmed().isEmpty())
            row[flow].clear();
        if (written && size >= 0
            && (mode < 0 || row[mode].trimmed() != QLatin1String("dn")
                || (kind >= 0 && row[kind].trimmed() == QLatin1String("air"))))
            row[size].clear();
        schedule.rows.push_back(row);
        schedule.lines.push_back(reader.line);
    }
    return true;
}

QByteArray CircuitScheduleText(const CircuitSchedule& schedule)
{
    const QChar separator = schedule.separator.isNull() ? QChar(u';') : schedule.separator;
    QString text = CsvLine(schedule.header, separator);
    for (const QStringList& row : schedule.rows) {
        QStringList cells = row;
        while (cells.size() < schedule.header.size())
            cells << QString();
        text += CsvLine(cells.mid(0, schedule.header.size()), separator);
    }
    return (schedule.byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
}

namespace {

// What a row reads before it is sized, and what the rows downstream of it
// give it.
struct RowWork {
    bool kindKnown = false;
    double length = 0.0;            // L [m]
    double fixedLoss = 0.0;         // the "fixed" cell [Pa]
    QString readError, readColumn;  // its first fault in the length, fittings or fixed column
    bool trunk = false;             // rows downstream of it
    double downstreamFlow = 0.0;    // sum of their flows as shown [L/h water, m3/h air]
    int unsizedDownstream = -1;     // the first of them that has no flow
    RowSizing sized;
};

// Its id, its upstream row and its fluid: faults said in the row's error.
// `rowOf` gives the first row of each id.
void ReadPlace(const CircuitSchedule& schedule, int r, const QString& upstream, const QString& kind,
               const QHash<QString, int>& rowOf, std::vector<RowWork>& work, CircuitResult& result)
{
    CircuitRowResult& row = result.rows[r];
    const auto fail = [&](const QString& message, const char* column) {
        Refuse(row, message, QString::fromLatin1(column));
    };
    if (row.id.isEmpty()) {
        fail(QStringLiteral("id : manquant ; chaque ligne a un identifiant unique"), "id");
    } else if (row.id.size() > LongestId) {
        fail(QStringLiteral("id : « %1 » : %2 caractères au plus").arg(row.id).arg(LongestId), "id");
    } else if (const int first = rowOf.value(row.id, r); first != r) {
        const int line = size_t(first) < schedule.lines.size() ? schedule.lines[first] : 0;
        fail(line > 0 ? QStringLiteral("id : « %1 » déjà utilisé à la ligne %2").arg(row.id).arg(line)
                      : QStringLiteral("id : « %1 » déjà utilisé").arg(row.id),
             "id");
    }
    if (!upstream.isEmpty()) {
        const int up = rowOf.value(upstream, -1);
        if (upstream == row.id)
            fail(QStringLiteral("upstream : « %1 » est la ligne elle-même").arg(upstream), "upstream");
        else if (up < 0)
            fail(QStringLiteral("upstream : « %1 » inconnu").arg(upstream), "upstream");
        else if (up > r)
            fail(QStringLiteral("upstream : « %1 » est plus bas ; la ligne amont doit la précéder").arg(upstream),
                 "upstream");
        else
            row.upstream = up;
    }
    if (kind == QLatin1String("water") || kind == QLatin1String("air")) {
        row.water = kind == QLatin1String("water");
        work[r].kindKnown = true;
        const int up = row.upstream;
        if (up >= 0 && work[up].kindKnown && result.rows[up].water != row.water) {
            work[r].kindKnown = false;
            fail(QStringLiteral("kind : « %1 » sous la ligne « %2 » qui est « %3 » ; un circuit n'a qu'un fluide")
                     .arg(kind, result.rows[up].id, row.water ? QStringLiteral("air") : QStringLiteral("water")),
                 "kind");
        }
    } else if (kind.isEmpty()) {
        fail(QStringLiteral("kind : manquant ; water ou air"), "kind");
    } else if (kind == QLatin1String("drainage")) {
        fail(QStringLiteral("kind : « drainage » : un circuit est d'eau (water) ou d'air (air)"), "kind");
    } else {
        fail(QStringLiteral("kind : « %1 » inconnu ; valeurs permises : water|air").arg(kind), "kind");
    }
}

// Its length, fittings and fixed loss: the first fault is kept for after the sizing.
void ReadLosses(const FittingCatalogue& catalogue, const QString& length, const QString& fittings, const QString& fixed,
                RowWork& work, CircuitRowResult& row)
{
    QString message;
    const auto fault = [&](const QString& text, const char* column) {
        work.readError = text;
        work.readColumn = QString::fromLatin1(column);
    };
    if (!length.isEmpty()) {
        if (!ReadDecimal(QStringLiteral("length"), length, -LongestRun, LongestRun, "m", work.length, message))
            return fault(message, "length");
        if (work.length < 0.0)
            return fault(QStringLiteral("length : « %1 » : une longueur est positive ou nulle").arg(length), "length");
    }
    const FittingDomain domain = row.water ? FittingDomain::Water : FittingDomain::Air;
    if (work.kindKnown && !ReadFittingTerms(fittings, catalogue, domain, row.terms, message))
        return fault(message, "fittings");
    if (!ReadFixedLoss(fixed, work.fixedLoss, message))
        return fault(message, "fixed");
}

// The options a row is sized with: its own cells, the sum of the flows
// downstream on a trunk given none, then the defaults that fit.
SectionOptions RowOptions(const CircuitSchedule& schedule, int r, const RowWork& work, const SectionOptions& defaults,
                          bool water, QString& error)
{
    SectionOptions options;
    const QStringList& cells = schedule.rows[r];
    for (qsizetype c = 0; c < schedule.header.size() && c < cells.size(); ++c)
        if (const QString value = cells[c].trimmed(); !value.isEmpty() && IsOption(schedule.header[c]))
            options.push_back({schedule.header[c], value});
    const bool quantity = FindOption(options, "flow") || FindOption(options, "power");
    if (work.trunk && !quantity) {
        if (work.unsizedDownstream >= 0)
            error = QStringLiteral("flow : pas de débit à sommer ; la ligne en aval « %1 » n'est pas dimensionnée")
                        .arg(schedule.rows[work.unsizedDownstream]
                                 .value(schedule.header.indexOf(QStringLiteral("id")))
                                 .trimmed());
        else
            options.push_back({QStringLiteral("flow"), QString::number(work.downstreamFlow, 'f', 0)});
    }
    const SectionOptions own = options;
    for (const SectionOption& option : defaults)
        if (IsListedName(option.name, water ? WaterOptionNames : AirOptionNames)
            && !FindOption(own, option.name.toLatin1().constData()) && DefaultFits(option.name, own))
            options.push_back(option);
    return options;
}

}  // namespace

CircuitResult SizeCircuit(const DomainState& data, const FittingCatalogue& catalogue, const CircuitSchedule& schedule,
                          const SectionOptions& defaults)
{
    const int count = static_cast<int>(schedule.rows.size());
    CircuitResult result;
    result.rows.resize(schedule.rows.size());
    std::vector<RowWork> work(schedule.rows.size());
    const auto column = [&](const char* name) { return schedule.header.indexOf(QLatin1String(name)); };
    const qsizetype idColumn = column("id"), upstreamColumn = column("upstream"), kindColumn = column("kind"),
                    lengthColumn = column("length"), fittingsColumn = column("fittings"), fixedColumn = column("fixed");
    const auto cell = [&](int r, qsizetype c) { return c < 0 ? QString() : schedule.rows[r].value(c).trimmed(); };
    const QString* kindDefault = FindOption(defaults, "kind");

    QHash<QString, int> rowOf;
    rowOf.reserve(count);
    for (int r = count - 1; r >= 0; --r)
        if (const QString id = cell(r, idColumn); !id.isEmpty())
            rowOf.insert(id, r);
    for (int r = 0; r < count; ++r) {
        CircuitRowResult& row = result.rows[r];
        row.id = cell(r, idColumn);
        QString kind = cell(r, kindColumn);
        if (kind.isEmpty() && kindDefault)
            kind = kindDefault->trimmed();
        ReadPlace(schedule, r, cell(r, upstreamColumn), kind, rowOf, work, result);
        ReadLosses(catalogue, cell(r, lengthColumn), cell(r, fittingsColumn), cell(r, fixedColumn), work[r], row);
    }

    // Backwards, so that a trunk comes after every row downstream of it.
    for (int r = count - 1; r >= 0; --r) {
        CircuitRowResult& row = result.rows[r];
        RowWork& own = work[r];
        if (own.kindKnown) {
            QString error;
            const SectionOptions options = RowOptions(schedule, r, own, defaults, row.water, error);
            if (error.isEmpty())
                own.sized = SizeRow(data, row.water, options, row);
            else
                own.sized.error = error;
        }
        if (row.upstream < 0)
            continue;
        RowWork& up = work[row.upstream];
        up.trunk = true;
        if (own.sized.done)
            up.downstreamFlow += row.flow;
        else
            up.unsizedDownstream = r;
    }

    std::vector<TreeSection> tree(schedule.rows.size());
    std::vector<int> refusedAt(schedule.rows.size(), -1);  // the row whose refusal stops this one
    for (int r = 0; r < count; ++r) {
        CircuitRowResult& row = result.rows[r];
        const RowWork& own = work[r];
        Refuse(row, own.readError, own.readColumn);
        if (own.kindKnown && !own.sized.done)
            Refuse(row, own.sized.error, MessageColumn(own.sized.error));
        if (!row.error.isEmpty())
            refusedAt[r] = r;
        else if (row.upstream >= 0 && refusedAt[row.upstream] >= 0) {
            refusedAt[r] = refusedAt[row.upstream];
            Refuse(row,
                   QStringLiteral("upstream : la ligne amont « %1 » est refusée").arg(result.rows[refusedAt[r]].id),
                   QStringLiteral("upstream"));
        }
        tree[r].upstream = row.upstream;
        tree[r].refused = refusedAt[r] >= 0;
        if (tree[r].refused) {
            row.sizing.clear();
            ++result.failed;
            continue;
        }
        row.density = own.sized.density;
        row.viscosity = own.sized.viscosity;
        SectionLossInputs in;
        in.water = row.water;
        in.velocity = own.sized.velocity;
        in.density = own.sized.density;
        in.gradient = own.sized.gradient;
        in.length = own.length;
        in.zeta = row.terms.zeta;
        in.kv = row.terms.kv;
        in.flow = row.flow;
        in.fixedLoss = row.terms.fixedLoss + own.fixedLoss;
        row.losses = SectionLossesOf(in);
        tree[r].total = row.losses.total;
    }

    TreeTotals totals = SumCircuitTree(tree);
    std::vector<int> circuitOf(schedule.rows.size(), -1);
    for (size_t c = 0; c < totals.circuits.size(); ++c)
        circuitOf[totals.circuits[c].root] = static_cast<int>(c);
    for (int r = 0; r < count; ++r) {
        result.rows[r].totals = totals.sections[r];
        if (circuitOf[r] < 0)
            circuitOf[r] = circuitOf[result.rows[r].upstream];
    }
    for (TreeCircuit& tree : totals.circuits) {
        CircuitSummary summary;
        const CircuitRowResult& root = result.rows[tree.root];
        summary.water = root.water;
        summary.flow = root.error.isEmpty() ? root.flow : 0.0;
        summary.tree = std::move(tree);
        result.circuits.push_back(std::move(summary));
    }
    for (int r = 0; r < count; ++r) {
        CircuitSummary& summary = result.circuits[circuitOf[r]];
        if (!summary.tree.computed && summary.error.isEmpty() && refusedAt[r] == r)
            summary.error = QStringLiteral("non calculé : la ligne « %1 » est refusée (%2)")
                                .arg(result.rows[r].id, result.rows[r].error);
    }
    return result;
}
