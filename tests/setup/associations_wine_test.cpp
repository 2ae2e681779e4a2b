// File associations made and removed against Wine's classes root.
#include <gtest/gtest.h>

#include <windows.h>

#include "actions_wine.h"
#include "associations.h"

using namespace actions_wine;

namespace {

std::string ClassText(const std::string& key, const std::string& name = "")
{
    return RegText(HKEY_CLASSES_ROOT, key, name);
}

} // namespace

// The situations of an extension: new (a), owned by another file type and
// taken over with Force (b), owned by another without Force (c), already
// of the same type (d), taken over with Force and given to a third file
// type before the removal (e); and a section without file type (f).
TEST(Associations, MakeAgainThenRemove)
{
    const std::string id = Unique("");
    const std::string ext = ".setuptest" + id;
    const std::string doc = "SetupTest" + id + ".Doc", forced = "SetupTest" + id + ".Forced";
    const std::string same = "SetupTest" + id + ".Same", fresh = "SetupTest" + id + ".Fresh";
    const std::string other = "SetupTest" + id + ".Other", third = "SetupTest" + id + ".Third";
    KeysToDelete cleanup;
    for (const std::string& key : {doc, forced, same, fresh, other, third})
        cleanup.keys.push_back({HKEY_CLASSES_ROOT, key});
    for (char c : std::string("abcdef")) cleanup.keys.push_back({HKEY_CLASSES_ROOT, ext + c});
    for (char c : std::string("bc")) SetRegText(HKEY_CLASSES_ROOT, ext + c, "", other);
    SetRegText(HKEY_CLASSES_ROOT, other + "\\shell\\open\\command", "", "other.exe \"%1\"");
    SetRegText(HKEY_CLASSES_ROOT, ext + "d", "", same);

    ScriptFixture script({
        "[Check]", "Ext=2",
        "[Ext0]", "Ext=" + ext + "a", "Kind=" + doc, "Icon=tool.exe", "IconNo=2", "Verb=open",
        "Command=\"tool.exe\" /view %1",
        "[Ext1]", "Ext=" + ext + "b", "Kind=" + forced, "Force=1", "Icon=!C:\\icons\\doc.ico", "Verb=edit",
        "Command=later.exe",
        "[Ext2]", "Ext=" + ext + "c", "Kind=" + doc, "Icon=tool.exe", "Verb=open", "Verb2=SetupTestVerb",
        "Command=tool.exe /extra",
        // The profile functions take off a pair of quotes around the whole value.
        "[Ext3]", "Ext=" + ext + "d", "Kind=" + same, "Icon=icons.nosuchextension", "Verb=open",
        "Command=\"\"tool.exe\" \"%1\"\"",
        "[Ext4]", "Ext=" + ext + "e", "Kind=" + fresh, "Force=1", "Verb=open", "Command=tool.exe",
        "[Ext5]", "Ext=" + ext + "f", "Verb=open", "Command=tool.exe",
    });
    const std::string tool = script.App("tool.exe");
    WindowsExeClass exeClass;

    ApplyAssociations(true);
    EXPECT_EQ(ClassText(ext + "a"), doc);
    EXPECT_EQ(ClassText(doc), doc);
    EXPECT_EQ(Lower(ClassText(doc + "\\DefaultIcon")), Lower(tool + ",2"));
    EXPECT_EQ(Lower(ClassText(doc + "\\shell\\open\\command")), Lower("\"" + tool + "\" /view %1"));
    EXPECT_EQ(ClassText(ext + "b"), forced);
    EXPECT_EQ(ClassText(ext + "b", "Old Name"), other);
    EXPECT_EQ(ClassText(forced + "\\DefaultIcon"), "C:\\icons\\doc.ico");
    // A program not in the install folder yet: its path there, one blank after it.
    EXPECT_EQ(Lower(ClassText(forced + "\\shell\\edit\\command")), Lower(script.App("later.exe") + " "));
    EXPECT_EQ(ClassText(ext + "c"), other);
    EXPECT_EQ(Lower(ClassText(other + "\\shell\\SetupTestVerb\\command")), Lower(tool + " /extra"));
    EXPECT_EQ(ClassText(ext + "d"), same);
    EXPECT_EQ(ClassText(ext + "d", "Old Name"), "(missing)");
    EXPECT_EQ(Lower(ClassText(same + "\\shell\\open\\command")), Lower("\"" + tool + "\" \"%1\""));
    // The lookup makes nothing of a type without program: the name as written.
    EXPECT_EQ(ClassText(same + "\\DefaultIcon"), "icons.nosuchextension");
    EXPECT_EQ(ClassText(ext + "e", "Old Name"), "(missing)");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext + "f"));
    // As Wine's command processor shows them (it puts a blank before "=").
    auto assocOrFtype = [](const std::string& command) {
        std::string shown = ConsoleOutput(command);
        for (size_t blank; (blank = shown.find(" =")) != std::string::npos;) shown.erase(blank, 1);
        return shown;
    };
    std::string shown = assocOrFtype("assoc " + ext + "a");
    EXPECT_NE(shown.find(ext + "a=" + doc), std::string::npos) << shown;
    shown = assocOrFtype("ftype " + doc);
    EXPECT_NE(Lower(shown).find(Lower(doc + "=\"" + tool + "\" /view %1")), std::string::npos) << shown;

    // Installed again: the extension is the product's already, and the
    // name saved the first time stays.
    ApplyAssociations(true);
    EXPECT_EQ(ClassText(ext + "b", "Old Name"), other);

    // Meanwhile other programs took b and e.
    SetRegText(HKEY_CLASSES_ROOT, ext + "b", "", third);
    SetRegText(HKEY_CLASSES_ROOT, ext + "e", "", third);
    ApplyAssociations(false);
    EXPECT_EQ(script.Value("Check", "Ext"), "1");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext + "a"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, doc));
    // The name saved at install time comes back, and "Old Name" goes.
    EXPECT_EQ(ClassText(ext + "b"), other);
    EXPECT_EQ(ClassText(ext + "b", "Old Name"), "(missing)");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, forced));
    EXPECT_EQ(ClassText(ext + "c"), other);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, other + "\\shell\\SetupTestVerb"));
    EXPECT_EQ(ClassText(other + "\\shell\\open\\command"), "other.exe \"%1\"");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext + "d"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, same));
    // Nothing was saved for e: the third file type keeps it.
    EXPECT_EQ(ClassText(ext + "e"), third);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, fresh));
}
