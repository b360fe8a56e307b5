#include <gtest/gtest.h>

#include "app/folders.h"

namespace {

struct DataFolderCase {
    OsVersion os;
    const char* profile;
    const char* userData;
    const char* dataFolder;
};

TEST(Folders, DataFolderFollowsTheOperatingSystem)
{
    const DataFolderCase cases[] = {
        {OsVersion::WindowsXp, "C:/Documents and Settings/jean/", "",
         "C:/Documents and Settings/jean/Application Data/Vorquil 3/"},
        {OsVersion::Windows98, "C:/Windows/Profiles/jean", "", "C:/Windows/Profiles/jean/Application Data/Vorquil 3/"},
        {OsVersion::Windows2000, "C:/p/", "", "C:/p/Application Data/Vorquil 3/"},
        {OsVersion::WindowsXp64, "C:/p/", "", "C:/p/Application Data/Vorquil 3/"},
        {OsVersion::WindowsServer2003, "C:/p/", "", "C:/p/Application Data/Vorquil 3/"},
        {OsVersion::Windows7, "C:/Users/jean/", "", "C:/Users/jean/AppData/Roaming/Vorquil 3/"},
        {OsVersion::WindowsVista, "C:/p/", "", "C:/p/AppData/Roaming/Vorquil 3/"},
        {OsVersion::WindowsServer2008, "C:/p/", "", "C:/p/AppData/Roaming/Vorquil 3/"},
        {OsVersion::Windows8, "C:/p/", "", "C:/p/AppData/Roaming/Vorquil 3/"},
        {OsVersion::Unknown, "C:/p/", "", "C:/p/AppData/Roaming/Vorquil 3/"},
        {OsVersion::WindowsServer2008R2, "C:/Users/jean/", "", ""},
        {OsVersion::WindowsServer2012, "C:/p/", "", ""},
        {OsVersion::Windows95, "C:/p/", "", ""},
        {OsVersion::WindowsMe, "C:/p/", "", ""},
        {OsVersion::WindowsNt3, "C:/p/", "", ""},
        {OsVersion::WindowsNt4, "C:/p/", "", ""},
        {OsVersion::Linux, "/home/jean/", "/home/jean/.local/share/", "/home/jean/.local/share/Vorquil 3/"},
        {OsVersion::Linux, "/home/jean/", "/data/xdg", "/data/xdg/Vorquil 3/"},
    };
    for (const DataFolderCase& c : cases)
        EXPECT_EQ(DataFolderFor(c.os, QString::fromUtf8(c.profile), QString::fromUtf8(c.userData)),
                  QString::fromUtf8(c.dataFolder))
            << int(c.os) << " " << c.profile;
}

}  // namespace
