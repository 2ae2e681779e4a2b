// Removal of installed files and folders, against Wine's real files and
// its Recycle Bin (the desktop's trash).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "removal.h"
#include "wine_files.h"

namespace {

namespace fs = std::filesystem;

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolders(const TempFolder& temp, std::initializer_list<const char*> folders)
{
    for (const char* folder : folders) fs::create_directories(temp / folder);
}

void MakeFiles(const TempFolder& temp, std::initializer_list<const char*> files)
{
    for (const char* file : files) temp.Write(file, "x");
}

} // namespace

// One uninstall over a folder as an install and its user left it: delete
// patterns, the log newest first, DirRemove from key 1 with a macro, made
// folders innermost first with key 0 left, Force on a read-only file; then
// the report of what stayed.
TEST(RemoveInstalledFiles, RemovesWhatIsLoggedAndListsWhatStays)
{
    WineTrash trash;
    ASSERT_TRUE(trash.Known()) << "XDG_DATA_HOME is not set for this test";
    TempFolder temp;
    const std::string app = temp / "App";
    MakeFolders(temp, {"App\\bin\\deep", "App\\data", "App\\logs", "App\\cache", "App\\sub.log", "outside"});
    MakeFiles(temp, {"App\\ReadMe.txt", "App\\bin\\tool.exe", "App\\bin\\deep\\x.dat", "App\\a.log", "App\\b.log",
                     "App\\sub.log\\kept.txt", "App\\data\\mine.txt", "App\\Setup.exe", "App\\Setup.ini",
                     "outside\\old.tmp", "outside\\keep.txt"});
    SetFileAttributesA((temp / "App\\bin\\tool.exe").c_str(), FILE_ATTRIBUTE_READONLY);

    std::string script = temp.Write("Setup.ini", ScriptLines({
        "[Root]", "Named=" + app,
        "[Del]", "Force=1", "ShowError=1", "0=*.log", "1=!" + temp.Path() + "\\outside\\*.tmp",
        "[DirRemove]", "0=cache", "1=%root%\\logs",
        "[CopiedFile]", "Count=4", "0=" + app + "\\ReadMe.txt", "1=" + app + "\\bin\\tool.exe",
        "3=" + app + "\\bin\\deep\\x.dat",
        "[MakedDirectory]", "Count=4", "0=" + app, "1=" + app + "\\bin", "2=" + app + "\\bin\\deep",
        "3=" + app + "\\data"}));
    RunningScript running(script);

    RemoveInstalledFiles();

    for (const char* gone : {"App\\ReadMe.txt", "App\\bin\\tool.exe", "App\\bin\\deep\\x.dat", "App\\a.log",
                             "App\\b.log", "App\\bin\\deep", "App\\bin", "App\\logs", "outside\\old.tmp"})
        EXPECT_FALSE(Exists(temp / gone)) << gone;
    for (const char* kept : {"App\\sub.log\\kept.txt", "App\\cache", "App\\data\\mine.txt", "App\\Setup.exe",
                             "App\\Setup.ini", "outside\\keep.txt"})
        EXPECT_TRUE(Exists(temp / kept)) << kept;
    // To the Recycle Bin, not destroyed.
    EXPECT_TRUE(trash.Holds(app + "\\ReadMe.txt"));
    EXPECT_TRUE(trash.Holds(app + "\\a.log"));
    EXPECT_TRUE(trash.Holds(app + "\\bin\\tool.exe"));

    // The made folder with the user's file, and the install folder that
    // holds more than setup; a pattern that now matches only a folder, and
    // the log gap, list nothing.
    std::string expected = app + "\\data\n" + app + "\n";
    std::string report = "heading\n";
    EXPECT_EQ(ListUndeleted(nullptr), expected.size());
    EXPECT_EQ(ListUndeleted(&report), expected.size());
    EXPECT_EQ(report, "heading\n" + expected);

    // Setup's own files, in any letter case, and names beginning with "."
    // do not count.
    fs::remove_all(temp / "App\\sub.log");
    fs::remove_all(temp / "App\\cache");
    fs::remove_all(temp / "App\\data");
    fs::rename(temp / "App\\Setup.ini", temp / "App\\SETUP.INI");
    fs::create_directories(temp / "App\\.settings");
    EXPECT_EQ(ListUndeleted(nullptr), 0u);
}

// The Start-menu folder's removal: everything below goes, but a folder
// whose name begins with "." stays, and with it its parents.
TEST(RemoveFolderTree, LeavesFoldersBeginningWithADot)
{
    WineTrash trash;
    TempFolder temp;
    MakeFolders(temp, {"Menu\\Sub", "Menu\\.svn", "Plain\\Sub"});
    MakeFiles(temp, {"Menu\\a.lnk", "Menu\\Sub\\b.lnk", "Menu\\.svn\\entries", "Plain\\a.lnk", "Plain\\Sub\\b.lnk"});

    RemoveFolderTree((temp / "Menu").c_str());
    RemoveFolderTree((temp / "Plain").c_str());

    EXPECT_FALSE(Exists(temp / "Menu\\a.lnk"));
    EXPECT_FALSE(Exists(temp / "Menu\\Sub"));
    EXPECT_TRUE(Exists(temp / "Menu\\.svn\\entries"));
    EXPECT_FALSE(Exists(temp / "Plain"));
    EXPECT_TRUE(trash.Holds(temp / "Plain\\Sub\\b.lnk"));
}
