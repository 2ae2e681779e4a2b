// The driver against a small dialog of known shape.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e.h"
#include "gtest_wine_frames.h"

using namespace e2e;

const bool kWineFrames = UseWineFramesDuringTests({L"e2e_sample_dialog.exe"});

namespace {

const std::wstring kTitle = L"Driver sample 見本";

struct Sample {
    Process process = Process::Launch(SAMPLE_DIALOG_EXE);
    HWND dialog = FindDialog(process.Id(), kTitle);
};

} // namespace

TEST(Driver, FindsTheDialogAndReadsItsControls)
{
    Sample sample;
    ASSERT_TRUE(sample.dialog);
    EXPECT_EQ(Caption(sample.dialog), kTitle);
    EXPECT_EQ(ItemText(sample.dialog, 201), L"検査");
    EXPECT_TRUE(IsItemVisible(sample.dialog, 200));
    EXPECT_TRUE(IsItemEnabled(sample.dialog, 200));
    EXPECT_FALSE(IsItemChecked(sample.dialog, 202));
    EXPECT_TRUE(IsItemChecked(sample.dialog, 203));
    EXPECT_EQ(ClassName(Item(sample.dialog, 200)), L"Edit");
}

TEST(Driver, MeasuresPositionsInDialogUnits)
{
    Sample sample;
    ASSERT_TRUE(sample.dialog);
    DialogUnits units(L"ＭＳ Ｐゴシック", 9);
    ASSERT_GT(units.BaseX(), 0);
    SIZE client = ClientSize(sample.dialog);
    SIZE expected = units.SizeToPixels(160, 90);
    EXPECT_EQ(client.cx, expected.cx);
    EXPECT_EQ(client.cy, expected.cy);
    RECT edit = ItemRect(sample.dialog, 200);
    RECT want = units.ToPixels(10, 10, 100, 14);
    EXPECT_TRUE(EqualRect(&edit, &want)) << edit.left << "," << edit.top << "," << edit.right << "," << edit.bottom;
    RECT cancel = ItemRect(sample.dialog, IDCANCEL);
    want = units.ToPixels(60, 70, 40, 14);
    EXPECT_TRUE(EqualRect(&cancel, &want));
}

TEST(Driver, ReadsDialogTemplatesFromTheProgramFile)
{
    DialogTemplate dialog = ReadDialogTemplate(SAMPLE_DIALOG_EXE, 100);
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ(dialog.title, kTitle);
    EXPECT_EQ(dialog.font, L"ＭＳ Ｐゴシック");
    EXPECT_EQ(dialog.pointSize, 9);
    EXPECT_EQ(dialog.cx, 160);
    ASSERT_EQ(dialog.items.size(), 8u);
    EXPECT_EQ(dialog.items[0].className, L"Edit");
    EXPECT_EQ(dialog.items[1].text, L"検査");
    EXPECT_EQ(dialog.items[1].style & BS_TYPEMASK, DWORD(BS_AUTOCHECKBOX));
    const DialogItem* cancel = dialog.Item(IDCANCEL);
    ASSERT_TRUE(cancel);
    EXPECT_EQ(cancel->x, 60);
    EXPECT_EQ(cancel->cy, 14);
    EXPECT_FALSE(ReadDialogTemplate(SAMPLE_DIALOG_EXE, 999).found);
}

TEST(Driver, TypesClicksAndAnswersMessageBoxes)
{
    Sample sample;
    ASSERT_TRUE(sample.dialog);
    HWND edit = Item(sample.dialog, 200);
    TypeText(edit, L"abc 日本");
    EXPECT_TRUE(WaitUntil([&] { return Text(edit) == L"abc 日本"; }));
    ASSERT_TRUE(SetText(edit, L"replaced"));
    EXPECT_EQ(Text(edit), L"replaced");

    ClickItem(sample.dialog, 201);
    EXPECT_TRUE(WaitUntil([&] { return IsItemChecked(sample.dialog, 201); }));
    ClickItem(sample.dialog, 202);
    EXPECT_TRUE(WaitUntil([&] { return IsItemChecked(sample.dialog, 202) && !IsItemChecked(sample.dialog, 203); }));

    ClickItem(sample.dialog, 204);
    HWND box = FindMessageBox(sample.process.Id(), L"Question");
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), L"Really?");
    AnswerMessageBox(box, IDNO);
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_TRUE(WaitUntil([&] { return Caption(Item(sample.dialog, 205)) == L"no"; }));
}

TEST(Driver, KeysAndSystemCommandsEndTheDialog)
{
    {
        Sample sample;
        ASSERT_TRUE(sample.dialog);
        PressKey(sample.dialog, VK_RETURN);
        ASSERT_TRUE(sample.process.WaitForExit(kDefaultTimeoutMs));
        EXPECT_EQ(sample.process.ExitCode(), 1u);
    }
    {
        Sample sample;
        ASSERT_TRUE(sample.dialog);
        PressKey(sample.dialog, VK_ESCAPE);
        ASSERT_TRUE(sample.process.WaitForExit(kDefaultTimeoutMs));
        EXPECT_EQ(sample.process.ExitCode(), 2u);
    }
    {
        Sample sample;
        ASSERT_TRUE(sample.dialog);
        SystemCommand(sample.dialog, SC_CLOSE);
        ASSERT_TRUE(sample.process.WaitForExit(kDefaultTimeoutMs));
        EXPECT_EQ(sample.process.ExitCode(), 2u);
    }
}

TEST(Driver, KillEndsAProgramThatHangsOn)
{
    Process process = Process::Launch(SAMPLE_DIALOG_EXE);
    ASSERT_TRUE(FindDialog(process.Id(), kTitle));
    EXPECT_TRUE(process.Running());
    process.Kill();
    EXPECT_FALSE(process.Running());
}

TEST(Driver, SavesAScreenshotOfAWindow)
{
    Sample sample;
    ASSERT_TRUE(sample.dialog);
    Sleep(300); // let it paint
    std::filesystem::path file = std::filesystem::temp_directory_path() / L"e2e-driver-shot.png";
    ASSERT_TRUE(SaveScreenshot(file.wstring(), sample.dialog));
    EXPECT_GT(std::filesystem::file_size(file), 100u);
    std::filesystem::remove(file);
}
