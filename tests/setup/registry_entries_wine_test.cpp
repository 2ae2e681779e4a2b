// The Reg lists and the removal of the product's keys against Wine's registry.
#include <gtest/gtest.h>

#include <windows.h>

#include "actions_wine.h"
#include "registry_entries.h"

using namespace actions_wine;

// The forms of Make and Erase entries that the install round trip
// (tests/e2e/setup) does not meet.
TEST(RegList, MakeThenErase)
{
    const std::string t = Unique("SetupTest");
    const std::string top = t + ".Top";
    const std::string software = "Software\\" + t;
    KeysToDelete cleanup{{{HKEY_CURRENT_USER, software}, {HKEY_CURRENT_USER, top}}};
    struct RootValue {
        std::string name;
        ~RootValue() { RegDeleteKeyValueA(HKEY_CURRENT_USER, nullptr, name.c_str()); }
    } rootValue{t + ".Root"};
    ScriptFixture script({
        "[Reg]",
        "Make0=HKEY_CURRENT_USER\\" + software + "\\Keys\\Only",
        "Make1=HKEY_CURRENT_USER\\" + software + "\\Values\\\\Literal\\!C:\\a\\b c\\d",
        "Make2=HKEY_CURRENT_USER\\" + software + "\\Values\\\\Tool\\tool.exe",
        "Make3=HKEY_CURRENT_USER\\" + software + "\\Values\\\\Later\\later.exe",
        "Make4=HKEY_CURRENT_USER\\" + software + "\\Values\\\\Unknown\\notes.nosuchextension",
        "Make5=hkey_current_user\\\\" + rootValue.name + "\\!in the root key",
        "Make6=HKEY_CURRENT_USER\\" + software + "\\Gone\\Deep\\\\Value\\!x",
        "Make7=HKEY_CURRENT_USER\\" + software + "\\Keep\\\\Value\\!y",
        "Erase0=HKEY_CURRENT_USER\\" + software + "\\Values\\",
        "Erase1=HKEY_CURRENT_USER\\" + software + "\\Keys\\Only\\Nothing",
        "Erase2=HKEY_CURRENT_USER\\" + software + "\\Gone\\Deep\\Value",
        "Erase3=HKEY_CURRENT_USER\\" + top,
        "Erase4=HKEY_CURRENT_USER\\" + top + "\\",
    });

    WindowsExeClass exeClass;
    ApplyRegList(true);
    const std::string values = software + "\\Values";
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, software + "\\Keys\\Only"));
    EXPECT_EQ(RegText(HKEY_CURRENT_USER, values, "Literal"), "C:\\a\\b c\\d");
    // A file of the install folder, and one that is not there yet, by their
    // full paths; what the resolver knows nothing of, as written.
    EXPECT_EQ(Lower(RegText(HKEY_CURRENT_USER, values, "Tool")), Lower(script.App("tool.exe")));
    EXPECT_EQ(Lower(RegText(HKEY_CURRENT_USER, values, "Later")), Lower(script.App("later.exe")));
    EXPECT_EQ(RegText(HKEY_CURRENT_USER, values, "Unknown"), "notes.nosuchextension");
    EXPECT_EQ(RegText(HKEY_CURRENT_USER, "", rootValue.name), "in the root key");

    // A key right below a root is never deleted as a tree.
    SetRegText(HKEY_CURRENT_USER, top + "\\Child", "Setting", "kept");
    ApplyRegList(false);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, values));
    // Emptied keys go up to the first that holds something.
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, software + "\\Keys"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, software + "\\Gone"));
    EXPECT_EQ(RegText(HKEY_CURRENT_USER, software + "\\Keep", "Value"), "y");
    EXPECT_EQ(RegText(HKEY_CURRENT_USER, top + "\\Child", "Setting"), "kept");
}

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
    auto* name = new std::string(tree);
    HANDLE worker = CreateThread(
        nullptr, 0,
        [](void* context) -> DWORD {
            DeleteKeyTree(HKEY_CURRENT_USER, static_cast<std::string*>(context)->c_str());
            return 0;
        },
        name, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(worker, 10000), WAIT_OBJECT_0) << "the deletion does not end";
    CloseHandle(worker);
    delete name;
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, tree + "\\A"));
    HKEY key;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, unreadable.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

// The company's settings key in the user's hive (the install round trip
// has both hives): with Registry Name only the application's key, the
// company's key staying while it holds another; nothing at all without
// Root Name; without Registry Name the whole company key.
TEST(CompanyKeys, ApplicationKeyThenCompanyKey)
{
    const std::string company = Unique("SetupTestCompany");
    const std::string companyKey = "SOFTWARE\\" + company;
    KeysToDelete cleanup{{{HKEY_CURRENT_USER, companyKey}}};
    SetRegText(HKEY_CURRENT_USER, companyKey + "\\App\\Window", "Left", "10");
    SetRegText(HKEY_CURRENT_USER, companyKey + "\\Other", "Setting", "kept");
    auto removeWith = [&](const std::vector<std::string>& lines) {
        ScriptFixture script(lines);
        RemoveCompanyKeys();
    };
    removeWith({"[Root]", "Name=" + Unique("SetupTestProduct"), "[Registry]", "Company=" + company, "Name=App"});
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, companyKey + "\\App"));
    EXPECT_EQ(RegText(HKEY_CURRENT_USER, companyKey + "\\Other", "Setting"), "kept");
    removeWith({"[Root]", "Name=", "[Registry]", "Company=" + company});
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, companyKey + "\\Other"));
    removeWith({"[Root]", "Name=" + Unique("SetupTestProduct"), "[Registry]", "Company=" + company});
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, companyKey));
}
