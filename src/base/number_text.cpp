#include "base/number_text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The ASCII spelling of the leading number (sign, digits, point, exponent) in
// the form strtod reads, or an empty text when the text does not start with one.
std::string LeadingNumberText(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    bool digits = false;
    while (i < n && IsDigit(text[i])) {
        number += char(text[i].unicode());
        digits = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        number += '.';
        ++i;
        while (i < n && IsDigit(text[i])) {
            number += char(text[i].unicode());
            digits = true;
            ++i;
        }
    }
    if (!digits)
        return {};
    // An exponent counts only when digits follow it: "2e" reads 2.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        bool exponentDigits = false;
        while (j < n && IsDigit(text[j])) {
            exponent += char(text[j++].unicode());
            exponentDigits = true;
        }
        if (exponentDigits)
            number += exponent;
    }
    return number;
}

// strtod follows the process locale (a French desktop has a decimal comma);
// numbers in this program always use the point.
locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

}  // namespace

double LeadingDecimal(const QString& text)
{
    const std::string number = LeadingNumberText(text);
    if (number.empty())
        return 0.0;
    return strtod_l(number.c_str(), nullptr, CLocale());
}

float LeadingFloat(const QString& text)
{
    const std::string number = LeadingNumberText(text);
    if (number.empty())
        return 0.0f;
    return strtof_l(number.c_str(), nullptr, CLocale());
}

float TypedFloat(const QString& text)
{
    return LeadingFloat(QString(text).replace(u',', u'.'));
}

int64_t LeadingInteger(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulated as a negative number so that the most negative value fits.
    constexpr int64_t lowest = std::numeric_limits<int64_t>::min();
    int64_t value = 0;
    bool saturated = false;
    for (; i < n && IsDigit(text[i]); ++i) {
        const int digit = text[i].unicode() - u'0';
        if (value < (lowest + digit) / 10) {
            saturated = true;
            continue;
        }
        value = value * 10 - digit;
    }
    if (saturated)
        return negative ? lowest : std::numeric_limits<int64_t>::max();
    if (negative)
        return value;
    return value == lowest ? std::numeric_limits<int64_t>::max() : -value;
}

QString CutText(const QString& text, int count)
{
    if (count <= 0)
        return {};
    if (text.size() <= count)
        return text;
    qsizetype length = count;
    if (text[length - 1].isHighSurrogate() && text[length].isLowSurrogate())
        --length;
    return text.left(length);
}

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
