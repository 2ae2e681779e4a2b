// A library for setup's run lists: its entry point MarkCalled writes
// "library-called.txt" beside the library.
#include <windows.h>

#include <cstdio>
#include <string>

extern "C" __declspec(dllexport) void MarkCalled()
{
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&MarkCalled), &self);
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    std::string file = std::string(path, std::string(path).rfind('\\') + 1) + "library-called.txt";
    if (FILE* out = std::fopen(file.c_str(), "wb")) {
        std::fputs("called", out);
        std::fclose(out);
    }
}
