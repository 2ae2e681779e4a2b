// A program for setup's tests: writes beside itself "<first argument>.txt",
// the window state asked for (-1 when none) and its arguments, one per line,
// and "command-line.txt", what Setup.exe would see started the same way.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

bool Write(const std::string& path, const std::string& text)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    std::fwrite(text.data(), 1, text.size(), file);
    return std::fclose(file) == 0;
}

} // namespace

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
    return Write(folder + name + ".txt", text) && Write(folder + "command-line.txt", GetCommandLineA()) ? 0 : 1;
}
