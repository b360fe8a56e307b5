#include <QBuffer>
#include <gtest/gtest.h>

#include "engines/csv_rows.h"

namespace {

// A text as a spreadsheet's "Unicode text": UTF-16 behind its byte-order mark.
QByteArray Utf16(const char* text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (QChar c : QString::fromUtf8(text)) {
        const char low = static_cast<char>(c.unicode() & 0xFF), high = static_cast<char>(c.unicode() >> 8);
        bytes += littleEndian ? low : high;
        bytes += littleEndian ? high : low;
    }
    return bytes;
}

// Each file's rows, cells joined with "|" and rows with "/".
TEST(CsvRows, ReadsEachSeparatorEachEncodingAndQuotedFields)
{
    const struct {
        QByteArray file;
        const char* rows;  // UTF-8
    } cases[] = {
        {"kind,flow\nwater,1000\n", "kind|flow/water|1000"},
        {"kind;limit\r\nwater;0,8\r\n", "kind|limit/water|0,8"},
        {"\xEF\xBB\xBFid;library\n1;Cuivre \xC3\x98\n", "id|library/1|Cuivre Ø"},
        {"id;library\n\xC9t\xE9;\xD8\n", "id|library/Été|Ø"},
        {"id,kind\n\"a,b\",\"say \"\"hi\"\"\"\n", "id|kind/a,b|say \"hi\""},
        {"id;kind\n\"two\nlines\";air\n;\n", "id|kind/two\nlines|air/|"},
        // "Ċ" and "ਅ" hold a 0x0A byte that is no line feed.
        {Utf16("kind\tid\r\nwater\t\"Ċਅ\nØ\"\r\nair\t2\r\n", true), "kind|id/water|Ċਅ\nØ/air|2"},
        {Utf16("kind;id\nwater;ਅĊ\n", false), "kind|id/water|ਅĊ"},
    };
    for (const auto& c : cases) {
        QByteArray bytes = c.file;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        CsvReader reader;
        reader.device = &buffer;
        QStringList rows, fields;
        while (ReadCsvRow(reader, fields))
            rows << fields.join(u'|');
        EXPECT_EQ(rows.join(u'/'), QString::fromUtf8(c.rows)) << c.file.toStdString();
    }
}

TEST(CsvRows, QuotesWhatWouldSplitOrBreakTheRow)
{
    EXPECT_EQ(CsvLine({"a;b", "say \"hi\"", "plain", "two\nlines"}, u';'),
              QStringLiteral("\"a;b\";\"say \"\"hi\"\"\";plain;\"two\nlines\"\n"));
}

}  // namespace
