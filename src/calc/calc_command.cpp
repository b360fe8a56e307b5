#include "calc/calc_command.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include "base/identity.h"
#include "calc/batch.h"
#include "calc/calc_data.h"
#include "calc/circuit_command.h"
#include "calc/drainage_section.h"
#include "calc/section_output.h"
#include "engines/air_section.h"
#include "engines/delivered_libraries.h"
#include "engines/water_section.h"

namespace {

const char* const HelpText = R"(Usage : vorquil-calc COMMANDE [OPTIONS]

Dimensionne en ligne de commande, avec les moteurs et les bibliothèques de
Vorquil III, et donne les textes que montre la fenêtre.

Commandes :
  water     une tuyauterie d'eau
              --library NOM  --mode pdc|dn|vitesse  --limit VALEUR (mmCE/m ou m/s)
              --size DÉSIGNATION (mode dn)  --flow L/h | --power W (l'un des deux)
              --oversize %  (avec --power)  --supply °C  --return °C  --antifreeze %
  air       une gaine d'air
              --shape circ|rect  --mode pdc|dn|vitesse  --limit VALEUR (Pa/m ou m/s)
              --diameter mm (circ, dn)  --side-a mm (rect)  --side-b mm (rect, dn)
              --flow m3/h (obligatoire)  --temp °C (-50 à 150)  --humidity %  --altitude m
              --material NOM | --roughness mm
  drainage  le tableau des capacités d'une bibliothèque d'évacuation
              --library NOM  --fill 5|7  --slope cm/m  --code-roughness yes|no
              et, pour choisir le diamètre : --flow l/s, ou --units ΣDU
              --frequency 0.5|0.7|1.0|1.2 (K ; débit = K × √ΣDU, K 0.5 sans l'option)
  batch FICHIER.csv [-o SORTIE.csv]
            une section par ligne (séparateur , ; ou tabulation ; UTF-8, Latin-1
            ou UTF-16) ; colonnes : kind (water, air, drainage), id facultatif, et les
            options sans tirets ; la colonne warning signale une donnée hors du
            domaine conseillé des modèles
  circuit FICHIER.csv [OPTIONS] [-o SORTIE.csv]
            les pertes de charge d'un réseau : un tronçon par ligne, comme pour
            batch (kind water ou air), avec les colonnes id, upstream (le tronçon
            amont ; vide : départ de la pompe ou du ventilateur), length (m),
            fittings (singularités : coude90*4+vanne+0,5) et fixed (10kPa, 0,5 mCE,
            150 Pa, 200 mmCE) ; débit ou puissance aux terminaux seulement ; les
            options de la ligne de commande (--kind water|air compris, sauf --flow
            et --power) remplissent les cellules vides ; une table par circuit
            donne le terminal le plus défavorisé et la pression à fournir ;
            catalogue des singularités : les fichiers .pdc livrés, puis ceux du
            dossier de données (ou de --data-dir)

Pour toutes les commandes :
  --data-dir DOSSIER  les bibliothèques (.tub, .eva, et .pdc pour circuit) à utiliser
  --json              un objet JSON par section ({"rows":…,"circuits":…} pour circuit)
  --help, --version

Sans option, les valeurs sont celles de la configuration par défaut du programme,
sauf le débit (ou la puissance) et la taille qu'impose le mode dn ou la forme rect.
Températures et diamètre imposé : décimales avec le point ou la virgule.
État de sortie : 0 fait, 1 valeur refusée (ou une ligne au moins), 2 commande
mal formée, 3 fichier ou dossier illisible.
)";

const char* const Commands[] = {"water", "air", "drainage", "batch", "circuit", nullptr};

// The command line once read.
struct CalcCommand {
    QString command;
    SectionOptions options;
    QString dataDir;
    QString file;    // batch, circuit
    QString output;  // batch, circuit: "-o"
    bool json = false;
    bool help = false;
    bool version = false;
};

void Write(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8());
}

// The parser knows every option of every kind of section, so that a name
// given to the wrong kind gets its value and a clear message later.
void DeclareOptions(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(QCommandLineOption(QStringLiteral("version")));
    parser.addOption(QCommandLineOption(QStringLiteral("json")));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")}, QString(),
                                        QStringLiteral("SORTIE")));
    parser.addOption(QCommandLineOption(QStringLiteral("data-dir"), QString(), QStringLiteral("DOSSIER")));
    QStringList names{QStringLiteral("kind")};  // circuit
    for (const char* const* table : {WaterOptionNames, AirOptionNames, DrainageOptionNames})
        for (const char* const* name = table; *name; ++name)
            if (!names.contains(QLatin1String(*name)))
                names << QString::fromLatin1(*name);
    for (const QString& name : names)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("VALEUR")));
}

bool IsFlag(const QString& name)
{
    return name == QLatin1String("h") || name == QLatin1String("help") || name == QLatin1String("version")
        || name == QLatin1String("json");
}

