#pragma once

#include <QLatin1String>
#include <QString>
#include <cstdint>

#include "engines/pipe_library.h"

// Answers of the editor's save question that SaveLibrary receives in place of a path.
inline constexpr QLatin1String FillErrorMarker("Erreur de remplissage");  // a library field is missing
inline constexpr QLatin1String NoSaveMarker("NoSave");                    // the user chose not to save

// Results of SaveLibrary.
enum LibrarySaveResult : uint8_t {
    LibraryNotSaved = 0,  // empty path, or the file could not be written
    LibrarySaved = 1,
    LibraryFillError = 2,         // the path was FillErrorMarker
    LibraryNoSave = 3,            // the path was NoSaveMarker
    LibraryReservedSizeName = 4,  // a size is named "Global": it would be read back as the header
};

// The group holding the library's own keys; compared with letter case when reading.
inline constexpr QLatin1String GlobalGroup("Global");

// Reloads both lists from the "*.tub" (water) and "*.eva" (drainage) files of
// dataFolder + "Data/", each sorted by name. A list whose folder cannot be
// listed is left as it was.
void ScanLibraries(const QString& dataFolder, PipeLibraryList& waterLibraries, PipeLibraryList& drainageLibraries);

// The same from the files of one folder (ending with "/") itself.
void ScanLibraryFolder(const QString& folder, PipeLibraryList& waterLibraries, PipeLibraryList& drainageLibraries);

// Appends the library of one file to the list its extension names ("tub" water,
// "eva" drainage, in any letter case). False, with nothing appended, for any
// other extension or a file that cannot be read.
bool LoadLibraryFile(const QString& path, PipeLibraryList& waterLibraries, PipeLibraryList& drainageLibraries);

// Writes the library to the path, replacing any file there (the old file stays
// whole when the write fails). Returns a LibrarySaveResult.
uint8_t SaveLibrary(const QString& pathOrMarker, const PipeLibrary& library);

// A size may not be named "Global" (it would become the library's header when
// read back); the editor refuses such names when a size is added or changed.
bool IsReservedSizeName(const QString& name);

// What keeps a name (of a library or a size) from coming back from a file as
// it was written.
enum class NameFault : uint8_t {
    None,
    Character,  // "]" ends a group name, "=" ends a key
    Start,      // "[" opens a group line
    Control,    // a line break or another control character
};
struct NameCheck {
    NameFault fault = NameFault::None;
    QChar character;  // the one at fault
};
NameCheck CheckStoredName(const QString& name);
// Without the blanks (spaces, tabs) around it, as a file gives texts back.
QString WithoutBlanksAround(const QString& name);

// Position of the first library of that name (exact comparison); -1 when none.
int FindLibraryByName(const PipeLibraryList& libraries, const QString& name);

// Sorts by name comparing 16-bit character codes ("Cuivre" before "acier").
void SortLibraries(PipeLibraryList& libraries);
