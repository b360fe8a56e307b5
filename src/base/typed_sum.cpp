#include "base/typed_sum.h"

#include <cstdint>
#include <limits>

namespace {

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool IsSign(QChar c)
{
    return c == u'+' || c == u'-';
}

// Reads the whole number at `at`, moving past its digits; none reads 0.
// Beyond the 64-bit range it says so through `huge`.
int64_t ReadTerm(const QString& text, qsizetype& at, bool& huge)
{
    int64_t value = 0;
    bool fits = true;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        const int digit = text[at].unicode() - u'0';
        fits = fits && !__builtin_mul_overflow(value, 10, &value) && !__builtin_add_overflow(value, digit, &value);
    }
    if (!fits) {
        huge = true;
        return 0;
    }
    return value;
}

}  // namespace

int EvaluateSum(const QString& text)
{
    qsizetype signs = 0;
    for (QChar c : text)
        if (IsSign(c))
            ++signs;

    int64_t total = 0;
    bool huge = false;
    qsizetype at = 0;
    for (qsizetype pass = 0; pass <= signs; ++pass) {
        // What the program itself wrote ("Infini", "N/A") counts for nothing
        // instead of ending the sum there.
        while (at < text.size() && !IsDigit(text[at]) && !IsSign(text[at]))
            ++at;
        if (at >= text.size())
            break;
        const bool minus = text[at] == u'-';
        if (IsSign(text[at]))
            ++at;
        const int64_t term = ReadTerm(text, at, huge);
        if (minus ? __builtin_sub_overflow(total, term, &total) : __builtin_add_overflow(total, term, &total))
            huge = true;
    }
    if (huge)
        return SumTooLarge;
    if (total < 0)
        return SumNegative;
    if (total > std::numeric_limits<int32_t>::max())
        return SumTooLarge;
    return static_cast<int>(total);
}
