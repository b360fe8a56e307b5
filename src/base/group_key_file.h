#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The text files of groups and keys shared by the configuration and the pipe
// libraries:
//
//   ; a comment
//   [Group]
//   Key = value
//
// Read as UTF-8 after a byte-order mark, as Latin-1 without one; lines end
// with CR LF, CR or LF; leading blanks are ignored; group and key names match
// without regard to ASCII letter case. The whole file is held in memory and
// written back at close, as UTF-8 with the mark, CR LF, first line empty.

enum class GroupKeyLineKind { Comment, Group, Entry };

struct GroupKeyLine {
    GroupKeyLineKind kind = GroupKeyLineKind::Entry;
    QString name;   // group name or key
    QString value;  // entry value as written (leading blanks skipped), or comment text
};

struct GroupKeyFile {
    QString path;
    std::vector<GroupKeyLine> lines;  // blank lines are not kept; changed only by the procedures below...
    std::vector<int> groupLines;      // ...which keep this list of its group lines, in order, in step
    int group = -1;                   // line of the current group; -1: the lines before any group
    bool groupPending = false;        // the selected group does not exist yet...
    QString pendingGroup;             // ...and is added at the end by the first write
    bool changed = false;             // something to write at close
};

// Reads the whole file; false (and an empty record) when it cannot be read.
bool OpenGroupKeyFile(GroupKeyFile& file, const QString& path);
// Starts an empty file that will replace whatever is at the path when closed.
void CreateGroupKeyFile(GroupKeyFile& file, const QString& path);
// Writes the file when anything was written or it was created, replacing the
// old one only once the new content is safely on disk; false when it could not
// be written (the old file is then left whole; error, when given, receives the
// system's error number). The record is emptied.
bool CloseGroupKeyFile(GroupKeyFile& file, int* error = nullptr);

// Text form, as read and as written (the byte-order mark included).
void ParseGroupKeyBytes(GroupKeyFile& file, const QByteArray& bytes);
QByteArray GroupKeyFileBytes(const GroupKeyFile& file);

// Makes the first group of that name current (a later write creates it at the
// end when there is none).
void SelectGroup(GroupKeyFile& file, const QString& group);
// Adds a group at the end even when one of that name exists, and makes it current.
void AppendGroup(GroupKeyFile& file, const QString& group);
// Groups in file order, for walking them one by one.
int GroupCount(const GroupKeyFile& file);
QString GroupNameAt(const GroupKeyFile& file, int index);
void SelectGroupAt(GroupKeyFile& file, int index);

// Reads a key of the current group; a missing key gives the caller's default.
int64_t ReadInteger(const GroupKeyFile& file, const QString& key, int64_t defaultValue);
float ReadDecimal(const GroupKeyFile& file, const QString& key, float defaultValue);
QString ReadText(const GroupKeyFile& file, const QString& key, const QString& defaultValue);

// Writes a key of the current group: in place when it exists, otherwise after
// the group's last entry.
void WriteInteger(GroupKeyFile& file, const QString& key, int64_t value);
void WriteDecimal(GroupKeyFile& file, const QString& key, float value);
void WriteText(GroupKeyFile& file, const QString& key, const QString& value);

// Group and key names match without regard to ASCII letter case only.
bool SameName(const QString& a, const QString& b);
