#include <gtest/gtest.h>

#include "option_rule.h"

// The four states of an option key, and what a version-up makes of them.
TEST(OptionRule, FourStatesAndTheVersionUp)
{
    const struct {
        int value;
        bool shown, checked, collapses;
        FolderButton menuButton;
        int afterTickedBefore, afterUntickedBefore; // version-up: previous value 2, and 1
    } table[] = {
        {0, false, false, true, FolderButton::Hide, 0, 0},
        {1, true, false, false, FolderButton::Hide, 2, 1},
        {2, true, true, false, FolderButton::Show, 2, 1},
        {3, false, true, true, FolderButton::Hide, 3, 3},
        {7, true, false, false, FolderButton::AsTemplate, 7, 7},
        {-1, true, false, false, FolderButton::AsTemplate, -1, -1},
    };
    for (const auto& row : table) {
        OptionLook look = LookOfOption(row.value);
        EXPECT_EQ(look.shown, row.shown) << row.value;
        EXPECT_EQ(look.checked, row.checked) << row.value;
        EXPECT_EQ(OptionCollapses(row.value), row.collapses) << row.value;
        EXPECT_EQ(MenuFolderButtonFor(row.value), row.menuButton) << row.value;
        EXPECT_EQ(VersionUpOptionValue(row.value, 2), row.afterTickedBefore) << row.value;
        EXPECT_EQ(VersionUpOptionValue(row.value, 1), row.afterUntickedBefore) << row.value;
    }
}
