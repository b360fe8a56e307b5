#include "engines/section_options.h"

#include <QRegularExpression>
#include <cmath>

#include "base/number_text.h"

namespace {

QString WithUnit(const QString& text, const char* unit)
{
    return *unit ? text + u' ' + QString::fromUtf8(unit) : text;
}

QString RangeText(const QString& first, const QString& last, const char* unit)
{
    return QStringLiteral("de %1 à %2").arg(first, WithUnit(last, unit));
}

}  // namespace

const QString* FindOption(const SectionOptions& options, const char* name)
{
    for (const SectionOption& option : options)
        if (option.name == QLatin1String(name))
            return &option.value;
    return nullptr;
}

QString CalcFieldText(const CalcFields& fields, const char* name)
{
    for (const CalcField& field : fields)
        if (field.name == QLatin1String(name))
            return field.text;
    return QString();
}

bool IsListedName(const QString& name, const char* const* names)
{
    for (const char* const* n = names; *n; ++n)
        if (name == QLatin1String(*n))
            return true;
    return false;
}

bool CheckOptionNames(const SectionOptions& options, const char* const* known, const QString& kind, QString& error)
{
    for (const SectionOption& option : options) {
        bool found = false;
        for (const char* const* name = known; *name && !found; ++name)
            found = option.name == QLatin1String(*name);
        if (!found) {
            error = QStringLiteral("%1 : option inconnue pour %2").arg(option.name, kind);
            return false;
        }
    }
    return true;
}

bool ReadWhole(const QString& name, const QString& text, int64_t first, int64_t last, const char* unit, int64_t& value,
               QString& error)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    static const QRegularExpression signedDigits(QStringLiteral("^-?[0-9]{1,18}$"));
    const bool whole = (first < 0 ? signedDigits : digits).match(text).hasMatch();
    value = whole ? text.toLongLong() : 0;
    if (whole && value >= first && value <= last)
        return true;
    error = QStringLiteral("%1 : « %2 » %3 ; nombre entier %4")
                .arg(name, text, whole ? QStringLiteral("hors limites") : QStringLiteral("n'est pas un nombre entier"),
                     RangeText(QString::number(first), QString::number(last), unit));
    return false;
}

bool ReadDecimal(const QString& name, const QString& text, double first, double last, const char* unit, double& value,
                 QString& error)
{
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,9}([.,][0-9]{1,9})?$"));
    static const QRegularExpression signedDecimal(QStringLiteral("^-?[0-9]{1,9}([.,][0-9]{1,9})?$"));
    const bool number = (first < 0 ? signedDecimal : decimal).match(text).hasMatch();
    value = number ? QString(text).replace(u',', u'.').toDouble() : 0.0;
    if (number && value >= first && value <= last)
        return true;
    error = QStringLiteral("%1 : « %2 » %3 ; nombre %4")
                .arg(name, text, number ? QStringLiteral("hors limites") : QStringLiteral("n'est pas un nombre"),
                     RangeText(QString::number(first), QString::number(last), unit));
    return false;
}

bool ReadBarPosition(const QString& name, const QString& text, int first, int last, int divisor, int decimals,
                     const char* unit, int& position, QString& error)
{
    double value = 0.0;
    QString ignored;
    const bool number = ReadDecimal(name, text, 0.0, 1e9, unit, value, ignored);
    const double scaled = value * divisor;
    position = static_cast<int>(std::lround(std::min(scaled, 1e9)));
    if (number && std::fabs(scaled - position) < 1e-6 && position >= first && position <= last)
        return true;
    const auto shown = [&](int p) { return DecimalText(static_cast<float>(p) / divisor, decimals); };
    const QString why = !number ? QStringLiteral("n'est pas un nombre") : QStringLiteral("n'est pas proposé");
    error = QStringLiteral("%1 : « %2 » %3 ; valeurs permises %4 par pas de %5")
                .arg(name, text, why, RangeText(shown(first), shown(last), unit), shown(1));
    return false;
}

bool ReadChoice(const QString& name, const QString& text, const char* const* choices, int& index, QString& error)
{
    QStringList words;
    for (const char* const* choice = choices; *choice; ++choice) {
        if (text == QLatin1String(*choice)) {
            index = static_cast<int>(choice - choices);
            return true;
        }
        words << QString::fromLatin1(*choice);
    }
    error = QStringLiteral("%1 : « %2 » inconnu ; valeurs permises : %3").arg(name, text, words.join(u'|'));
    return false;
}

QString UnknownNameMessage(const QString& option, const QString& given, const QStringList& available)
{
    return QStringLiteral("%1 : « %2 » inconnu ; disponibles : %3")
        .arg(option, given, available.join(QStringLiteral(", ")));
}

QStringList LibraryNames(const PipeLibraryList& libraries)
{
    QStringList names;
    for (const PipeLibrary& library : libraries)
        names << library.name;
    return names;
}
