// The running sum of the flow and power fields. Any text gives a total within
// the 32-bit range or a refusal; a sum of digits and signs, as the field holds
// it, is checked against its exact value.
#include <algorithm>
#include <limits>

#include "base/typed_sum.h"
#include "fuzz_support.h"

namespace {

constexpr int MaxExactDigits = 20;  // terms below 10^20 keep every sum exact in 128 bits

struct ExactSum {
    __int128 total = 0;
    bool exceeds32 = false;  // a term or a running total beyond the 32-bit range
    bool exact = true;       // false with a longer term
};

ExactSum SumOf(const QString& text)
{
    constexpr __int128 limit = std::numeric_limits<int32_t>::max();
    ExactSum sum;
    int sign = 1;
    __int128 term = 0;
    int digits = 0;
    const auto close = [&] {
        sum.total += sign * term;
        sum.exceeds32 = sum.exceeds32 || term > limit || sum.total > limit || sum.total < -limit;
        term = 0;
        digits = 0;
    };
    for (QChar c : text) {
        if (c == u'+' || c == u'-') {
            close();
            sign = c == u'-' ? -1 : 1;
        } else if (term > 0 || c != u'0') {
            if (++digits > MaxExactDigits)
                sum.exact = false;
            else
                term = term * 10 + (c.unicode() - u'0');
        }
    }
    close();
    return sum;
}

bool DigitsAndSigns(const QString& text)
{
    for (QChar c : text)
        if (!(c >= u'0' && c <= u'9') && c != u'+' && c != u'-')
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    const int result = EvaluateSum(text);
    FuzzCheck(result >= 0 || result == SumNegative || result == SumTooLarge, "a total or a refusal", text);
    if (!DigitsAndSigns(text))
        return 0;
    const ExactSum sum = SumOf(text);
    if (!sum.exact) {
        FuzzCheck(result < 0, "a term beyond 10^20 is refused", text);
        return 0;
    }
    if (result >= 0)
        FuzzCheck(result == sum.total, "the total is the exact sum", text);
    else if (result == SumNegative)
        FuzzCheck(sum.total < 0, "refused as negative only below zero", text);
    else
        FuzzCheck(sum.exceeds32, "refused as too large only beyond the 32-bit range", text);
    return 0;
}
