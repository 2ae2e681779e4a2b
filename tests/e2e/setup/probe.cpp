// A program for setup's tests: writes beside itself "<first argument>.txt",
// the window state asked for (-1 when none) and its arguments, one per line,
// and "command-line.txt", what Setup.exe would see started the same way.
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
    auto write = [](const std::string& file, const std::string& bytes) {
        FILE* out = std::fopen(file.c_str(), "wb");
        return out && (std::fwrite(bytes.data(), 1, bytes.size(), out), std::fclose(out) == 0);
    };
    return write(folder + name + ".txt", text) && write(folder + "command-line.txt", GetCommandLineA()) ? 0 : 1;
}
