// setup-preview: the background screen and the ReadMe pages of a setup
// script as pictures, drawn by setup's own drawing code and ReadMe viewer.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "back_screen.h"
#include "language.h"
#include "offscreen_surface.h"
#include "path_text.h"
#include "picture_folder.h"
#include "preview_options.h"
#include "readme_pictures.h"
#include "script.h"
#include "setup_state.h"
#include "system_message.h"

namespace {

enum ExitStatus { kDone = 0, kWrongArguments = 1, kNoScript = 2, kNotWritten = 3 };

int Fail(ExitStatus status, const std::string& message)
{
    std::fprintf(stderr, "setup-preview: %s\n", message.c_str());
    if (status == kWrongArguments) std::fprintf(stderr, "Try setup-preview --help.\n");
    return status;
}

std::string FullPath(const std::string& path)
{
    char full[kPathSize];
    DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? full : "";
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder and the folders above it that are missing; the reason when
// one cannot be made.
std::string MakeFolders(const std::string& path)
{
    if (IsFolder(path)) return "";
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return path + " is a file";
    size_t last = path.find_last_of('\\');
    if (last != std::string::npos && last > 2) {
        std::string reason = MakeFolders(path.substr(0, last));
        if (!reason.empty()) return reason;
    }
    return CreateDirectoryA(path.c_str(), nullptr) || IsFolder(path) ? "" : SystemMessage(GetLastError());
}

// The background as setup draws it at start, when section Back has lines.
bool SaveBackground(const RECT& screen, const PictureFolder& pictures)
{
    char first[kPathSize];
    if (ReadScriptText("Back", "0", first) == 0) {
        std::printf("no background: [Back] has no lines\n");
        return true;
    }
    OffscreenSurface surface;
    if (!surface.Create(nullptr, screen.right, screen.bottom)) {
        std::fprintf(stderr, "setup-preview: no surface of %ldx%ld for the background\n", screen.right, screen.bottom);
        return false;
    }
    PaintBackgroundPicture(surface.Dc(), screen);
    std::string about = "the background ([Back]) at " + std::to_string(screen.right) + "x" + std::to_string(screen.bottom);
    if (ReadScriptInt("Back", "Do") == 0) about += "; setup draws it only with [Back] Do=1";
    return pictures.Save("background", surface.Dc(), screen.right, screen.bottom, about);
}

} // namespace

int main(int argc, char** argv)
{
    PreviewOptions options;
    std::string error;
    if (!ParsePreviewOptions(argc, argv, options, error)) return Fail(kWrongArguments, error);
    if (options.help) {
        std::fputs(kPreviewUsage, stdout);
        return kDone;
    }
    const std::string folder = FullPath(options.folder), output = FullPath(options.output);
    if (folder.empty() || !IsFolder(folder)) return Fail(kNoScript, "no folder " + options.folder);
    const std::string script = folder + (folder.back() == '\\' ? "" : "\\") + "Setup.ini";
    DWORD attributes = GetFileAttributesA(script.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        !CopyText(g_setup.scriptPath, script.c_str()))
        return Fail(kNoScript, "no script " + script);
    if (output.empty()) return Fail(kNotWritten, "no path for " + options.output);
    if (std::string reason = MakeFolders(output); !reason.empty())
        return Fail(kNotWritten, "cannot make the folder " + options.output + ": " + reason);

    // Setup reads the files its pictures name from its own folder.
    SetCurrentDirectoryA(folder.c_str());
    g_setup.textLanguage = options.language;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    PictureFolder pictures(output, options.format);
    if (!pictures.Ready()) return Fail(kNotWritten, "GDI+ does not start");
    const RECT screen = {0, 0, options.width, options.height};
    if (!SaveBackground(screen, pictures) || !SaveReadmePictures(screen, pictures)) return kNotWritten;
    return kDone;
}
