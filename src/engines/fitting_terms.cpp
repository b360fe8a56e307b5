#include "engines/fitting_terms.h"

#include <QRegularExpression>
#include <QStringList>

#include "engines/circuit_sizing.h"

namespace {

constexpr int LargestCount = 999;

const QRegularExpression& DecimalPattern()
{
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,9}([.,][0-9]{1,9})?$"));
    return decimal;
}

double DecimalValue(const QString& text)
{
    return QString(text).replace(u',', u'.').toDouble();
}

QString DomainWord(FittingDomain domain)
{
    return domain == FittingDomain::Water ? QStringLiteral("l'eau") : QStringLiteral("l'air");
}

QString UnknownCodeMessage(const QString& term, const QString& code, const FittingCatalogue& catalogue,
                           FittingDomain domain)
{
    const FittingDomain other = domain == FittingDomain::Water ? FittingDomain::Air : FittingDomain::Water;
    if (const Fitting* elsewhere = FindFitting(catalogue, other, code)) {
        if (elsewhere->type == FittingType::Kv)
            return QStringLiteral("fittings : « %1 » est un Kv : seulement pour l'eau").arg(term);
        return QStringLiteral("fittings : « %1 » est une singularité de %2, pas de %3")
            .arg(term, DomainWord(other), DomainWord(domain));
    }
    QStringList codes;
    for (const Fitting& fitting : catalogue.fittings)
        if (fitting.domain == domain)
            codes << fitting.code;
    return QStringLiteral("fittings : « %1 » n'est ni un code du catalogue de %2 ni un nombre ; codes : %3")
        .arg(term, DomainWord(domain), codes.join(QStringLiteral(", ")));
}

}  // namespace

bool ReadFittingTerms(const QString& text, const FittingCatalogue& catalogue, FittingDomain domain, FittingTerms& terms,
                      QString& error)
{
    static const QRegularExpression codeTerm(QStringLiteral("^([A-Za-z0-9_]+)\\s*(?:\\*\\s*([0-9]+))?$"));
    terms = FittingTerms();
    if (text.trimmed().isEmpty())
        return true;
    for (const QString& part : text.split(u'+')) {
        const QString term = part.trimmed();
        if (term.isEmpty()) {
            error = QStringLiteral("fittings : « %1 » : terme vide entre deux « + »").arg(text.trimmed());
            return false;
        }
        if (DecimalPattern().match(term).hasMatch()) {
            terms.zeta += DecimalValue(term);
            continue;
        }
        const QRegularExpressionMatch match = codeTerm.match(term);
        if (!match.hasMatch()) {
            error = QStringLiteral("fittings : « %1 » : un code, un code*n ou un nombre (ζ) attendu").arg(term);
            return false;
        }
        const QString countText = match.captured(2);
        const int count = countText.isEmpty() ? 1 : countText.size() > 3 ? LargestCount + 1 : countText.toInt();
        if (count < 1 || count > LargestCount) {
            error = QStringLiteral("fittings : « %1 » : nombre de %2 à %3").arg(term).arg(1).arg(LargestCount);
            return false;
        }
        const Fitting* fitting = FindFitting(catalogue, domain, match.captured(1));
        if (!fitting) {
            error = UnknownCodeMessage(term, match.captured(1), catalogue, domain);
            return false;
        }
        if (fitting->type == FittingType::Kv && domain == FittingDomain::Air) {
            error = QStringLiteral("fittings : « %1 » est un Kv : seulement pour l'eau").arg(term);
            return false;
        }
        switch (fitting->type) {
        case FittingType::Zeta:
            terms.zeta += count * fitting->value;
            break;
        case FittingType::Kv:
            terms.kv.insert(terms.kv.end(), count, fitting->value);
            break;
        case FittingType::FixedLoss:
            terms.fixedLoss += count * fitting->value;
            break;
        }
        terms.used.push_back({fitting, count});
    }
    return true;
}

bool ReadFixedLoss(const QString& text, double& pascals, QString& error)
{
    static const QRegularExpression loss(QStringLiteral("^([0-9]{1,9}(?:[.,][0-9]{1,9})?)\\s*([A-Za-z]*)$"));
    const struct {
        const char* name;
        double pascals;  // [Pa] per unit
    } units[] = {{"Pa", 1.0}, {"kPa", 1000.0}, {"mmCE", PascalsPerMmCE}, {"mCE", 1000.0 * PascalsPerMmCE}};
    const QString unitList = QStringLiteral("Pa, kPa, mmCE ou mCE, p. ex. « 10kPa » ou « 0,5 mCE »");
    pascals = 0.0;
    const QString given = text.trimmed();
    if (given.isEmpty())
        return true;
    const QRegularExpressionMatch match = loss.match(given);
    if (!match.hasMatch()) {
        error = QStringLiteral("fixed : « %1 » : un nombre positif et son unité attendus : %2").arg(given, unitList);
        return false;
    }
    const QString unit = match.captured(2);
    if (unit.isEmpty()) {
        error = QStringLiteral("fixed : « %1 » : unité manquante ; unités : %2").arg(given, unitList);
        return false;
    }
    for (const auto& u : units)
        if (unit.compare(QLatin1String(u.name), Qt::CaseInsensitive) == 0) {
            pascals = DecimalValue(match.captured(1)) * u.pascals;
            return true;
        }
    error = QStringLiteral("fixed : « %1 » : unité « %2 » inconnue ; unités : %3").arg(given, unit, unitList);
    return false;
}
