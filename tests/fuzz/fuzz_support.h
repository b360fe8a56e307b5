#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Shared by the fuzz targets: the input read as text lines, one field per line,
// so that a corpus file can be written and read by hand; the checks that stop
// the run with a message (libFuzzer then saves the input).

// Line `index` of the input (Latin-1, CR removed); empty when there is none.
inline QString FuzzLine(const QList<QByteArray>& lines, int index)
{
    if (index >= lines.size())
        return {};
    QByteArray line = lines[index];
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromLatin1(line);
}

inline QList<QByteArray> FuzzLines(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\n');
}

// What a digits-only field holds: the digits typed, around what the program
// itself wrote there ("N/A", "Infini"), whose letters the field keeps.
inline QString DigitsField(const QString& line)
{
    QString digits;
    QString others;
    for (QChar c : line) {
        if (c >= u'0' && c <= u'9')
            digits += c;
        else
            others += c;
    }
    return others == u"N/A" || others == u"Infini" ? line : digits;
}

inline QString WithoutTrailingBlanks(QString text)
{
    while (text.endsWith(u' ') || text.endsWith(u'\t'))
        text.chop(1);
    return text;
}

inline int PositiveModulo(int64_t value, int count)
{
    const int64_t r = value % count;
    return int(r < 0 ? r + count : r);
}

inline void FuzzCheck(bool ok, const char* what, const QString& detail = {})
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz check failed: %s [%s]\n", what, detail.toUtf8().constData());
    std::abort();
}

inline bool IsNotNumberText(const QString& text)
{
    return text.contains(u"inf") || text.contains(u"nan");
}

// "-" optional, digits, and with decimals a point and exactly that many digits.
inline bool IsNumberText(const QString& text, int decimals)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const auto digitsFrom = [&text](qsizetype at) {
        qsizetype end = at;
        while (end < text.size() && text[end] >= u'0' && text[end] <= u'9')
            ++end;
        return end - at;
    };
    const qsizetype whole = digitsFrom(i);
    if (whole == 0)
        return false;
    i += whole;
    if (decimals == 0)
        return i == text.size();
    return i < text.size() && text[i] == u'.' && digitsFrom(i + 1) == decimals && i + 1 + decimals == text.size();
}

// A result field: "N/A", or a number written with `decimals` decimals.
inline void CheckResultText(const QString& text, int decimals, const char* what)
{
    FuzzCheck(text == u"N/A" || IsNumberText(text, decimals), what, text);
}
