#include "ui/roughness_label.h"

#include "ui/drainage_controls.h"
#include "ui/main_controls.h"

namespace {

// The coefficient the window starts with, before the drainage settings are applied.
constexpr float StartGamma = 0.16f;  // gamma : Bazin coefficient [m^0.5]

QString TwoDecimals(float value)
{
    return QString::number(value, 'f', 2);
}

}  // namespace

QString InitialRoughnessText(int layout)
{
    return ControlText(*FindMainControl(DrainageRoughnessLabel), layout) + TwoDecimals(StartGamma);
}

QString RoughnessText(float gamma, int layout)
{
    const bool horizontal = LayoutFromAffMode(layout) == LayoutHorizontal;
    return (horizontal ? QStringLiteral("Rugosité : ") : QStringLiteral("Rugo.: ")) + TwoDecimals(gamma);
}

float RoughnessShown(const QString& text)
{
    return text.section(QLatin1Char(' '), -1).toFloat();
}
