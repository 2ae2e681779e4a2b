// The page lines of a drawn ReadMe: identifiers, button actions and labels,
// where a page begins.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readme_pages.h"

TEST(ReadmePages, IdentifiersAndActions)
{
    EXPECT_EQ(PageIdentifier("install"), kPageInstall);
    EXPECT_EQ(PageIdentifier("Install"), kPageInstall);
    EXPECT_EQ(PageIdentifier("VERSIONUP"), kPageVersionUp);
    EXPECT_EQ(PageIdentifier("uninstall"), kPageUninstall);
    EXPECT_EQ(PageIdentifier("none"), kActionNone);
    EXPECT_EQ(PageIdentifier("install,x"), 0); // the whole text is compared
    EXPECT_EQ(PageIdentifier("12 apples"), 12);
    EXPECT_EQ(PageIdentifier("-3"), kPageUninstall);
    EXPECT_EQ(ButtonAction("install,x"), kPageInstall); // only the beginning
    EXPECT_EQ(ButtonAction("None,Skip"), kActionNone);
    EXPECT_EQ(ButtonAction("2,Next"), 2);
    EXPECT_EQ(ButtonAction("Next"), 0);
}

// The example of a first installation: a blue install page with "Next", a
// page 2 whose "Back" leads to the install page again.
TEST(ReadmePages, StartsAndButtons)
{
    const std::vector<std::string> lines = {
        "page,install", "mode,", "fill,0,0,128", "button1,2,Next", "button2,none,Skip",
        "page,2", "button1,install,Back", "button3,7", "button2", "page", "button3,8,After a bare page",
        "PAGE,Install,x", "button1,9",
    };
    EXPECT_EQ(FindPageStart(lines, kPageInstall), 1u);
    EXPECT_EQ(FindPageStart(lines, 2), 6u);
    EXPECT_EQ(FindPageStart(lines, 0), 12u);  // "Install,x" reads 0
    EXPECT_EQ(FindPageStart(lines, 5), 1u);   // no such page: the second line
    EXPECT_EQ(FindPageStart({}, 5), 0u);

    PageButton install[kPageButtons];
    ReadPageButtons(lines, 1, install);
    EXPECT_EQ(install[0].action, 2);
    EXPECT_EQ(install[0].label, "Next");
    EXPECT_EQ(install[1].action, kActionNone);
    EXPECT_EQ(install[1].label, "Skip");
    EXPECT_FALSE(install[2].hasLabel);

    // A bare "button2" names nothing; a bare "page" does not end the page.
    PageButton second[kPageButtons];
    ReadPageButtons(lines, 6, second);
    EXPECT_EQ(second[0].action, kPageInstall);
    EXPECT_EQ(second[0].label, "Back");
    EXPECT_EQ(second[1].action, kActionNone);
    EXPECT_FALSE(second[1].hasLabel);
    EXPECT_EQ(second[2].action, 8);
    EXPECT_EQ(second[2].label, "After a bare page");
}
