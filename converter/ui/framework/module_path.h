#pragma once
// Names derived from the program's own path (no windows.h: tested natively).
#include <string>

// The file name without folder and extension: "C:\Tools\trenvika.exe" -> "trenvika".
std::wstring FileBaseName(const std::wstring& path);

// The path with its extension replaced, or added when it has none:
// ("C:\Tools\trenvika.exe", L"HLP") -> "C:\Tools\trenvika.HLP".
std::wstring WithExtension(const std::wstring& path, const std::wstring& extension);
