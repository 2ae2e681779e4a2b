// The resources built into trenvika.exe, read from the program file.
#include <string>

#include "templates.h"
#include "trenvika_driver.h"

using namespace e2e;
using namespace trenvika;

namespace {

struct Module {
    HMODULE handle = LoadLibraryExW(TRENVIKA_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ~Module()
    {
        if (handle) FreeLibrary(handle);
    }
    std::string Data(const wchar_t* name, const wchar_t* type) const
    {
        HRSRC resource = FindResourceW(handle, name, type);
        if (!resource) return "";
        auto* data = static_cast<const char*>(LockResource(LoadResource(handle, resource)));
        return data ? std::string(data, SizeofResource(handle, resource)) : "";
    }
};

void ExpectControls(const DialogTemplate& dialog, const TemplateControl* expected, size_t count)
{
    ASSERT_EQ(dialog.items.size(), count);
    for (size_t i = 0; i < count; ++i) {
        const DialogItem& item = dialog.items[i];
        const TemplateControl& want = expected[i];
        SCOPED_TRACE(want.id);
        EXPECT_EQ(item.id, want.id);
        EXPECT_EQ(item.className, want.className);
        EXPECT_EQ(item.text, want.text);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        EXPECT_EQ(item.style, want.style) << std::hex << item.style << " " << want.style;
    }
}

std::wstring VersionString(const std::wstring& name)
{
    DWORD size = GetFileVersionInfoSizeW(TRENVIKA_EXE, nullptr);
    std::string block(size, '\0');
    if (!size || !GetFileVersionInfoW(TRENVIKA_EXE, 0, size, block.data())) return L"";
    wchar_t* value = nullptr;
    UINT length = 0;
    std::wstring path = L"\\StringFileInfo\\041104B0\\" + name;
    if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return L"";
    return std::wstring(value, length && value[length - 1] == 0 ? length - 1 : length);
}

} // namespace

TEST(Resources, ConverterDialogTemplate)
{
    DialogTemplate dialog = ReadDialogTemplate(TRENVIKA_EXE, IDD_TRENVIKA_DIALOG);
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ(dialog.title, L"Trenvika");
    EXPECT_EQ(dialog.cx, 186);
    EXPECT_EQ(dialog.cy, 93);
    EXPECT_EQ(dialog.font, kFont);
    EXPECT_EQ(dialog.pointSize, kFontSize);
    EXPECT_EQ(dialog.style, kConverterStyle);
    EXPECT_EQ(dialog.exStyle, DWORD(WS_EX_APPWINDOW));
    ExpectControls(dialog, kConverterControls, std::size(kConverterControls));
}

TEST(Resources, AboutBoxTemplate)
{
    DialogTemplate about = ReadDialogTemplate(TRENVIKA_EXE, IDD_ABOUTBOX);
    ASSERT_TRUE(about.found);
    EXPECT_EQ(about.title, kAboutTitle);
    EXPECT_EQ(about.cx, 155);
    EXPECT_EQ(about.cy, 87);
    EXPECT_EQ(about.font, kFont);
    EXPECT_EQ(about.pointSize, kFontSize);
    EXPECT_EQ(about.style, kAboutStyle);
    ExpectControls(about, kAboutControls, std::size(kAboutControls));
}

TEST(Resources, AboutMenuTextIconAndBrowsePictures)
{
    Module program;
    ASSERT_TRUE(program.handle);
    wchar_t text[128];
    int length = LoadStringW(program.handle, IDS_ABOUTBOX, text, 128);
    EXPECT_EQ(std::wstring(text, length > 0 ? length : 0), L"ﾊﾞｰｼﾞｮﾝ情報(Trenvika) (&A)...");

    for (const wchar_t* name : {L"REF_SETU", L"REF_SETD", L"REF_SETF"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
        std::string bitmap = program.Data(name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
        ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
        const auto& header = *reinterpret_cast<const BITMAPINFOHEADER*>(bitmap.data());
        EXPECT_EQ(header.biWidth, 22);
        EXPECT_EQ(header.biHeight, 21);
        EXPECT_EQ(header.biBitCount, 4); // 16 colours
    }

    // The icon in the two sizes the window uses: 32 x 32 and 16 x 16.
    std::string group = program.Data(MAKEINTRESOURCEW(IDR_MAINFRAME), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */);
    ASSERT_GE(group.size(), 6u);
    int count = static_cast<unsigned char>(group[4]);
    std::vector<int> sizes;
    for (int i = 0; i < count && 6 + 14 * (i + 1) <= int(group.size()); ++i)
        sizes.push_back(static_cast<unsigned char>(group[6 + 14 * i]));
    EXPECT_EQ(sizes, (std::vector<int>{32, 16}));
}

TEST(Resources, VersionAndManifest)
{
    EXPECT_EQ(VersionString(L"FileDescription"), L"Trenvika Version 1.2");
    EXPECT_EQ(VersionString(L"ProductVersion"), L"1.2");

    Module program;
    std::string manifest = program.Data(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAware"), std::string::npos);
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos); // Windows 10 and 11
}