bool IsScheduleCommand(const QString& command)
{
    return command == QLatin1String("batch") || command == QLatin1String("circuit");
}

bool ReadCommand(const QStringList& args, CalcCommand& command, QString& error)
{
    QCommandLineParser parser;
    DeclareOptions(parser);
    const bool parsed = parser.parse(QStringList{QStringLiteral("vorquil-calc")} + args);
    // Only the last option can lack its value: every other takes the next argument.
    const QString last = args.isEmpty() ? QString() : args.last();
    if (!parsed && (last.startsWith(QLatin1String("--")) || last == QLatin1String("-o")) && !last.contains(u'=')
        && !IsFlag(last.mid(2))) {
        error = QStringLiteral("%1 : valeur manquante").arg(last);
        return false;
    }
    const QStringList positional = parser.positionalArguments();
    command.command = positional.value(0);
    const bool file = IsScheduleCommand(command.command);
    if (file)
        command.file = positional.value(1);
    const qsizetype taken = file ? 2 : 1;
    QStringList valuedSwitches;
    // "--json=x": a switch given a value is refused as an unknown option would be.
    for (const QString& arg : args)
        if (const qsizetype equals = arg.indexOf(u'=');
            arg.startsWith(QLatin1String("--")) && equals > 2 && IsFlag(arg.mid(2, equals - 2)))
            valuedSwitches << arg.mid(2, equals - 2);
    const QStringList unknown = parser.unknownOptionNames() + valuedSwitches;
    if (positional.size() > taken && unknown.isEmpty()) {
        error = QStringLiteral("argument inattendu « %1 »").arg(positional[taken]);
        return false;
    }
    command.help = parser.isSet(QStringLiteral("help")) && valuedSwitches.isEmpty();
    command.version = parser.isSet(QStringLiteral("version")) && valuedSwitches.isEmpty();
    command.json = parser.isSet(QStringLiteral("json"));
    command.output = parser.value(QStringLiteral("o"));
    command.dataDir = parser.value(QStringLiteral("data-dir"));
    // A repeated option keeps its first value, as a schedule row would.
    QHash<QString, int> seen;
    for (const QString& name : parser.optionNames()) {
        if (IsFlag(name) || name == QLatin1String("o") || name == QLatin1String("output")
            || name == QLatin1String("data-dir"))
            continue;
        command.options.push_back({name, parser.values(name).value(seen[name]++)});
    }
    for (const QString& name : unknown)
        command.options.push_back({name, QString()});
    return true;
}

int Refuse(QIODevice& err, const QString& message)
{
    Write(err, QStringLiteral("vorquil-calc : %1\n").arg(message));
    return CalcRefused;
}

int RunSection(const CalcCommand& command, const DomainState& data, QIODevice& out, QIODevice& err)
{
    QString error;
    if (command.command == QLatin1String("water")) {
        WaterSection section;
        if (!ReadWaterSection(data, command.options, section, error))
            return Refuse(err, error);
        const CalcFields fields = SizeWaterSection(data, section);
        Write(out, command.json ? JsonObject(fields) + u'\n' : FieldTable(fields, false));
    } else if (command.command == QLatin1String("air")) {
        AirSection section;
        if (!ReadAirSection(data, command.options, section, error))
            return Refuse(err, error);
        const CalcFields fields = SizeAirSection(data, section);
        Write(out, command.json ? JsonObject(fields) + u'\n' : FieldTable(fields, true));
    } else {
        DrainageSection section;
        if (!ReadDrainageSection(data, command.options, section, error))
            return Refuse(err, error);
        const DrainageTable table = SizeDrainageSection(data, section);
        CalcFields head = {{QStringLiteral("library"), data.drainageLibraries[section.library].name}};
        head.insert(head.end(), table.choice.begin(), table.choice.end());
        Write(out,
              command.json ? DrainageJson(head, table.rows) + u'\n'
                           : DrainageTableText(table.rows) + FieldTable(table.choice, false));
    }
    return CalcDone;
}

// Options on a circuit's command line are the defaults of its rows' empty
// cells, "kind" included; a flow or power belongs to each end.
bool CheckCircuitOptions(const SectionOptions& options, QString& error)
{
    for (const SectionOption& option : options) {
        if (option.name == QLatin1String("flow") || option.name == QLatin1String("power")) {
            error = QStringLiteral("--%1 : le débit ou la puissance de chaque terminal va dans sa ligne du fichier")
                        .arg(option.name);
            return false;
        }
        if (option.name != QLatin1String("kind") && !IsListedName(option.name, WaterOptionNames)
            && !IsListedName(option.name, AirOptionNames)) {
            error = QStringLiteral("%1 : option inconnue pour circuit").arg(option.name);
            return false;
        }
    }
    return true;
}

