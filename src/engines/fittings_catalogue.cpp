#include "engines/fittings_catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "base/group_key_file.h"

namespace {

const QString CataloguePattern = QStringLiteral("*.pdc");
constexpr int LongestCode = 24;  // [characters]

bool ReadDomain(const QString& text, FittingDomain& domain)
{
    if (text.compare(QLatin1String("eau"), Qt::CaseInsensitive) == 0)
        domain = FittingDomain::Water;
    else if (text.compare(QLatin1String("air"), Qt::CaseInsensitive) == 0)
        domain = FittingDomain::Air;
    else
        return false;
    return true;
}

bool ReadType(const QString& text, FittingType& type)
{
    const struct {
        const char* word;
        FittingType type;
    } types[] = {{"zeta", FittingType::Zeta}, {"kv", FittingType::Kv}, {"dp", FittingType::FixedLoss}};
    for (const auto& t : types)
        if (text.compare(QLatin1String(t.word), Qt::CaseInsensitive) == 0) {
            type = t.type;
            return true;
        }
    return false;
}

// One group: false with the reason (French) when it cannot be used.
bool ReadFitting(const GroupKeyFile& file, const QString& group, FittingDomain domain, Fitting& fitting,
                 QString& reason)
{
    static const QRegularExpression code(QStringLiteral("^[A-Za-z0-9_]{1,%1}$").arg(LongestCode));
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,9}([.,][0-9]{1,9})?$"));
    if (!code.match(group).hasMatch()) {
        reason = QStringLiteral("code invalide : lettres, chiffres et « _ », %1 caractères au plus").arg(LongestCode);
        return false;
    }
    fitting.code = group;
    fitting.domain = domain;
    fitting.label = ReadText(file, QStringLiteral("Libelle"), {}).trimmed();
    fitting.source = ReadText(file, QStringLiteral("Source"), {}).trimmed();
    const QString type = ReadText(file, QStringLiteral("Type"), {}).trimmed();
    if (!ReadType(type, fitting.type)) {
        reason = QStringLiteral("Type « %1 » inconnu ; valeurs permises : zeta, kv, dp").arg(type);
        return false;
    }
    if (fitting.type == FittingType::Kv && domain == FittingDomain::Air) {
        reason = QStringLiteral("Type kv : seulement pour l'eau");
        return false;
    }
    const QString value = ReadText(file, QStringLiteral("Valeur"), {}).trimmed();
    fitting.value = QString(value).replace(u',', u'.').toDouble();
    // A Kv of 0 would make the loss infinite.
    if (!number.match(value).hasMatch() || (fitting.type == FittingType::Kv && fitting.value <= 0.0)) {
        reason = QStringLiteral("Valeur « %1 » : nombre positif attendu (point ou virgule)").arg(value);
        return false;
    }
    return true;
}

bool SameFitting(const Fitting& a, const Fitting& b)
{
    return a.domain == b.domain && a.code.compare(b.code, Qt::CaseInsensitive) == 0;
}

// The fittings of every "*.pdc" of one folder, in file name order; the first
// definition of a code wins.
std::vector<Fitting> LoadFolder(const QString& folder, QStringList& problems)
{
    std::vector<Fitting> fittings;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return fittings;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({CataloguePattern}, QDir::Files | QDir::Readable, QDir::Name)) {
        const QString path = dir.filePath(name);
        GroupKeyFile file;
        if (!OpenGroupKeyFile(file, path)) {
            problems << QStringLiteral("%1 : illisible, ignoré").arg(name);
            continue;
        }
        SelectGroup(file, QStringLiteral("Global"));
        const QString domainText = file.groupPending ? QString() : ReadText(file, QStringLiteral("Domaine"), {});
        FittingDomain domain = FittingDomain::Water;
        if (!ReadDomain(domainText.trimmed(), domain)) {
            problems << QStringLiteral("%1 : [Global] Domaine « %2 » inconnu (eau ou air) : fichier ignoré")
                            .arg(name, domainText.trimmed());
            CloseGroupKeyFile(file);
            continue;
        }
        const size_t fromThisFile = fittings.size();
        for (int g = 0; g < GroupCount(file); ++g) {
            const QString group = GroupNameAt(file, g);
            if (SameName(group, QStringLiteral("Global")))
                continue;
            SelectGroupAt(file, g);
            Fitting fitting;
            fitting.file = path;
            QString reason;
            if (!ReadFitting(file, group, domain, fitting, reason)) {
                problems << QStringLiteral("%1 : [%2] %3 : ignoré").arg(name, group, reason);
                continue;
            }
            const auto same = [&](const Fitting& f) { return SameFitting(f, fitting); };
            const auto earlier = std::find_if(fittings.begin(), fittings.end(), same);
            if (earlier == fittings.end()) {
                fittings.push_back(fitting);
            } else if (earlier - fittings.begin() >= static_cast<std::ptrdiff_t>(fromThisFile)) {
                problems << QStringLiteral("%1 : [%2] déjà défini dans ce fichier : ignoré").arg(name, group);
            }
        }
        CloseGroupKeyFile(file);
    }
    return fittings;
}

}  // namespace

FittingCatalogue LoadFittingCatalogue(const QString& deliveredFolder, const QString& userFolder, QStringList& problems)
{
    FittingCatalogue catalogue;
    catalogue.fittings = LoadFolder(deliveredFolder, problems);
    // The same folder given twice is read once: its codes would only replace themselves.
    const bool sameFolder = !userFolder.isEmpty() && !deliveredFolder.isEmpty()
        && QFileInfo(userFolder).canonicalFilePath() == QFileInfo(deliveredFolder).canonicalFilePath();
    if (sameFolder)
        return catalogue;
    for (const Fitting& own : LoadFolder(userFolder, problems)) {
        const auto same = [&](const Fitting& f) { return SameFitting(f, own); };
        const auto delivered = std::find_if(catalogue.fittings.begin(), catalogue.fittings.end(), same);
        if (delivered == catalogue.fittings.end())
            catalogue.fittings.push_back(own);
        else
            *delivered = own;
    }
    return catalogue;
}

const Fitting* FindFitting(const FittingCatalogue& catalogue, FittingDomain domain, const QString& code)
{
    for (const Fitting& fitting : catalogue.fittings)
        if (fitting.domain == domain && fitting.code.compare(code, Qt::CaseInsensitive) == 0)
            return &fitting;
    return nullptr;
}
