// The programs and library entry points that a script runs at the end of
// an install, as Setup.exe runs them: window states, parameters, a
// library's entry point, and the failures answered as a person would, in
// English (OEM code page 437) and in Japanese (932): ctest runs it in both.
#include <gtest/gtest.h>

#include <filesystem>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

std::wstring Widen(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// What the probe wrote for the marker `name`, once it has written it.
std::string ProbeRecord(const TempFolder& folder, const std::string& name)
{
    std::filesystem::path file = folder / (name + ".txt");
    WaitUntil([&] { return Exists(file.wstring()); }, 10000);
    return ReadBytes(file);
}

} // namespace

TEST(RunList, ProgramsLibrariesAndFailures)
{
    TempFolder probes("-probes");
    std::filesystem::copy_file(RUN_LIST_PROBE, probes / L"run_list_probe.exe");
    std::filesystem::copy_file(RUN_LIST_LIBRARY, probes / L"run_list_library.dll");
    const std::string dir = probes.Path();
    const std::string probe = "\"" + dir + "\\run_list_probe.exe\"";
    const std::wstring key = L"SetupE2ERunList" + std::to_wstring(GetCurrentProcessId());
    struct Cleanup {
        std::wstring key;
        ~Cleanup() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallKey(key).c_str()); }
    } cleanup{key};

    // The profile functions take off quotes around a whole value: no entry
    // here both starts and ends with one.
    SetupCopy copy(Script({"[Setup]", "Name=Run List", "[Root]", ("Name=" + Narrow(key)).c_str(), "[Go2]",
                           "Make0=\"%root%\\..\\run_list_probe.exe\" normal \"two words\" end",
                           ("Make1=" + probe + " maximized;;MAX").c_str(),
                           ("Make2=" + probe + " minimized;;min").c_str(),
                           ("Make3=" + probe + " hidden;;hide").c_str(),
                           ("Make4=" + dir + "\\run_list_library.dll;MarkCalled").c_str(),
                           ("Make5=" + dir + "\\missing.dll;MarkCalled").c_str(),
                           ("Make6=" + dir + "\\run_list_library.dll;NoSuchEntry").c_str(),
                           ("Make7=\"" + dir + "\\missing.exe\" -x").c_str(),
                           ("Make8=" + dir + "\\missing.dll;MarkCalled;hide").c_str(),
                           ("Make9=\"" + dir + "\\missing.exe\";;Hide").c_str(),
                           ("Make10=" + probe + " last").c_str()}));
    SetupRun run(copy.ProgramPath(), L"Run List");
    ASSERT_TRUE(run.dialog);
    ASSERT_TRUE(SetText(Item(run.dialog, IDC_FOLDER), probes / key));
    ClickItem(run.dialog, IDOK);

    // One message for each failure, in the order of the list; none for the
    // entries shown "hide".
    struct Failure {
        std::wstring caption, text, picture;
    };
    for (const Failure& failure :
         {Failure{Widen(dir) + L"\\missing.dll", Say(L"Could not load library.", L"ライブラリをロードできませんでした"),
                  L"setup-run-list-"},
          Failure{L"NoSuchEntry", Say(L"Could not find entry.", L"エントリポイントを見つけられませんでした"), L""},
          Failure{L"\"" + Widen(dir) + L"\\missing.exe\"", Say(L"Could not execute.", L"実行を失敗しました"), L""}}) {
        HWND box = FindMessageBox(run.process.Id(), failure.caption, 20000);
        ASSERT_TRUE(box) << Narrow(failure.caption);
        EXPECT_EQ(MessageBoxText(box), failure.text);
        if (!failure.picture.empty()) ScreenshotForReadme(run.dialog, failure.picture + Language() + L".png", 90);
        AnswerMessageBox(box, IDOK);
        ASSERT_TRUE(WaitForWindowGone(box));
    }
    EXPECT_TRUE(ProgressShows(run.dialog, Say(L"Completed.", L"終了しました．")));
    ASSERT_TRUE(run.process.WaitForExit(10000));

    // The window states asked for (SW_SHOW, SW_MAXIMIZE, SW_MINIMIZE,
    // SW_HIDE) and the parameters as the program received them.
    EXPECT_EQ(ProbeRecord(probes, "normal"), "show 5\nnormal\ntwo words\nend");
    EXPECT_EQ(ProbeRecord(probes, "maximized"), "show 3\nmaximized");
    EXPECT_EQ(ProbeRecord(probes, "minimized"), "show 6\nminimized");
    EXPECT_EQ(ProbeRecord(probes, "hidden"), "show 0\nhidden");
    EXPECT_EQ(ProbeRecord(probes, "library-called"), "called");
    EXPECT_EQ(ProbeRecord(probes, "last"), "show 5\nlast");
}
