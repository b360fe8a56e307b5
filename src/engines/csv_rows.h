#pragma once

#include <QIODevice>
#include <QStringList>

// The rows of a schedule file, one at a time: comma-, semicolon- or
// tab-separated (the header row decides), quoted fields as spreadsheets write
// them. A file that starts with a UTF-16 byte-order mark is UTF-16, as
// spreadsheets export "Unicode text"; otherwise each line is UTF-8 when it is
// valid UTF-8 and Latin-1 when not.
enum class CsvEncoding { Bytes, Utf16LE, Utf16BE };
struct CsvReader {
    QIODevice* device = nullptr;
    QChar separator;  // null until the first row is read
    bool byteOrderMark = false;
    CsvEncoding encoding = CsvEncoding::Bytes;  // known once the first row is read
    int line = 0;                               // of the last row's last line
};

// The next row; false at the end of the file. A quoted field may hold the
// separator, doubled quotes and line breaks.
bool ReadCsvRow(CsvReader& reader, QStringList& fields);

// The first row, which names the columns, each name trimmed; false, with a
// message, when the file has none.
bool ReadCsvHeader(CsvReader& reader, QStringList& header, QString& error);

// One row written back, ending with a line break; a field holding the
// separator, a quote or a line break is quoted.
QString CsvLine(const QStringList& fields, QChar separator);
