#pragma once
// Setup shows each of its texts in Japanese on a system whose OEM code page
// is 932 and in English elsewhere, decided at each use.
#include <windows.h>

bool UsesJapaneseTexts();

inline const char* Localized(const char* japanese, const char* english)
{
    return UsesJapaneseTexts() ? japanese : english;
}

// Sets a control's text to one of setup's own texts (the Japanese ones are
// code page 932, which the system may not use when the language was chosen).
void SetLocalizedItemText(HWND dialog, int id, const char* japanese, const char* english);
