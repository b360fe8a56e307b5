// The number readers (text to number) against the C library's readers, and
// the writers of result fields read back.
#include <QByteArray>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

#include "base/number_text.h"
#include "fuzz_support.h"

namespace {

locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

// Texts on which the C readers mean what ours do: ASCII, blanks only spaces and
// tabs (they skip line breaks too), and for decimals no "inf", "nan" or hex.
bool ComparableInteger(const std::string& s)
{
    for (unsigned char c : s)
        if (c >= 0x80 || c == '\n' || c == '\v' || c == '\f' || c == '\r')
            return false;
    return true;
}

bool ComparableDecimal(const std::string& s)
{
    return ComparableInteger(s) && s.find_first_of("xXiInN") == std::string::npos;
}

void CheckReaders(const std::string& s)
{
    const QString text = QString::fromLatin1(s.c_str());  // up to a zero byte, as the C readers
    if (ComparableInteger(s))
        FuzzCheck(LeadingInteger(text) == std::strtoll(s.c_str(), nullptr, 10), "LeadingInteger as strtoll", text);
    if (ComparableDecimal(s)) {
        FuzzCheck(LeadingDecimal(text) == strtod_l(s.c_str(), nullptr, CLocale()), "LeadingDecimal as strtod", text);
        FuzzCheck(LeadingFloat(text) == strtof_l(s.c_str(), nullptr, CLocale()), "LeadingFloat as strtof", text);
    }
    // Other scripts' digits and any 16-bit text are read without fault.
    const QString wide = QString::fromUtf8(s.c_str());
    LeadingDecimal(wide);
    LeadingInteger(wide);
}

void CheckRoundTrips(const uint8_t* data, size_t size)
{
    if (size < 8)
        return;
    int64_t whole;
    std::memcpy(&whole, data, sizeof whole);
    FuzzCheck(LeadingInteger(QString::number(whole)) == whole, "integer read back", QString::number(whole));
    float value;  // [any unit]
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return;
    FuzzCheck(LeadingFloat(QString::number(value, 'g', 9)) == value, "float read back");
    const QString rounded = WholeNumberText(value);
    FuzzCheck(IsNumberText(rounded, 0) && rounded != u"-0", "whole number text", rounded);
    FuzzCheck(LeadingDecimal(rounded) == std::round(double(value)), "whole number rounds half away", rounded);
    for (int decimals : {1, 2})
        FuzzCheck(IsNumberText(DecimalText(value, decimals), decimals), "decimal text", DecimalText(value, decimals));
}

void CheckCut(const uint8_t* data, size_t size)
{
    if (size < 1)
        return;
    const int count = data[0] % 40;
    QString text;  // any 16-bit text, lone surrogates included
    for (size_t i = 1; i + 1 < size; i += 2)
        text += QChar(char16_t(data[i] | data[i + 1] << 8));
    const QString cut = CutText(text, count);
    FuzzCheck(cut.size() <= count && text.startsWith(cut), "cut keeps the start", cut);
    FuzzCheck(cut.size() >= count - 1 || cut == text, "cut drops at most a pair", cut);
    if (!cut.isEmpty() && cut.size() < text.size())
        FuzzCheck(!(cut.back().isHighSurrogate() && text[cut.size()].isLowSurrogate()), "pair not split");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckReaders(std::string(reinterpret_cast<const char*>(data), size));
    CheckRoundTrips(data, size);
    CheckCut(data, size);
    return 0;
}
