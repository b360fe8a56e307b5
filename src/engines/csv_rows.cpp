#include "engines/csv_rows.h"

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

// One line of two-byte code units: a 0x0A byte ends it only when it is the
// line feed's own unit, not half of another character.
QString ReadUtf16Line(QIODevice& device, CsvEncoding encoding)
{
    const bool little = encoding == CsvEncoding::Utf16LE;
    const QByteArray lineFeed = little ? QByteArray("\n\0", 2) : QByteArray("\0\n", 2);
    QByteArray bytes;
    while (!device.atEnd()) {
        bytes += device.readLine();
        if (bytes.size() % 2 == 1)
            bytes += device.read(1);
        if (bytes.size() % 2 == 0 && bytes.endsWith(lineFeed))
            break;
    }
    QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    QString text = decoder(bytes);
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

QString NextLine(CsvReader& reader)
{
    ++reader.line;
    if (reader.encoding == CsvEncoding::Bytes)
        return DecodeLine(reader.device->readLine());
    return ReadUtf16Line(*reader.device, reader.encoding);
}

// A spreadsheet writes semicolons where the decimal point is a comma, and
// tabs in its "Unicode text".
QChar SeparatorOf(const QString& header)
{
    bool quoted = false;
    for (QChar c : header) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u';' || c == u',' || c == u'\t'))
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
    if (reader.line == 0) {
        const QByteArray head = reader.device->peek(3);
        const struct {
            const char* mark;
            int size;
            CsvEncoding encoding;
        } marks[] = {{"\xEF\xBB\xBF", 3, CsvEncoding::Bytes},
                     {"\xFF\xFE", 2, CsvEncoding::Utf16LE},
                     {"\xFE\xFF", 2, CsvEncoding::Utf16BE}};
        for (const auto& m : marks)
            if (head.startsWith(QByteArray(m.mark, m.size))) {
                reader.device->skip(m.size);
                reader.byteOrderMark = true;
                reader.encoding = m.encoding;
                break;
            }
    }
    QString text = NextLine(reader);
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
            text = NextLine(reader);
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

bool ReadCsvHeader(CsvReader& reader, QStringList& header, QString& error)
{
    if (!ReadCsvRow(reader, header)) {
        error = QStringLiteral("fichier vide : la première ligne doit nommer les colonnes");
        return false;
    }
    for (QString& name : header)
        name = name.trimmed();
    return true;
}
