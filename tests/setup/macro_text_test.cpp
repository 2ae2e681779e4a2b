#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "macro_text.h"
#include "text_limits.h"

namespace {

// The folders of a small Japanese Windows of old; the desktop ends with a backslash.
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
        std::strcpy(out, folders.count(folder) ? folders[folder].c_str() : "");
        return out[0] != '\0';
    }
};

std::string Expanded(const std::string& text, FakeFolders& folders, size_t size = 520)
{
    std::string buffer = text;
    buffer.resize(size, '\0');
    ExpandMacroText(buffer.data(), size, "C:\\App", folders);
    return buffer.c_str();
}

std::string Folder(const char* name, FakeFolders& folders)
{
    char out[kPathSize];
    FormDefaultInstallFolder(name, out, folders);
    return out;
}

} // namespace

TEST(ExpandMacros, KnownMacrosAnywhereTheRestAsWritten)
{
    FakeFolders folders;
    EXPECT_EQ(Expanded("%windows%\\notepad.exe %ROOT%\\a.txt %Desktop%\\x", folders),
              "C:\\WINDOWS\\notepad.exe C:\\App\\a.txt C:\\WINDOWS\\Desktop\\x");
    EXPECT_EQ(Expanded("%PATH% 50% and %% %system", folders), "%PATH% 50% and %% %system");
    // Longer than a path, as a command line may be; too long for its buffer: empty.
    std::string command = "tool.exe " + std::string(700, 'a');
    EXPECT_EQ(Expanded(command, folders, 1040), command);
    EXPECT_EQ(Expanded("%system%" + std::string(505, 'a'), folders), "");
    // An unknown folder leaves its macro.
    folders.folders.erase(MacroFolder::Programs);
    EXPECT_EQ(Expanded("%programs%\\x", folders), "%programs%\\x");
}

TEST(DefaultInstallFolder, FolderNameForm)
{
    FakeFolders folders;
    EXPECT_EQ(Folder("%programs%\\Tool", folders), "C:\\Program Files\\Tool");
    EXPECT_EQ(Folder("Tool", folders), "C:\\Tool");
    // The desktop keeps its backslash and the rest loses its first character.
    EXPECT_EQ(Folder("%desktop%\\Tool", folders), "C:\\WINDOWS\\Desktop\\Tool");
    EXPECT_EQ(Folder("%other%Tool", folders), "C:\\%other\\Tool");
    folders.folders[MacroFolder::System] = "X:\\SYSTEM";
    EXPECT_EQ(Folder("Tool", folders), "X:\\Tool");
}

// Programs and batch files open with "%1" as their own program: a command
// naming the document itself names no program.
TEST(ProgramFromOpenCommand, TheDocumentItselfIsNoProgram)
{
    auto exists = [](const char* path) { return std::strcmp(path, "C:\\WINDOWS\\NOTEPAD.EXE") == 0; };
    char out[kPathSize];
    EXPECT_TRUE(ProgramFromOpenCommand("\"C:\\No Such\\v.exe\" \"%1\"", out, exists));
    EXPECT_STREQ(out, "C:\\No Such\\v.exe");
    EXPECT_TRUE(ProgramFromOpenCommand("C:\\WINDOWS\\NOTEPAD.EXE %1", out, exists));
    EXPECT_STREQ(out, "C:\\WINDOWS\\NOTEPAD.EXE");
    for (const char* command : {"\"%1\" %*", "%1 %*", "\"%L\"", "%1"}) {
        EXPECT_FALSE(ProgramFromOpenCommand(command, out, exists)) << command;
        EXPECT_STREQ(out, "") << command;
    }
}
