#include <gtest/gtest.h>

#include "option_rule.h"

TEST(OptionRule, FourStates)
{
    struct Case {
        int value;
        bool shown, checked, collapses;
        FolderButton menuButton;
    } cases[] = {
        {0, false, false, true, FolderButton::Hide},
        {1, true, false, false, FolderButton::Hide},
        {2, true, true, false, FolderButton::Show},
        {3, false, true, true, FolderButton::Hide},
        {4, true, false, false, FolderButton::AsTemplate},
        {-1, true, false, false, FolderButton::AsTemplate},
    };
    for (const Case& c : cases) {
        OptionLook look = LookOfOption(c.value);
        EXPECT_EQ(look.shown, c.shown) << c.value;
        EXPECT_EQ(look.checked, c.checked) << c.value;
        EXPECT_EQ(OptionCollapses(c.value), c.collapses) << c.value;
        EXPECT_EQ(MenuFolderButtonFor(c.value), c.menuButton) << c.value;
    }
}

TEST(OptionRule, VersionUpTakesThePreviousChoice)
{
    EXPECT_EQ(VersionUpOptionValue(1, 2), 2);
    EXPECT_EQ(VersionUpOptionValue(1, 3), 2);
    EXPECT_EQ(VersionUpOptionValue(2, 1), 1);
    EXPECT_EQ(VersionUpOptionValue(2, 0), 1);
    EXPECT_EQ(VersionUpOptionValue(0, 2), 0);
    EXPECT_EQ(VersionUpOptionValue(3, 0), 3);
    EXPECT_EQ(VersionUpOptionValue(5, 2), 5);
}
