#include "calc/csv_rows.h"

#include <QStringDecoder>

namespace {

QString DecodeLine(QByteArray bytes)
{
    while (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// A spreadsheet writes semicolons where the decimal point is a comma.
QChar SeparatorOf(const QString& header)
{
    bool quoted = false;
    for (QChar c : header) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u';' || c == u','))
            return c;
    }
    return u',';
}

}  // namespace

bool ReadCsvRow(CsvReader& reader, QStringList& fields)
{
    fields.clear();
    if (reader.device->atEnd())
        return false;
    QByteArray bytes = reader.device->readLine();
    if (reader.line == 0 && bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
        reader.byteOrderMark = true;
    }
    ++reader.line;
    QString text = DecodeLine(bytes);
    if (reader.separator.isNull())
        reader.separator = SeparatorOf(text);
    QString field;
    bool quoted = false;
    for (qsizetype i = 0;; ++i) {
        if (i == text.size()) {
            if (!quoted || reader.device->atEnd())
                break;
            // A line break inside quotes belongs to the field.
            field += u'\n';
            text = DecodeLine(reader.device->readLine());
            ++reader.line;
            i = -1;
            continue;
        }
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == reader.separator) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return true;
}

QString CsvLine(const QStringList& fields, QChar separator)
{
    QStringList out;
    for (const QString& field : fields) {
        const bool quote =
            field.contains(separator) || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r');
        out << (quote ? u'"' + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"' : field);
    }
    return out.join(separator) + u'\n';
}
