#include "engines/internal_data_text.h"

#include "base/number_text.h"
#include "physics/internal_data.h"

namespace {

const QString LineEnd = QStringLiteral("\r\n");

}  // namespace

QString ViscosityText(float viscosity)
{
    QString text = DecimalText(viscosity, 10);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString DensityText(float density)
{
    return DecimalText(density, 3);
}

QString ReynoldsText(float reynolds)
{
    return DecimalText(reynolds, 2);
}

QString InternalDataText(const InternalDataRecord& data, int domain)
{
    QString text;
    if (domain == InternalDataAir)
        text = QString::fromUtf8("Données Internes (Air): ") + LineEnd + LineEnd
            + QString::fromUtf8("Pression Atmosphérique : ") + DecimalText(data.atmosphericPressure, 2) + LineEnd;
    else
        text = QString::fromUtf8("Données Internes (Eau): ") + LineEnd + LineEnd
            + QString::fromUtf8("Capacité Thermique : ") + DecimalText(data.heatFactor, 3) + LineEnd;
    text += QStringLiteral("Masse Volumique : ") + DensityText(data.density) + LineEnd;
    text += QString::fromUtf8("Viscosité Cin.: ") + ViscosityText(data.kinematicViscosity) + LineEnd;
    text += QStringLiteral("Nb de Reynolds : ") + ReynoldsText(data.reynolds) + LineEnd;
    return text;
}
