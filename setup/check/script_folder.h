#pragma once
// The folder of the script being checked, as setup sees the files beside
// it: names in the script's code page, parts separated by backslashes,
// letter case not mattering (as on Windows), whatever the system the
// checker runs on.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// `text` of code page `codePage` (932 or 1252) as UTF-8.
std::string ToUtf8(std::string_view text, unsigned codePage);

class ScriptFolder {
public:
    ScriptFolder(std::filesystem::path folder, unsigned codePage) : m_folder(std::move(folder)), m_codePage(codePage) {}

    // The file or folder that the relative name `name` stands for, taken as
    // written ("%system%\\x.dll" is a folder named "%system%"); none for an
    // absolute name or one that names nothing.
    std::optional<std::filesystem::path> Find(std::string_view name) const;
    // The whole file `name`, up to `limit` bytes; false when it is missing
    // or larger.
    bool Read(std::string_view name, std::string& bytes, size_t limit) const;

private:
    std::filesystem::path m_folder;
    unsigned m_codePage;
};
