// File associations against Wine's classes root: the cases that the
// install round trip (tests/e2e/setup) does not meet.
#include <gtest/gtest.h>

#include <windows.h>

#include "actions_wine.h"
#include "associations.h"

using namespace actions_wine;

// An extension already of the product's file type (a), one taken over with
// Force that was nobody's and that a third program took before the removal
// (b), and a section without file type (c).
TEST(Associations, SameTypeThirdOwnerNoType)
{
    const std::string id = Unique("");
    const std::string ext = ".setuptest" + id, same = "SetupTest" + id + ".Same";
    const std::string fresh = "SetupTest" + id + ".Fresh", third = "SetupTest" + id + ".Third";
    KeysToDelete cleanup{{{HKEY_CLASSES_ROOT, ext + "a"}, {HKEY_CLASSES_ROOT, ext + "b"},
                          {HKEY_CLASSES_ROOT, ext + "c"}, {HKEY_CLASSES_ROOT, same}, {HKEY_CLASSES_ROOT, fresh}}};
    SetRegText(HKEY_CLASSES_ROOT, ext + "a", "", same);
    // The profile functions take a pair of quotes off a whole value.
    ScriptFixture script({"[Check]", "Ext=2",
                          "[Ext0]", "Ext=" + ext + "a", "Kind=" + same, "Icon=icons.nosuchextension", "Verb=open",
                          "Command=\"\"tool.exe\" \"%1\"\"",
                          "[Ext1]", "Ext=" + ext + "b", "Kind=" + fresh, "Force=1", "Icon=!C:\\doc.ico",
                          "Verb=open", "Command=later.exe",
                          "[Ext2]", "Ext=" + ext + "c", "Verb=open", "Command=tool.exe"});
    WindowsExeClass exeClass;

    ApplyAssociations(true);
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, ext + "a", "Old Name"), "(missing)");
    EXPECT_EQ(Lower(RegText(HKEY_CLASSES_ROOT, same + "\\shell\\open\\command")),
              Lower(std::string("\"").append(script.App("tool.exe")).append("\" \"%1\"")));
    // The lookup makes nothing of a type without program: the name as written.
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, same + "\\DefaultIcon"), "icons.nosuchextension");
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, fresh + "\\DefaultIcon"), "C:\\doc.ico");
    // A program not in the install folder yet: its path there, not "%1".
    EXPECT_EQ(Lower(RegText(HKEY_CLASSES_ROOT, fresh + "\\shell\\open\\command")),
              Lower(script.App("later.exe") + " "));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext + "c"));

    SetRegText(HKEY_CLASSES_ROOT, ext + "b", "", third);
    ApplyAssociations(false);
    EXPECT_EQ(script.Value("Check", "Ext"), "1");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext + "a"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, same));
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, ext + "b"), third);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, fresh));
}
