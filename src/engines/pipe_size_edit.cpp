#include "engines/pipe_size_edit.h"

#include <algorithm>

#include "base/group_key_file.h"
#include "base/number_text.h"
#include "engines/library_files.h"

namespace {

constexpr int SizeNameCapacity = 16;  // [characters]

// `index` is the size being changed, -1 for a new one.
SizeEditResult CheckEntry(const PipeLibrary& library, int index, const SizeEntry& entry)
{
    const QString name = WithoutBlanksAround(entry.name);
    if (name.isEmpty() || !(entry.outsideDiameter > 0.0f) || !(entry.thickness > 0.0f))
        return SizeEditResult::Incomplete;
    const QString stored = CutText(name, SizeNameCapacity);
    if (IsReservedSizeName(stored))
        return SizeEditResult::ReservedName;
    if (CheckStoredName(name).fault != NameFault::None)
        return SizeEditResult::RefusedCharacter;
    // Each size is a group of the file, whose names match as compared here: two
    // sizes of one name would be listed twice wherever the library is read.
    for (int i = 0; i < static_cast<int>(library.sizes.size()); ++i)
        if (i != index && SameName(library.sizes[i].name, stored))
            return SizeEditResult::DuplicateName;
    return SizeEditResult::Done;
}

void StoreEntry(PipeSize& size, const SizeEntry& entry)
{
    size.name = CutText(WithoutBlanksAround(entry.name), SizeNameCapacity);
    size.outsideDiameter = entry.outsideDiameter;
    size.thickness = entry.thickness;
    size.insideDiameter = InsideDiameter(entry.outsideDiameter, entry.thickness);
}

}  // namespace

float InsideDiameter(float outsideDiameter, float thickness)
{
    const float wall = 2.0f * thickness;  // [mm]
    return outsideDiameter - wall;
}

SizeEditResult AddPipeSize(PipeLibrary& library, const SizeEntry& entry)
{
    if (const SizeEditResult check = CheckEntry(library, -1, entry); check != SizeEditResult::Done)
        return check;
    const float inside = InsideDiameter(entry.outsideDiameter, entry.thickness);  // [mm]
    if (inside <= 0.0f)
        return SizeEditResult::InsideNotPositive;
    // The whole list is searched: a library read from a file need not be in order.
    for (const PipeSize& size : library.sizes)
        if (size.insideDiameter == inside)
            return SizeEditResult::DuplicateInside;

    PipeSize added;
    added.active = 1;
    StoreEntry(added, entry);
    const auto larger = std::find_if(library.sizes.begin(), library.sizes.end(),
                                     [inside](const PipeSize& size) { return size.insideDiameter > inside; });
    library.sizes.insert(larger, added);
    return SizeEditResult::Done;
}

SizeEditResult ModifyPipeSize(PipeLibrary& library, int index, const SizeEntry& entry)
{
    if (index < 0 || index >= static_cast<int>(library.sizes.size()))
        return SizeEditResult::Incomplete;
    if (const SizeEditResult check = CheckEntry(library, index, entry); check != SizeEditResult::Done)
        return check;
    StoreEntry(library.sizes[index], entry);
    SortSizesByInsideDiameter(library);
    return SizeEditResult::Done;
}

void SortSizesByInsideDiameter(PipeLibrary& library)
{
    std::stable_sort(library.sizes.begin(), library.sizes.end(),
                     [](const PipeSize& a, const PipeSize& b) { return a.insideDiameter < b.insideDiameter; });
}
