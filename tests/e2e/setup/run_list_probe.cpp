// A program for setup's run lists: writes "<first argument>.txt" beside
// itself, holding the window state it was asked for (-1 when none) and its
// arguments, one per line.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    std::string folder(path, std::string(path).rfind('\\') + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    std::string text = "show " + std::to_string((startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1);
    for (int i = 1; i < __argc; ++i) text += std::string("\n") + __argv[i];
    std::string name = __argc > 1 ? __argv[1] : "probe";
    FILE* file = std::fopen((folder + name + ".txt").c_str(), "wb");
    if (!file) return 1;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    return 0;
}
