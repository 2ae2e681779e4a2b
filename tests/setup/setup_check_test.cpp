// setup-check against scripts with their expected reports: one full of the
// slips it exists for, and one that asks for every kind of install step
// (its report is the plan of --verbose). Names hold Japanese characters
// whose Shift-JIS trail byte is 0x5C, looked up beside the script.
#include <gtest/gtest.h>

#include <string>

#include "dbcs.h"
#include "script_checker.h"
#include "test_files.h"

// The report as setup-check prints it, with the plan of --verbose for "plan".
TEST(SetupCheck, ReportsAsExpected)
{
    UseTextCodePage(932);
    for (auto [name, plan] : {std::pair{"broken", false}, {"plan", true}}) {
        SCOPED_TRACE(name);
        const std::string folder = std::string(TEST_DATA_DIR) + "/check/" + name;
        const std::string bytes = ReadBytes(folder + "/Setup.ini");
        ProfileFile file = ProfileFile::Parse(bytes);
        ScriptFolder scriptFolder(std::filesystem::u8path(folder), 932);
        ScriptChecker checker(file, scriptFolder);
        std::vector<Diagnostic> diagnostics = checker.Run();
        std::string report;
        for (const Diagnostic& d : diagnostics) report += FormatDiagnostic("Setup.ini", d);
        report += "exit " + std::to_string(ExitStatusOf(diagnostics)) + "\n";
        if (plan)
            for (const std::string& step : checker.InstallPlan()) report += "  " + step + "\n";
        EXPECT_EQ(ToUtf8(report, 932), ReadBytes(folder + ".expected"));
    }
}

// What the profile functions do with the lines of a script, which the
// checker must read the same way.
TEST(SetupCheck, ReadsTheScriptAsTheProfileFunctions)
{
    ProfileFile file = ProfileFile::Parse("top=1\r\n  [ Sec A ]  \r\nkey=  \"quoted\"  \r\nKEY=second\r\nhalf=\"x\r\n"
                                          "single='y'\r\nbare\r\n;k=comment\r\nn= 12x\r\n[sec a]\r\nlater=1\r\n"
                                          "[Broken\r\nafter=2\r\n");
    EXPECT_EQ(file.Read("", "top", 260), "1");
    EXPECT_EQ(file.Read("sec A", "key", 260), "quoted");
    EXPECT_EQ(file.Read("Sec A", "half", 260), "\"x");
    EXPECT_EQ(file.Read("Sec A", "single", 260), "y");
    EXPECT_EQ(file.Read("Sec A", "bare", 260), std::nullopt);
    EXPECT_EQ(file.Read("Sec A", ";k", 260), std::nullopt);
    EXPECT_EQ(file.ReadInt("Sec A", "n", 7), 12);
    EXPECT_EQ(file.Read("Sec A", "later", 260), std::nullopt); // only the first section of a name is read
    EXPECT_EQ(file.Read("sec a", "after", 260), std::nullopt);
    EXPECT_EQ(file.Read("Broken", "after", 260), std::nullopt);
    EXPECT_EQ(file.Read("Sec A", "key", 4), "quo");
}
