#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "macro_text.h"
#include "text_limits.h"

namespace {

// The folders of a small Japanese Windows of old: system folder on C:.
class FakeFolders : public FolderLookup {
public:
    std::map<MacroFolder, std::string> folders{
        {MacroFolder::System, "C:\\WINDOWS\\SYSTEM"},
        {MacroFolder::Windows, "C:\\WINDOWS"},
        {MacroFolder::Desktop, "C:\\WINDOWS\\Desktop\\"},
        {MacroFolder::Programs, "C:\\Program Files"},
    };
    bool Find(MacroFolder folder, char* out) override
    {
        auto found = folders.find(folder);
        if (found == folders.end()) {
            out[0] = '\0';
            return false;
        }
        std::strcpy(out, found->second.c_str());
        return true;
    }
};

std::string Resolved(const char* value, FakeFolders& folders, const char* base = "C:\\App")
{
    char out[kPathSize];
    if (!ResolveLeadingForm(value, base, out, folders)) return "(not a leading form)";
    return out;
}

std::string Expanded(std::string text, FakeFolders& folders, const char* root = "C:\\App",
                     size_t size = 520)
{
    std::string buffer(size, '\0');
    std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
    ExpandMacroText(buffer.data(), size, root, folders);
    return buffer.c_str();
}

std::string Folder(const char* name, FakeFolders& folders)
{
    char out[kPathSize];
    FormDefaultInstallFolder(name, out, folders);
    return out;
}

} // namespace

TEST(ResolvePath, LeadingMacros)
{
    FakeFolders folders;
    EXPECT_EQ(Resolved("%SYSTEM%\\x.dll", folders), "C:\\WINDOWS\\SYSTEM\\x.dll");
    EXPECT_EQ(Resolved("%Windows%notepad.exe", folders), "C:\\WINDOWSnotepad.exe"); // no separator added
    EXPECT_EQ(Resolved("%desktop%\\a.lnk", folders), "C:\\WINDOWS\\Desktop\\a.lnk");
    EXPECT_EQ(Resolved("%programs%\\Tool", folders), "C:\\Program Files\\Tool");
    EXPECT_EQ(Resolved("%root%\\bin", folders), "C:\\App\\\\bin");
    EXPECT_EQ(Resolved("%root%bin", folders), "C:\\App\\bin");
    EXPECT_EQ(Resolved("!C:\\Tools\\x.exe", folders), "C:\\Tools\\x.exe");
    EXPECT_EQ(Resolved("x.exe", folders), "(not a leading form)");
    EXPECT_EQ(Resolved("%system\\x", folders), "(not a leading form)");
}

TEST(ResolvePath, ProgramsFallsBackToWindows)
{
    FakeFolders folders;
    folders.folders[MacroFolder::Programs] = "";
    EXPECT_EQ(Resolved("%programs%\\Tool", folders), "C:\\WINDOWS\\Tool");
    folders.folders.erase(MacroFolder::Programs);
    EXPECT_EQ(Resolved("%PROGRAMS%\\Tool", folders), "C:\\WINDOWS\\Tool");
}

TEST(ResolvePath, InPlaceAndTooLong)
{
    FakeFolders folders;
    char buffer[kPathSize] = "%root%x";
    ASSERT_TRUE(ResolveLeadingForm(buffer, "C:\\App", buffer, folders));
    EXPECT_STREQ(buffer, "C:\\App\\x");

    std::string tail(250, 'x');
    EXPECT_EQ(Resolved(("%windows%\\" + tail).c_str(), folders), "");
    EXPECT_EQ(Resolved(("%root%" + tail + "12345").c_str(), folders), "");
}

TEST(ExpandMacros, ReplacesKnownMacrosAnywhere)
{
    FakeFolders folders;
    EXPECT_EQ(Expanded("%windows%\\notepad.exe %root%\\a.txt", folders),
              "C:\\WINDOWS\\notepad.exe C:\\App\\a.txt");
    EXPECT_EQ(Expanded("run %DESKTOP%\\x %System%", folders),
              "run C:\\WINDOWS\\Desktop\\x C:\\WINDOWS\\SYSTEM");
    EXPECT_EQ(Expanded("%PATH% 50% and %%", folders), "%PATH% 50% and %%");
    EXPECT_EQ(Expanded("tail %windows", folders), "tail %windows");
    EXPECT_EQ(Expanded("no macro", folders), "no macro");
}

TEST(ExpandMacros, UnknownFoldersStayAsWritten)
{
    FakeFolders folders;
    folders.folders[MacroFolder::Programs] = "";
    EXPECT_EQ(Expanded("%Programs%\\x %root%", folders, ""), "%Programs%\\x %root%");
}

TEST(ExpandMacros, LongTextsKeepTheirBufferAndOverflowEmpties)
{
    FakeFolders folders;
    std::string command = "tool.exe " + std::string(700, 'a');
    EXPECT_EQ(Expanded(command, folders, "C:\\App", 1040), command);
    EXPECT_EQ(Expanded("%system%" + std::string(505, 'a'), folders, "C:\\App", 520), "");
}

TEST(DefaultInstallFolder, FolderNameForm)
{
    FakeFolders folders;
    EXPECT_EQ(Folder("%programs%\\Tool", folders), "C:\\Program Files\\Tool");
    EXPECT_EQ(Folder("Tool", folders), "C:\\Tool");
    EXPECT_EQ(Folder("%WINDOWS%\\Tool", folders), "C:\\WINDOWS\\Tool");
    // The desktop keeps its trailing backslash here, and the rest loses its first character.
    EXPECT_EQ(Folder("%desktop%\\Tool", folders), "C:\\WINDOWS\\Desktop\\Tool");
    EXPECT_EQ(Folder("%desktop%", folders), "C:\\WINDOWS\\Desktop\\");
    EXPECT_EQ(Folder("%other%Tool", folders), "C:\\%other\\Tool");
    EXPECT_EQ(Folder("%Tool", folders), "C:\\%Tool");
    folders.folders.erase(MacroFolder::Programs);
    EXPECT_EQ(Folder("%programs%\\Tool", folders), "C:\\WINDOWS\\Tool");
    folders.folders[MacroFolder::System] = "X:";
    EXPECT_EQ(Folder("Tool", folders), "X:\\Tool");
}

TEST(ProgramFromOpenCommand, QuotedOrLongestExistingPrefix)
{
    static const std::set<std::string> files = {"C:\\WINDOWS", "C:\\WINDOWS\\NOTEPAD.EXE",
                                                "C:\\Program Files\\Tool\\tool.exe"};
    auto exists = [](const char* path) { return files.count(path) > 0; };
    char out[kPathSize];
    ASSERT_TRUE(ProgramFromOpenCommand("C:\\WINDOWS\\NOTEPAD.EXE %1", out, exists));
    EXPECT_STREQ(out, "C:\\WINDOWS\\NOTEPAD.EXE");
    ASSERT_TRUE(ProgramFromOpenCommand("C:\\Program Files\\Tool\\tool.exe /o \"%1\"", out, exists));
    EXPECT_STREQ(out, "C:\\Program Files\\Tool\\tool.exe");
    ASSERT_TRUE(ProgramFromOpenCommand("\"C:\\No Such\\x.exe\" \"%1\"", out, exists));
    EXPECT_STREQ(out, "C:\\No Such\\x.exe");
    EXPECT_FALSE(ProgramFromOpenCommand("D:\\x.exe %1", out, exists));
    EXPECT_STREQ(out, "");
}
