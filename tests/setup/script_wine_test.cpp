// Script access through the system's profile functions, against real files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script.h"
#include "wine_files.h"

namespace {

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

} // namespace

TEST(Script, ValuesAreCutToTheirBuffers)
{
    TempFolder folder;
    std::string value300(300, 'v');
    std::string reg1039(1039, 'r');
    std::string script = folder.Write("Setup.ini", "[Root]\r\nName=" + value300 + "\r\n[Reg]\r\nMake0=" + reg1039 + "\r\n");
    char path[kPathSize];
    EXPECT_EQ(ReadProfileText(script.c_str(), "Root", "Name", path), 259u);
    EXPECT_EQ(std::string(path), value300.substr(0, 259));
    std::vector<char> value(kLongValueSize);
    EXPECT_EQ(ReadProfileText(script.c_str(), "Reg", "Make0", value.data(), value.size()), 1039u);
    EXPECT_EQ(std::string(value.data()), reg1039);
}

TEST(Script, NamesMatchInAnyCaseAndMissingGivesTheDefault)
{
    TempFolder folder;
    std::string script = folder.Write("Setup.ini", Lines({"[check]", "menu=2", "[Setup]", "Name=\"Quoted\""}));
    EXPECT_EQ(ReadProfileInt(script.c_str(), "Check", "Menu"), 2);
    EXPECT_EQ(ReadProfileInt(script.c_str(), "Check", "Desktop"), 0);
    char text[kPathSize];
    EXPECT_EQ(ReadProfileText(script.c_str(), "Setup", "Name", text), 6u);
    EXPECT_STREQ(text, "Quoted");
    EXPECT_EQ(ReadProfileText(script.c_str(), "Setup", "Missing", text, "Install"), 7u);
    EXPECT_STREQ(text, "Install");
    std::string missing = folder / "None.ini";
    EXPECT_EQ(ReadProfileText(missing.c_str(), "Setup", "Name", text), 0u);
}

TEST(Script, ListsEndAtTheFirstGap)
{
    TempFolder folder;
    std::string script = folder.Write("Setup.ini",
        Lines({"[Menu0]", "Name=A", "[Menu1]", "Name=B", "[Menu3]", "Name=D",
               "[MakeDirectory]", "0=never", "1=bin", "2=doc", "3=", "4=after",
               "[Go2]", "Make0=x.exe", "Make1=y.exe", "Erase0=z.exe"}));
    std::vector<std::string> sections;
    EXPECT_EQ(ForEachNumberedSection(script.c_str(), "Menu", "Name",
                                     [&](int, const char* section) { sections.push_back(section); }), 2);
    EXPECT_EQ(sections, (std::vector<std::string>{"Menu0", "Menu1"}));

    std::vector<std::string> folders;
    EXPECT_EQ(ForEachListedValue(script.c_str(), "MakeDirectory", "", 1, kPathSize,
                                 [&](int, const char* value) { folders.push_back(value); }), 2);
    EXPECT_EQ(folders, (std::vector<std::string>{"bin", "doc"}));

    std::vector<std::string> programs;
    ForEachListedValue(script.c_str(), "Go2", "Make", 0, kLongValueSize,
                       [&](int, const char* value) { programs.push_back(value); });
    EXPECT_EQ(programs, (std::vector<std::string>{"x.exe", "y.exe"}));
}