// A schedule (batch) or a circuit, from a file to standard output or "-o".
int RunScheduleCommand(const CalcCommand& command, const DomainState& data, const QString& userFolder, QIODevice& out,
                       QIODevice& err)
{
    const bool circuit = command.command == QLatin1String("circuit");
    if (!circuit && !command.options.empty()) {
        Write(err,
              QStringLiteral("vorquil-calc : --%1 : les options des sections vont dans les colonnes du fichier\n")
                  .arg(command.options.front().name));
        return CalcUsage;
    }
    QFile in(command.file);
    if (!in.open(QIODevice::ReadOnly)) {
        Write(err, QStringLiteral("vorquil-calc : %1 : fichier illisible\n").arg(command.file));
        return CalcUnreadable;
    }
    // The output must not be the schedule being read.
    const QFileInfo output(command.output);
    if (!command.output.isEmpty() && output.exists()
        && output.canonicalFilePath() == QFileInfo(command.file).canonicalFilePath()) {
        Write(err, QStringLiteral("vorquil-calc : -o %1 : la sortie remplacerait le fichier lu\n").arg(command.output));
        return CalcUsage;
    }
    // The results replace the output file only once they are all written: a
    // refused schedule or a full disk leaves the old file as it was.
    QSaveFile file(command.output);
    if (!command.output.isEmpty() && !file.open(QIODevice::WriteOnly)) {
        Write(err, QStringLiteral("vorquil-calc : %1 : écriture impossible\n").arg(command.output));
        return CalcUnreadable;
    }
    BatchCount count;
    QString error;
    QIODevice& results = command.output.isEmpty() ? out : file;
    bool read = false;
    if (circuit) {
        QStringList problems;
        const FittingCatalogue catalogue = LoadFittingCatalogue(DeliveredLibraryFolder(), userFolder, problems);
        for (const QString& problem : problems)
            Write(err, QStringLiteral("vorquil-calc : %1\n").arg(problem));
        read = RunCircuit(data, catalogue, command.options, in, results, out, err, command.json, count, error);
    } else {
        read = RunBatch(data, in, results, err, command.json, count, error);
    }
    if (!read) {
        Write(err, QStringLiteral("vorquil-calc : %1 : %2\n").arg(command.file, error));
        return CalcRefused;
    }
    if (file.isOpen() && !file.commit()) {
        Write(err, QStringLiteral("vorquil-calc : %1 : écriture impossible\n").arg(command.output));
        return CalcUnreadable;
    }
    if (count.failed > 0) {
        Write(err, QStringLiteral("vorquil-calc : %1 ligne(s) sur %2 en erreur\n").arg(count.failed).arg(count.rows));
        return CalcRefused;
    }
    return CalcDone;
}

}  // namespace

int RunCalc(const QStringList& args, QIODevice& out, QIODevice& err)
{
    CalcCommand command;
    QString error;
    if (!ReadCommand(args, command, error)) {
        Write(err, QStringLiteral("vorquil-calc : %1 (voir --help)\n").arg(error));
        return CalcUsage;
    }
    if (command.help) {
        Write(out, QString::fromUtf8(HelpText));
        return CalcDone;
    }
    if (command.version) {
        Write(out, QStringLiteral("vorquil-calc (%1) %2\n").arg(ProgramTitle, ProgramVersion));
        return CalcDone;
    }
    bool known = false;
    for (const char* const* name = Commands; *name && !known; ++name)
        known = command.command == QLatin1String(*name);
    const bool schedule = IsScheduleCommand(command.command);
    if (!known || (schedule && command.file.isEmpty()) || (!schedule && !command.output.isEmpty())) {
        Write(err,
              command.command.isEmpty() || known
                  ? QStringLiteral("vorquil-calc : commande incomplète (voir --help)\n")
                  : QStringLiteral("vorquil-calc : commande inconnue « %1 » (voir --help)\n").arg(command.command));
        return CalcUsage;
    }
    const struct {
        const char* command;
        const char* const* names;
    } sections[] = {{"water", WaterOptionNames}, {"air", AirOptionNames}, {"drainage", DrainageOptionNames}};
    for (const auto& section : sections)
        if (command.command == QLatin1String(section.command)
            && !CheckOptionNames(command.options, section.names, command.command, error)) {
            Write(err, QStringLiteral("vorquil-calc : %1 (voir --help)\n").arg(error));
            return CalcUsage;
        }
    if (command.command == QLatin1String("circuit") && !CheckCircuitOptions(command.options, error)) {
        Write(err, QStringLiteral("vorquil-calc : %1 (voir --help)\n").arg(error));
        return CalcUsage;
    }
    DomainState data;
    QString userFolder;
    if (!LoadCalcData(command.dataDir, data, error, &userFolder)) {
        Write(err, QStringLiteral("vorquil-calc : %1\n").arg(error));
        return CalcUnreadable;
    }
    if (schedule)
        return RunScheduleCommand(command, data, userFolder, out, err);
    return RunSection(command, data, out, err);
}
