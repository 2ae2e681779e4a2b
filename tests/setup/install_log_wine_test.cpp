// The folder chain of the copy step and the uninstall registration, against
// Wine's files and registry (the rest of the copy step and the log merge
// are driven through the dialog in tests/e2e/setup).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "copy_engine.h"
#include "registry_entries.h"
#include "registry_key.h"
#include "script.h"
#include "uninstall_registration.h"
#include "wine_files.h"

namespace {

std::string Value(const std::string& script, const char* section, const char* key)
{
    char value[kPathSize];
    ReadProfileText(script.c_str(), section, key, value, "(missing)");
    return value;
}

std::string RegistryText(const std::string& key, const char* name)
{
    RegistryKey open;
    char value[kPathSize] = "(missing)";
    if (open.Open(HKEY_LOCAL_MACHINE, key.c_str(), KEY_READ)) ReadRegistryText(open.Handle(), name, value, sizeof value);
    return value;
}

bool KeyExists(const std::string& key)
{
    return RegistryKey().Open(HKEY_LOCAL_MACHINE, key.c_str(), KEY_READ);
}

} // namespace

// Folders two levels below an existing one: the upper new folder first;
// a folder that is already there is logged like a made one.
TEST(MakeFolderChain, LogsOuterFoldersFirst)
{
    TempFolder temp;
    std::string script = temp.Write("Setup.ini", "");
    RunningScript running(script);
    char path[kPathSize];
    CopyText(path, (temp / "Company\\Product").c_str());
    EXPECT_EQ(MakeFolderChain(path, 0), 2);
    EXPECT_EQ(std::string(path), temp / "Company\\Product"); // restored after the cuts
    EXPECT_TRUE(std::filesystem::is_directory(temp / "Company\\Product"));
    CopyText(path, temp.Path().c_str());
    EXPECT_EQ(MakeFolderChain(path, 2), 3);
    EXPECT_EQ(Value(script, "MakedDirectory", "0"), temp / "Company");
    EXPECT_EQ(Value(script, "MakedDirectory", "1"), temp / "Company\\Product");
    EXPECT_EQ(Value(script, "MakedDirectory", "2"), temp.Path());
}

// The uninstall command is the unquoted path, blanks and all, with
// " uninstall" for Del Auto; the uninstall removes the whole key again.
TEST(RegisterUninstall, WritesTheEntryThatTheUninstallRemoves)
{
    const std::string product = "SetupActionsTest" + std::to_string(GetCurrentProcessId());
    const std::string key = std::string(kUninstallListKey) + "\\" + product;
    RegistryScope cleanup(HKEY_LOCAL_MACHINE, key);
    TempFolder temp;
    std::string script = temp.Write("Setup.ini", ScriptLines({"[Setup]", "Name=Tool 1.0", "[Root]", "Name=" + product,
                                                              "Named=C:\\Program Files\\Tool Dir"}));
    RunningScript running(script);

    RegisterUninstall();
    EXPECT_EQ(RegistryText(key, "DisplayName"), "Tool 1.0");
    EXPECT_EQ(RegistryText(key, "UninstallString"), "C:\\Program Files\\Tool Dir\\Setup.exe");
    WriteScriptText("Del", "Auto", "1");
    RegisterUninstall();
    EXPECT_EQ(RegistryText(key, "UninstallString"), "C:\\Program Files\\Tool Dir\\Setup.exe uninstall");

    // Whatever else came to live below the product's key goes with it.
    cleanup.Set("Extra\\Deeper", "Value", "x");
    RemoveCompanyKeys();
    EXPECT_FALSE(KeyExists(key));
    EXPECT_TRUE(KeyExists(kUninstallListKey));
}
