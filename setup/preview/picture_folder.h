#pragma once
// The output folder of setup-preview: each picture a PNG or BMP file
// encoded by GDI+, and a line on standard output that says what it shows.
#include <windows.h>

#include <string>

enum class PictureFormat { Png, Bmp };

class PictureFolder {
public:
    // `folder` exists; GDI+ is started for the object's lifetime.
    PictureFolder(std::string folder, PictureFormat format);
    ~PictureFolder();
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;
    bool Ready() const { return m_token != 0; }

    // Writes `width` × `height` pixels of `source` from its top-left corner
    // as `name` and the format's extension, and prints "file: about". False,
    // with the reason on standard error, when the file cannot be written.
    bool Save(const std::string& name, HDC source, int width, int height, const std::string& about) const;

private:
    std::string m_folder;
    PictureFormat m_format;
    ULONG_PTR m_token = 0;
};
