#include "preview_options.h"

#include <charconv>
#include <cstring>

namespace {

constexpr int kMaxSide = 8192; // an 8K screen; larger surfaces take gigabytes

bool ReadSide(const char* first, const char* last, int& side)
{
    auto [end, error] = std::from_chars(first, last, side);
    return error == std::errc() && end == last && side >= 1 && side <= kMaxSide;
}

// "1024x768".
bool ReadSize(const char* text, int& width, int& height)
{
    const char* x = std::strchr(text, 'x');
    return x && ReadSide(text, x, width) && ReadSide(x + 1, x + std::strlen(x), height);
}

} // namespace

bool ParsePreviewOptions(int argc, char** argv, PreviewOptions& options, std::string& error)
{
    std::string folders[2];
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            return true;
        }
        const bool takesValue = argument == "--size" || argument == "--lang" || argument == "--format";
        if (takesValue && i + 1 >= argc) {
            error = argument + " needs a value";
            return false;
        }
        if (argument == "--size") {
            if (!ReadSize(argv[++i], options.width, options.height)) {
                error = std::string("--size takes WIDTHxHEIGHT, each 1 to 8192, not ") + argv[i];
                return false;
            }
        } else if (argument == "--lang") {
            const std::string value = argv[++i];
            if (value != "ja" && value != "en") {
                error = "--lang takes ja or en, not " + value;
                return false;
            }
            options.language = value == "ja" ? TextLanguage::Japanese : TextLanguage::English;
        } else if (argument == "--format") {
            const std::string value = argv[++i];
            if (value != "png" && value != "bmp") {
                error = "--format takes png or bmp, not " + value;
                return false;
            }
            options.format = value == "bmp" ? PictureFormat::Bmp : PictureFormat::Png;
        } else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option " + argument;
            return false;
        } else if (count < 2) {
            folders[count++] = argument;
        } else {
            error = "one FOLDER and one OUTPUT-FOLDER, not more";
            return false;
        }
    }
    if (count < 2) {
        error = count == 0 ? "FOLDER and OUTPUT-FOLDER are missing" : "OUTPUT-FOLDER is missing";
        return false;
    }
    options.folder = folders[0];
    options.output = folders[1];
    return true;
}
