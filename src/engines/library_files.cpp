#include "engines/library_files.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "base/group_key_file.h"
#include "base/number_text.h"

namespace {

constexpr int TextCapacity = 16;  // abbreviation, symbol and size names

const QString TubeNameKey = QStringLiteral("TubeName");
const QString AbbreviationKey = QStringLiteral("Abreviation");
const QString SymbolKey = QStringLiteral("Symbole");
const QString RoughnessKey = QStringLiteral("Rugo");
const QString ActiveKey = QStringLiteral("Actif");
const QString OutsideKey = QStringLiteral("DiamExt");
const QString InsideKey = QStringLiteral("DiamInt");
const QString ThicknessKey = QStringLiteral("Epais");

void ScanPattern(const QString& folder, const QString& pattern, PipeLibraryList& libraries,
                 PipeLibraryList& waterLibraries, PipeLibraryList& drainageLibraries)
{
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir() || !folderInfo.isReadable() || !folderInfo.isExecutable())
        return;
    // The pattern matches without regard to letter case, as LoadLibraryFile
    // compares the extension.
    const QStringList names = QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    libraries.clear();
    for (const QString& name : names)
        LoadLibraryFile(folder + name, waterLibraries, drainageLibraries);
    SortLibraries(libraries);
}

// The comment lines heading the file a save replaces: the delivered files name
// their standard there.
std::vector<GroupKeyLine> LeadingComments(const QString& path)
{
    std::vector<GroupKeyLine> comments;
    GroupKeyFile old;
    if (!QFileInfo(path).isFile() || !OpenGroupKeyFile(old, path))
        return comments;
    for (const GroupKeyLine& line : old.lines) {
        if (line.kind == GroupKeyLineKind::Group)
            break;
        if (line.kind == GroupKeyLineKind::Comment)
            comments.push_back(line);
    }
    return comments;
}

}  // namespace

void SortLibraries(PipeLibraryList& libraries)
{
    std::stable_sort(libraries.begin(), libraries.end(), [](const PipeLibrary& a, const PipeLibrary& b) {
        return std::lexicographical_compare(a.name.utf16(), a.name.utf16() + a.name.size(), b.name.utf16(),
                                            b.name.utf16() + b.name.size());
    });
}

int FindLibraryByName(const PipeLibraryList& libraries, const QString& name)
{
    for (size_t i = 0; i < libraries.size(); ++i)
        if (libraries[i].name == name)
            return static_cast<int>(i);
    return -1;
}

void ScanLibraries(const QString& dataFolder, PipeLibraryList& waterLibraries, PipeLibraryList& drainageLibraries)
{
    ScanLibraryFolder(dataFolder + QStringLiteral("Data/"), waterLibraries, drainageLibraries);
}

void ScanLibraryFolder(const QString& folder, PipeLibraryList& waterLibraries, PipeLibraryList& drainageLibraries)
{
    ScanPattern(folder, QStringLiteral("*.tub"), waterLibraries, waterLibraries, drainageLibraries);
    ScanPattern(folder, QStringLiteral("*.eva"), drainageLibraries, waterLibraries, drainageLibraries);
}

bool LoadLibraryFile(const QString& path, PipeLibraryList& waterLibraries, PipeLibraryList& drainageLibraries)
{
    const QString fileName = QFileInfo(path).fileName();
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : fileName.mid(dot + 1).toLower();
    PipeLibraryList* libraries = nullptr;
    if (extension == u"tub")
        libraries = &waterLibraries;
    else if (extension == u"eva")
        libraries = &drainageLibraries;
    else
        return false;

    GroupKeyFile file;
    if (!OpenGroupKeyFile(file, path))
        return false;
    PipeLibrary library;
    library.file = path;
    const int groups = GroupCount(file);
    for (int g = 0; g < groups; ++g) {
        SelectGroupAt(file, g);
        const QString group = GroupNameAt(file, g);
        if (group == GlobalGroup) {
            library.name = ReadText(file, TubeNameKey, {});
            library.abbreviation = CutText(ReadText(file, AbbreviationKey, {}), TextCapacity);
            library.symbol = CutText(ReadText(file, SymbolKey, {}), TextCapacity);
            library.roughness = ReadDecimal(file, RoughnessKey, 0.0f);
            continue;
        }
        PipeSize size;
        size.name = CutText(group, TextCapacity);
        size.active = uint8_t(ReadInteger(file, ActiveKey, 0) & 0xFF);
        size.outsideDiameter = ReadDecimal(file, OutsideKey, 0.0f);
        size.insideDiameter = ReadDecimal(file, InsideKey, 0.0f);
        size.thickness = ReadDecimal(file, ThicknessKey, 0.0f);
        library.sizes.push_back(size);
    }
    CloseGroupKeyFile(file);
    libraries->push_back(std::move(library));
    return true;
}

bool IsReservedSizeName(const QString& name)
{
    // A group name ends at the first "]" when read back.
    const qsizetype close = name.indexOf(u']');
    return (close < 0 ? name : name.left(close)) == GlobalGroup;
}

NameCheck CheckStoredName(const QString& name)
{
    if (name.startsWith(u'['))
        return {NameFault::Start, u'['};
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return {NameFault::Control, c};
        if (c == u']' || c == u'=')
            return {NameFault::Character, c};
    }
    return {};
}

QString WithoutBlanksAround(const QString& name)
{
    qsizetype first = 0;
    qsizetype end = name.size();
    while (first < end && (name[first] == u' ' || name[first] == u'\t'))
        ++first;
    while (end > first && (name[end - 1] == u' ' || name[end - 1] == u'\t'))
        --end;
    return name.mid(first, end - first);
}

uint8_t SaveLibrary(const QString& pathOrMarker, const PipeLibrary& library)
{
    if (pathOrMarker == FillErrorMarker)
        return LibraryFillError;
    if (pathOrMarker == NoSaveMarker)
        return LibraryNoSave;
    if (pathOrMarker.isEmpty())
        return LibraryNotSaved;
    for (const PipeSize& size : library.sizes)
        if (IsReservedSizeName(CutText(size.name, TextCapacity)))
            return LibraryReservedSizeName;

    GroupKeyFile file;
    CreateGroupKeyFile(file, pathOrMarker);
    file.lines = LeadingComments(pathOrMarker);
    AppendGroup(file, GlobalGroup);
    WriteText(file, TubeNameKey, library.name);
    WriteText(file, AbbreviationKey, CutText(library.abbreviation, TextCapacity));
    WriteText(file, SymbolKey, CutText(library.symbol, TextCapacity));
    WriteDecimal(file, RoughnessKey, library.roughness);
    // One group per size, in list order, even when two names match without
    // regard to letter case: loading walks the groups one by one, so no size is
    // merged into another.
    for (const PipeSize& size : library.sizes) {
        AppendGroup(file, CutText(size.name, TextCapacity));
        WriteInteger(file, ActiveKey, size.active);
        WriteDecimal(file, OutsideKey, size.outsideDiameter);
        WriteDecimal(file, InsideKey, size.insideDiameter);
        WriteDecimal(file, ThicknessKey, size.thickness);
    }
    return CloseGroupKeyFile(file) ? LibrarySaved : LibraryNotSaved;
}
