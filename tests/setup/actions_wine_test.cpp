// setup's registry actions in this process against Wine's real registry, on
// a script of the test's own: a key tree that cannot be deleted, company
// keys and associations as the install round trip (tests/e2e/setup) does
// not meet them.
// Every key carries this process's id and is deleted at the end.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "associations.h"
#include "registry_entries.h"
#include "setup_state.h"
#include "test_files.h"
#include "test_registry.h"
#include "text_limits.h"

namespace {

// The running script of setup, in a fresh folder, with its install folder
// (Root Named: "App" beside it) that holds `tool.exe`, a copy of this test
// program.
class ScriptFixture {
public:
    explicit ScriptFixture(const std::vector<std::string>& lines)
    {
        std::filesystem::create_directories(m_temp / "App");
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        CopyFileA(self, App("tool.exe").c_str(), FALSE);
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        m_temp.Write("Setup.ini", text);
        std::snprintf(g_setup.scriptPath, kPathSize, "%s", m_temp.Path("Setup.ini").c_str());
        WritePrivateProfileStringA("Root", "Named", App().c_str(), g_setup.scriptPath);
    }
    ~ScriptFixture() { g_setup.scriptPath[0] = '\0'; }

    // The install folder, or a file in it.
    std::string App(const std::string& name = "") const
    {
        return m_temp.Path("App") + (name.empty() ? "" : "\\" + name);
    }
    std::string Value(const char* section, const char* key) const
    {
        char value[kLongValueSize];
        GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value, g_setup.scriptPath);
        return value;
    }

private:
    TempFolder m_temp;
};

// Deletes the keys at the end of the scope, whatever the test left.
struct KeysToDelete {
    std::vector<std::pair<HKEY, std::string>> keys;
    ~KeysToDelete()
    {
        for (const auto& [root, key] : keys) RegDeleteTreeA(root, key.c_str());
    }
};

} // namespace

// A sub key that cannot be deleted ends the walk over the key that holds
// it, and the deletion returns. Here its name has a character that the
// code page lacks: the 8-bit enumeration gives "?" for it, a name that
// neither opens nor deletes (as on Windows; Wine does not enforce access
// lists on keys, which would be the other way to make one).
TEST(RegList, KeyTreeWithAKeyThatCannotBeDeleted)
{
    const std::string tree = "Software\\" + Unique("SetupTest") + ".Tree";
    const std::wstring unreadable = std::wstring(tree.begin(), tree.end()) + L"\\\x0E01";
    KeysToDelete cleanup{{{HKEY_CURRENT_USER, tree}}};
    SetRegText(HKEY_CURRENT_USER, tree + "\\A", "v", "a");
    RegSetKeyValueW(HKEY_CURRENT_USER, unreadable.c_str(), L"v", REG_SZ, L"", sizeof(wchar_t));

    // On a thread of its own, so that a walk without end fails the test.
    HANDLE worker = CreateThread(
        nullptr, 0,
        [](void* name) -> DWORD { return DeleteKeyTree(HKEY_CURRENT_USER, static_cast<const char*>(name)), 0; },
        const_cast<char*>(tree.c_str()), 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(worker, 10000), WAIT_OBJECT_0) << "the deletion does not end";
    CloseHandle(worker);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, tree + "\\A"));
    HKEY key;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, unreadable.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

// The company's settings key, which the round trip removes when only the
// product's key was in it and keeps when another's is: nothing at all
// without Root Name, and without Registry Name the whole company key.
TEST(CompanyKeys, WithoutRootNameOrApplicationName)
{
    const std::string company = Unique("SetupTestCompany"), companyKey = "SOFTWARE\\" + company;
    KeysToDelete cleanup{{{HKEY_CURRENT_USER, companyKey}}};
    SetRegText(HKEY_CURRENT_USER, companyKey + "\\Other", "Setting", "kept");
    for (const std::string& product : {std::string("Name="), "Name=" + Unique("SetupTestProduct")}) {
        ScriptFixture script({"[Root]", product, "[Registry]", "Company=" + company});
        RemoveCompanyKeys();
        EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, companyKey), product == "Name=") << product;
    }
}

// An extension already of the product's file type (a), one taken over with
// Force that was nobody's and that a third program took before the removal
// (b), and a section without file type (c). Icons the resolver knows
// nothing of are written as given.
TEST(Associations, SameTypeThirdOwnerNoType)
{
    const std::string id = Unique(""), ext = ".setuptest" + id, same = "SetupTest" + id + ".Same";
    const std::string fresh = "SetupTest" + id + ".Fresh", third = "SetupTest" + id + ".Third";
    KeysToDelete cleanup{{{HKEY_CLASSES_ROOT, ext + "a"}, {HKEY_CLASSES_ROOT, ext + "b"},
                          {HKEY_CLASSES_ROOT, ext + "c"}, {HKEY_CLASSES_ROOT, same}, {HKEY_CLASSES_ROOT, fresh}}};
    SetRegText(HKEY_CLASSES_ROOT, ext + "a", "", same);
    ScriptFixture script({"[Check]", "Ext=2",
                          "[Ext0]", "Ext=" + ext + "a", "Kind=" + same, "Icon=icons.nosuchextension", "Verb=open",
                          "Command=tool.exe",
                          "[Ext1]", "Ext=" + ext + "b", "Kind=" + fresh, "Force=1", "Icon=!C:\\doc.ico",
                          "Verb=open", "Command=tool.exe",
                          "[Ext2]", "Ext=" + ext + "c", "Verb=open", "Command=tool.exe"});

    ApplyAssociations(true);
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, ext + "a", "Old Name"), "(missing)");
    EXPECT_EQ(Lower(RegText(HKEY_CLASSES_ROOT, same + "\\shell\\open\\command")), Lower(script.App("tool.exe") + " "));
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, same + "\\DefaultIcon"), "icons.nosuchextension");
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, fresh + "\\DefaultIcon"), "C:\\doc.ico");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext + "c"));

    SetRegText(HKEY_CLASSES_ROOT, ext + "b", "", third);
    ApplyAssociations(false);
    EXPECT_EQ(script.Value("Check", "Ext"), "1");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext + "a"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, same));
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, ext + "b"), third);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, fresh));
}
