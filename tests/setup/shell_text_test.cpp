#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hot_key.h"
#include "link_names.h"
#include "text_limits.h"

namespace {

// Shift-JIS characters whose trail byte is the backslash code.
const std::string kHyo = "\x95\x5C"; // 表
const std::string kSo = "\x83\x5C";  // ソ

std::string MenuFolder(const char* named, const char* programs, const char* name)
{
    char out[kPathSize];
    EXPECT_TRUE(FormMenuFolder(named, programs, name, out));
    return out;
}

std::string MenuLink(const std::string& name, const char* programs = "C:\\P")
{
    char out[kPathSize] = "unchanged";
    return MenuEntryLinkPath("C:\\P\\App", programs, name.c_str(), out) ? out : "(none: " + std::string(out) + ")";
}

} // namespace

TEST(HotKey, CtrlAltAndTheKeyOrTheNumber)
{
    const struct {
        const char* text;
        unsigned short hotKey;
    } table[] = {
        {"A", 0x0641},       // Ctrl+Alt+A
        {"\\112", 0x0670},   // F1
        {"a", 0x0661},       // a small letter's code as it stands (numpad 1)
        {"7x", 0x0637},      // the first character only
        {"\\368", 0x0770},   // the number's high byte adds Shift
        {"\\ 112x", 0x0670}, // atoi: blanks first, then the leading digits
        {"", 0},
        {"\\", 0},
        {"\\x", 0},
        {"\\0", 0},
        {"\\1536", 0},       // modifiers without a key
        {"\\70000", 0},      // beyond 16 bits
        {"\x95\x5C", 0},     // 表 names no key
        {"\xB1", 0},         // nor half-width ｱ
    };
    for (const auto& row : table) EXPECT_EQ(HotKeyFromText(row.text), row.hotKey) << row.text;
}

TEST(LinkNames, ShowCommands)
{
    EXPECT_EQ(ShowCommandFor(0), 1);
    EXPECT_EQ(ShowCommandFor(1), 3);
    EXPECT_EQ(ShowCommandFor(2), 7);
    EXPECT_EQ(ShowCommandFor(3), 1);
    EXPECT_EQ(ShowCommandFor(-1), 1);
}

TEST(LinkNames, MenuFolderAndEntryLinks)
{
    EXPECT_EQ(MenuFolder("D:\\Menu", "C:\\P", "App"), "D:\\Menu");
    EXPECT_EQ(MenuFolder("", "C:\\P", "App"), "C:\\P\\App");
    EXPECT_EQ(MenuFolder("", "C:\\P", ""), "C:\\P");
    EXPECT_EQ(MenuFolder("D:\\Menu", "", "App"), "D:\\Menu");
    EXPECT_EQ(MenuFolder("", "", "App"), "");

    EXPECT_EQ(MenuLink("App"), "C:\\P\\App\\App.lnk");
    EXPECT_EQ(MenuLink("Tools\\Readme"), "C:\\P\\App\\Tools\\Readme.lnk");
    EXPECT_EQ(MenuLink("\\Tools\\App"), "C:\\P\\Tools\\App.lnk");
    EXPECT_EQ(MenuLink("\\Tools\\App", ""), "(none: )"); // not at the root of the current drive
    char out[kPathSize];
    EXPECT_FALSE(EntryLinkPath("C:\\P", std::string(kPathSize - 8, 'x').c_str(), out));
    EXPECT_STREQ(out, "");
}

TEST(LinkNames, FoldersOfAnEntryOuterFirst)
{
    using Folders = std::vector<std::string>;
    EXPECT_EQ(EntryFolders("Readme"), Folders{});
    EXPECT_EQ(EntryFolders("Tools\\Doc\\Readme"), (Folders{"Tools", "Tools\\Doc"}));
    EXPECT_EQ(EntryFolders((kHyo + kSo + "\\" + kSo).c_str()), Folders{kHyo + kSo});
    EXPECT_EQ(EntryFolders((kHyo + kSo).c_str()), Folders{});
    EXPECT_TRUE(IsOneShotName("$Welcome"));
    EXPECT_FALSE(IsOneShotName("Tools\\$Welcome"));
}
