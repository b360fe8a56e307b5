#include "engines/copy_templates.h"

namespace {

struct Substitution {
    QString variable;
    QString text;
};

QString Substitute(QString text, std::initializer_list<Substitution> substitutions)
{
    for (const Substitution& s : substitutions)
        text.replace(s.variable, s.text, Qt::CaseSensitive);
    return text;
}

}  // namespace

QString FillWaterTemplate(const QString& pattern, const WaterCopyTexts& texts)
{
    return Substitute(pattern,
                      {
                          {QStringLiteral("%d"), texts.flow + QStringLiteral("L/h")},
                          {QStringLiteral("%w"), texts.power + QStringLiteral("W")},
                          {QStringLiteral("%c"), texts.symbol + texts.size},
                          {QStringLiteral("%p"), texts.pressureDrop + QStringLiteral("mmCE/m")},
                          {QStringLiteral("%v"), texts.velocity + QStringLiteral("m/s")},
                          {QStringLiteral("%n"), texts.abbreviation},
                      });
}

QString FillAirTemplate(const QString& pattern, const AirCopyTexts& texts)
{
    return Substitute(pattern,
                      {
                          {QStringLiteral("%d"), texts.flow + QStringLiteral("m3/h")},
                          {QStringLiteral("%c"), texts.size},
                          {QStringLiteral("%p"), texts.pressureDrop + QStringLiteral("Pa/m")},
                          {QStringLiteral("%v"), texts.velocity + QStringLiteral("m/s")},
                      });
}

QString FillDrainageTemplate(const QString& pattern, const DrainageCopyTexts& texts)
{
    return Substitute(pattern,
                      {
                          {QStringLiteral("%d"), texts.flow + QStringLiteral("l/s")},
                          {QStringLiteral("%c"), texts.symbol + texts.size},
                          {QStringLiteral("%r"), texts.share + QStringLiteral("%")},
                          {QStringLiteral("%n"), texts.abbreviation},
                      });
}
