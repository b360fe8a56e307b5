#include "base/group_key_file.h"

#include <QFile>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <fcntl.h>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "base/number_text.h"
#include "base/safe_save.h"

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Views, so that reading a line copies only the name and the value it keeps.
QStringView WithoutLeadingBlanks(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return text.mid(i);
}

QStringView WithoutTrailingBlanks(QStringView text)
{
    qsizetype n = text.size();
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    return text.left(n);
}

// A line break inside a name or value would split the line and change the
// file's structure when it is read again.
QString OnOneLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

// Six decimals, taken from the shortest decimal that reads back as the same
// float ("32.600000", where printing the float's exact value gives "32.599998");
// a value that six decimals would change keeps the digits it needs.
QString SixDecimalText(float value)
{
    char digits[64];  // the longest, FLT_MAX or the smallest subnormal, takes under 50
    const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    std::string text(digits, written.ptr);
    const size_t point = text.find('.');
    const size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    if (point == std::string::npos)
        text += '.';
    if (decimals < 6)
        text.append(6 - decimals, '0');
    return QString::fromLatin1(text);
}

GroupKeyLine ParseLine(QStringView text)
{
    GroupKeyLine line;
    if (text.startsWith(u';')) {
        line.kind = GroupKeyLineKind::Comment;
        line.value = text.mid(text.size() > 1 && IsBlank(text[1]) ? 2 : 1).toString();
    } else if (text.startsWith(u'[')) {
        line.kind = GroupKeyLineKind::Group;
        const qsizetype close = text.indexOf(u']');
        line.name = (close < 0 ? text.mid(1) : text.mid(1, close - 1)).toString();
    } else {
        line.kind = GroupKeyLineKind::Entry;
        const qsizetype equals = text.indexOf(u'=');
        line.name = WithoutTrailingBlanks(equals < 0 ? text : text.left(equals)).toString();
        if (equals >= 0)
            line.value = WithoutLeadingBlanks(text.mid(equals + 1)).toString();
    }
    return line;
}

// Lines of the current group: from just after its group line up to the next
// group line. The lines before the first group make up group -1.
int GroupStart(const GroupKeyFile& file)
{
    return file.group + 1;
}

int GroupEnd(const GroupKeyFile& file)
{
    const auto next = std::upper_bound(file.groupLines.begin(), file.groupLines.end(), file.group);
    return next == file.groupLines.end() ? int(file.lines.size()) : *next;
}

const GroupKeyLine* FindEntry(const GroupKeyFile& file, const QString& key)
{
    if (file.groupPending)
        return nullptr;
    const int end = GroupEnd(file);
    for (int i = GroupStart(file); i < end; ++i) {
        const GroupKeyLine& line = file.lines[i];
        if (line.kind == GroupKeyLineKind::Entry && SameName(line.name, key))
            return &line;
    }
    return nullptr;
}

int GroupLineAt(const GroupKeyFile& file, int index)
{
    return index >= 0 && index < int(file.groupLines.size()) ? file.groupLines[index] : -1;
}

void PushGroupLine(GroupKeyFile& file, const QString& group)
{
    file.lines.push_back({GroupKeyLineKind::Group, group, {}});
    file.group = int(file.lines.size()) - 1;
    file.groupLines.push_back(file.group);
    file.groupPending = false;
    file.pendingGroup.clear();
}

void InsertEntryLine(GroupKeyFile& file, int at, const GroupKeyLine& line)
{
    file.lines.insert(file.lines.begin() + at, line);
    for (auto i = std::lower_bound(file.groupLines.begin(), file.groupLines.end(), at); i != file.groupLines.end(); ++i)
        ++*i;
}

void WriteValue(GroupKeyFile& file, const QString& key, const QString& value)
{
    file.changed = true;
    if (file.groupPending)
        PushGroupLine(file, file.pendingGroup);
    const int start = GroupStart(file);
    const int end = GroupEnd(file);
    int insertAt = start;
    for (int i = start; i < end; ++i) {
        GroupKeyLine& line = file.lines[i];
        if (line.kind != GroupKeyLineKind::Entry)
            continue;
        if (SameName(line.name, key)) {
            line.value = OnOneLine(value);
            return;
        }
        insertAt = i + 1;
    }
    // After the group's last entry, so that comments heading the next group
    // stay with it.
    InsertEntryLine(file, insertAt, {GroupKeyLineKind::Entry, OnOneLine(key), OnOneLine(value)});
}

}  // namespace

bool SameName(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'A' && x <= u'Z')
            x += u'a' - u'A';
        if (y >= u'A' && y <= u'Z')
            y += u'a' - u'A';
        if (x != y)
            return false;
    }
    return true;
}

