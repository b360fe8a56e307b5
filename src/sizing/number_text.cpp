#include "sizing/number_text.h"

#include <cmath>

QString WholeNumberText(float value)
{
    // + 0.0 turns a rounded -0 into 0, which a field should never show as "-0".
    return QString::number(std::round(static_cast<double>(value)) + 0.0, 'f', 0);
}

QString DecimalText(float value, int decimals)
{
    return QString::number(static_cast<double>(value), 'f', decimals);
}

QString ResultText(float value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("N/A");
    return decimals == WholeNumber ? WholeNumberText(value) : DecimalText(value, decimals);
}
