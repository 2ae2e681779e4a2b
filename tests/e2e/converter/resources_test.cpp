// The resources of trenvika.exe that the dialog tests do not show, read
// from the program file.
#include <string>

#include "trenvika_driver.h"

TEST(Resources, PicturesIconVersionAndManifest)
{
    HMODULE program = LoadLibraryExW(TRENVIKA_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(program);
    auto data = [&](const wchar_t* name, int type) {
        HRSRC resource = FindResourceW(program, name, MAKEINTRESOURCEW(type));
        auto* bytes = resource ? static_cast<const char*>(LockResource(LoadResource(program, resource))) : nullptr;
        return bytes ? std::string(bytes, SizeofResource(program, resource)) : std::string();
    };
    for (const wchar_t* name : {L"REF_SETU", L"REF_SETD", L"REF_SETF"}) {
        BITMAPINFOHEADER header{};
        data(name, 2 /* RT_BITMAP */).copy(reinterpret_cast<char*>(&header), sizeof header);
        EXPECT_TRUE(header.biWidth == 22 && header.biHeight == 21 && header.biBitCount == 4) << "22 x 21, 16 colours";
    }
    // The icon's directory: two images, 32 and 16 pixels wide (entries of 14 bytes from byte 6).
    std::string icon = data(MAKEINTRESOURCEW(IDR_MAINFRAME), 14 /* RT_GROUP_ICON */) + std::string(34, '\0');
    EXPECT_TRUE(icon[4] == 2 && icon[6] == 32 && icon[20] == 16);

    const std::wstring version = L"Trenvika Version 1.2";
    EXPECT_NE(data(MAKEINTRESOURCEW(1), 16 /* RT_VERSION */)
                  .find(std::string(reinterpret_cast<const char*>(version.data()), 2 * version.size())),
              std::string::npos);
    std::string manifest = data(MAKEINTRESOURCEW(1), 24 /* RT_MANIFEST */);
    for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "level=\"asInvoker\"",
                             "<dpiAware", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}" /* Windows 10 and 11 */})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    FreeLibrary(program);
}
