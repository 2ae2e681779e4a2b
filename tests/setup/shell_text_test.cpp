#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hot_key.h"
#include "link_names.h"
#include "text_limits.h"

TEST(HotKey, CtrlAltAndTheKeyOrTheNumber)
{
    const struct {
        const char* text;
        unsigned short hotKey;
    } table[] = {
        {"A", 0x0641},     {"\\112", 0x0670},  {"a", 0x0661}, // a small letter's code as it stands
        {"\\368", 0x0770},                                    // the number's high byte adds Shift
        {"", 0},           {"\\x", 0},        {"\\1536", 0},  // no key code
        {"\\70000", 0},    {"\x95\x5C", 0},                   // beyond 16 bits; 表 names no key
    };
    for (const auto& row : table) EXPECT_EQ(HotKeyFromText(row.text), row.hotKey) << row.text;
}

TEST(LinkNames, MenuEntriesAndTheirFolders)
{
    char out[kPathSize];
    ASSERT_TRUE(MenuEntryLinkPath("C:\\P\\App", "C:\\P", "Tools\\Readme", out));
    EXPECT_STREQ(out, "C:\\P\\App\\Tools\\Readme.lnk");
    ASSERT_TRUE(MenuEntryLinkPath("C:\\P\\App", "C:\\P", "\\Tools\\App", out));
    EXPECT_STREQ(out, "C:\\P\\Tools\\App.lnk");
    // Programs unknown: not at the root of the current drive.
    EXPECT_FALSE(MenuEntryLinkPath("D:\\Menu", "", "\\Tools\\App", out));
    ASSERT_TRUE(FormMenuFolder("", "C:\\P", "", out));
    EXPECT_STREQ(out, "C:\\P");

    // "表" and "ソ" end in the backslash code: no folder boundary.
    using Folders = std::vector<std::string>;
    EXPECT_EQ(EntryFolders("Tools\\Doc\\Readme"), (Folders{"Tools", "Tools\\Doc"}));
    EXPECT_EQ(EntryFolders("\x95\x5C\x83\x5C\\x"), Folders{"\x95\x5C\x83\x5C"});
    EXPECT_EQ(ShowCommandFor(2), 7);
    EXPECT_EQ(ShowCommandFor(5), 1);
}
