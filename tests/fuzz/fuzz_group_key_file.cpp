// The group-and-key reader: any bytes parse, and what is written back reads
// back as the same lines.
#include <QByteArray>
#include <QStringList>

#include "base/group_key_file.h"
#include "fuzz_support.h"

namespace {

bool SameLines(const GroupKeyFile& a, const GroupKeyFile& b)
{
    if (a.lines.size() != b.lines.size())
        return false;
    for (size_t i = 0; i < a.lines.size(); ++i)
        if (a.lines[i].kind != b.lines[i].kind || a.lines[i].name != b.lines[i].name
            || a.lines[i].value != b.lines[i].value)
            return false;
    return true;
}

// A key and value that the syntax can carry: one line, no "=" in the key, no
// blanks around either, and a key that does not read as a group or comment.
bool Writable(const QString& key, const QString& value)
{
    const auto blankEdged = [](const QString& s) {
        return !s.isEmpty() && (s.front() == u' ' || s.front() == u'\t' || s.back() == u' ' || s.back() == u'\t');
    };
    for (const QString& s : {key, value})
        if (s.contains(u'\r') || s.contains(u'\n') || blankEdged(s))
            return false;
    return !key.isEmpty() && !key.contains(u'=') && !key.startsWith(u';') && !key.startsWith(u'[');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    GroupKeyFile first;
    ParseGroupKeyBytes(first, bytes);
    const QByteArray written = GroupKeyFileBytes(first);
    GroupKeyFile second;
    ParseGroupKeyBytes(second, written);
    FuzzCheck(SameLines(first, second), "written file reads back as the same lines");
    FuzzCheck(GroupKeyFileBytes(second) == written, "writing is stable");

    // Read keys of the file in its groups, as the loaders do.
    QStringList keys;
    for (const GroupKeyLine& line : first.lines)
        if (line.kind == GroupKeyLineKind::Entry && keys.size() < 32)
            keys << line.name;
    const int groups = GroupCount(first);
    for (int g = 0; g < groups && g < 16; ++g) {
        SelectGroupAt(first, g);
        for (const QString& key : keys) {
            ReadInteger(first, key, 0);
            ReadDecimal(first, key, 0.0f);
            ReadText(first, key, {});
        }
    }

    // A value written under the first line's key survives the trip to bytes.
    if (first.lines.empty())
        return 0;
    const QString key = first.lines.front().name;
    const QString value = first.lines.back().value;
    SelectGroup(first, QStringLiteral("Fuzz"));
    WriteText(first, key, value);
    GroupKeyFile third;
    ParseGroupKeyBytes(third, GroupKeyFileBytes(first));
    SelectGroup(third, QStringLiteral("Fuzz"));
    if (Writable(key, value))
        FuzzCheck(ReadText(third, key, QStringLiteral("<missing>")) == value, "written value reads back", value);
    return 0;
}
