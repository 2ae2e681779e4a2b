#include <gtest/gtest.h>

#include <string>

#include "registry_entry.h"

namespace {

// The parts of a Make entry as one text: "root|key path|value name|data",
// "-" for a part that is not set.
std::string Parsed(std::string entry)
{
    RegistryWrite write;
    if (!ParseRegistryWrite(entry.data(), write)) return "(nothing)";
    auto part = [](const char* text) { return text ? std::string(text) : std::string("-"); };
    return std::string(write.rootName) + "|" + write.keyPath + "|" + part(write.valueName) + "|" + part(write.data);
}

} // namespace

TEST(RegistryEntry, RootNamesWithTheLocalMachineForAnyOther)
{
    EXPECT_EQ(RootOfName("HKEY_CLASSES_ROOT"), RegistryRoot::ClassesRoot);
    EXPECT_EQ(RootOfName("hkey_current_user"), RegistryRoot::CurrentUser);
    EXPECT_EQ(RootOfName("HKEY_USERS"), RegistryRoot::Users);
    EXPECT_EQ(RootOfName("HKEY_CURRENT_CONFIG"), RegistryRoot::CurrentConfig);
    for (const char* name : {"HKEY_LOCAL_MACHINE", "HKLM", "HKCU", "", "HKEY_CURRENT_USERS"})
        EXPECT_EQ(RootOfName(name), RegistryRoot::LocalMachine) << name;
}

TEST(RegistryEntry, MakeForms)
{
    EXPECT_EQ(Parsed("HKCU\\Software\\Co\\App"), "HKCU|Software\\Co\\App|-|-");
    EXPECT_EQ(Parsed("HKCU\\Software\\Co\\App\\"), "HKCU|Software\\Co\\App|-|-");
    EXPECT_EQ(Parsed("HKCU\\Software\\Co\\\\Path\\%root%\\bin"), "HKCU|Software\\Co|Path|%root%\\bin");
    // Three backslashes: the default value.
    EXPECT_EQ(Parsed("HKCU\\Software\\Co\\\\\\!C:\\x"), "HKCU|Software\\Co||!C:\\x");
    // Two right after the root name: a value of the root key itself.
    EXPECT_EQ(Parsed("HKCU\\\\Name\\data"), "HKCU||Name|data");
    // A value name with no data after it: the keys only.
    EXPECT_EQ(Parsed("HKCU\\Software\\Co\\\\Name"), "HKCU|Software\\Co|-|-");
    EXPECT_EQ(Parsed("no backslash"), "(nothing)");
    // "表" ends in the byte 0x5C: no separator, and no double backslash.
    EXPECT_EQ(Parsed("HKCU\\Software\\\x95\x5C\\\\N\\d"), "HKCU|Software\\\x95\x5C|N|d");
    EXPECT_EQ(Parsed("HKCU\\Software\\\x95\x5C\\Key"), "HKCU|Software\\\x95\x5C\\Key|-|-");
}

TEST(RegistryEntry, ErasePathsAndFirstLevelKeys)
{
    std::string entry = "HKLM\\Software\\Co\\\\";
    EXPECT_STREQ(ParseRegistryErase(entry.data()), "Software\\Co");
    EXPECT_STREQ(entry.c_str(), "HKLM");
    std::string none = "HKLM";
    EXPECT_EQ(ParseRegistryErase(none.data()), nullptr);

    for (const char* path : {"", "Software", "Software\\", "\\Software", "Software\\\\", "\x95\x5C"})
        EXPECT_TRUE(IsFirstLevelKeyPath(path)) << path;
    for (const char* path : {"Software\\Co", "\\Software\\Co\\", "\x95\x5C\\a"})
        EXPECT_FALSE(IsFirstLevelKeyPath(path)) << path;
}
