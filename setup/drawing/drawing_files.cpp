#include "drawing_files.h"

#include <windows.h>

#include <new>

#include "installed_copy.h"
#include "paths.h"
#include "scoped_handle.h"
#include "text_limits.h"

bool ReadWholeFile(const char* path, FileBytes& file)
{
    ScopedHandle handle(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!handle.Valid() || GetFileType(handle.Get()) != FILE_TYPE_DISK) return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle.Get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > kMaxDrawingFileSize)
        return false;
    const size_t wanted = static_cast<size_t>(size.QuadPart);
    file.data.reset(new (std::nothrow) unsigned char[wanted + 1]);
    if (!file.data) return false;
    // A file that shrinks while it is read is taken as what could be read.
    size_t done = 0;
    DWORD read = 0;
    while (done < wanted && ReadFile(handle.Get(), file.data.get() + done, static_cast<DWORD>(wanted - done), &read,
                                     nullptr) &&
           read > 0)
        done += read;
    file.size = done;
    file.data[done] = 0;
    return true;
}

bool ReadDrawingFile(const char* argument, const char* baseFolder, FileBytes& file)
{
    // Against the base folder, then as written: relative to setup's own
    // folder, wherever setup was started from.
    char resolved[kPathSize];
    ResolvePath(argument, baseFolder, resolved, false);
    if (resolved[0] && ReadWholeFile(resolved, file)) return true;
    PathBesideSetup(argument, resolved);
    return resolved[0] && ReadWholeFile(resolved, file);
}
