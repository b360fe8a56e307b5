#include "app/folders.h"

#include "platform/system.h"

Folders ResolveFolders()
{
    Folders folders;
    folders.work = CurrentFolder();
    folders.data = DataFolder();
    return folders;
}