void ParseGroupKeyBytes(GroupKeyFile& file, const QByteArray& bytes)
{
    const QString text = bytes.startsWith(ByteOrderMark)
        ? QString::fromUtf8(QByteArrayView(bytes).sliced(ByteOrderMark.size()))
        : QString::fromLatin1(bytes);
    file.lines.clear();
    file.groupLines.clear();
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start <= n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QStringView line = WithoutLeadingBlanks(QStringView(text).mid(start, end - start));
        if (!line.isEmpty()) {
            file.lines.push_back(ParseLine(line));
            if (file.lines.back().kind == GroupKeyLineKind::Group)
                file.groupLines.push_back(int(file.lines.size()) - 1);
        }
        if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    file.group = -1;
    file.groupPending = false;
    file.pendingGroup.clear();
}

QByteArray GroupKeyFileBytes(const GroupKeyFile& file)
{
    QString text = QStringLiteral("\r\n");
    for (const GroupKeyLine& line : file.lines) {
        switch (line.kind) {
        case GroupKeyLineKind::Comment:
            text += QStringLiteral("; ") + line.value;
            break;
        case GroupKeyLineKind::Group:
            text += u'[' + line.name + u']';
            break;
        case GroupKeyLineKind::Entry:
            text += line.name + QStringLiteral(" = ") + line.value;
            break;
        }
        text += QStringLiteral("\r\n");
    }
    return ByteOrderMark + text.toUtf8();
}

bool OpenGroupKeyFile(GroupKeyFile& file, const QString& path)
{
    file = GroupKeyFile{};
    // Only a regular file holds text: opening a FIFO would wait for a writer
    // for ever, a device may never end, a folder holds nothing.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    QFile in;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || !in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    file.path = path;
    ParseGroupKeyBytes(file, bytes);
    return true;
}

void CreateGroupKeyFile(GroupKeyFile& file, const QString& path)
{
    file = GroupKeyFile{};
    file.path = path;
    file.changed = true;
}

bool CloseGroupKeyFile(GroupKeyFile& file, int* error)
{
    bool written = true;
    if (file.changed)
        written = SaveFileWhole(file.path, GroupKeyFileBytes(file), error);
    file = GroupKeyFile{};
    return written;
}

void SelectGroup(GroupKeyFile& file, const QString& group)
{
    for (const int i : file.groupLines) {
        if (SameName(file.lines[i].name, group)) {
            file.group = i;
            file.groupPending = false;
            file.pendingGroup.clear();
            return;
        }
    }
    file.groupPending = true;
    file.pendingGroup = OnOneLine(group);
}

void AppendGroup(GroupKeyFile& file, const QString& group)
{
    PushGroupLine(file, OnOneLine(group));
    file.changed = true;
}

int GroupCount(const GroupKeyFile& file)
{
    return int(file.groupLines.size());
}

QString GroupNameAt(const GroupKeyFile& file, int index)
{
    const int line = GroupLineAt(file, index);
    return line < 0 ? QString() : file.lines[line].name;
}

void SelectGroupAt(GroupKeyFile& file, int index)
{
    const int line = GroupLineAt(file, index);
    if (line < 0)
        return;
    file.group = line;
    file.groupPending = false;
    file.pendingGroup.clear();
}

int64_t ReadInteger(const GroupKeyFile& file, const QString& key, int64_t defaultValue)
{
    const GroupKeyLine* line = FindEntry(file, key);
    return line ? LeadingInteger(line->value) : defaultValue;
}

float ReadDecimal(const GroupKeyFile& file, const QString& key, float defaultValue)
{
    const GroupKeyLine* line = FindEntry(file, key);
    if (!line)
        return defaultValue;
    const QString value = WithoutTrailingBlanks(line->value).toString();
    if (SameName(value, QStringLiteral("+Infinity")))
        return std::numeric_limits<float>::infinity();
    if (SameName(value, QStringLiteral("-Infinity")))
        return -std::numeric_limits<float>::infinity();
    if (SameName(value, QStringLiteral("NaN")))
        return std::numeric_limits<float>::quiet_NaN();
    return LeadingFloat(value);
}

QString ReadText(const GroupKeyFile& file, const QString& key, const QString& defaultValue)
{
    const GroupKeyLine* line = FindEntry(file, key);
    return line ? WithoutTrailingBlanks(line->value).toString() : defaultValue;
}

void WriteInteger(GroupKeyFile& file, const QString& key, int64_t value)
{
    WriteValue(file, key, QString::number(value));
}

void WriteDecimal(GroupKeyFile& file, const QString& key, float value)
{
    QString text;
    if (std::isnan(value))
        text = QStringLiteral("NaN");
    else if (std::isinf(value))
        text = value > 0 ? QStringLiteral("+Infinity") : QStringLiteral("-Infinity");
    else
        text = SixDecimalText(value);
    WriteValue(file, key, text);
}

void WriteText(GroupKeyFile& file, const QString& key, const QString& value)
{
    WriteValue(file, key, value);
}
