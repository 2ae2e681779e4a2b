#pragma once
// Setup shows each of its texts in Japanese on a system whose OEM code page
// is 932 and in English elsewhere, decided at each use.

bool UsesJapaneseTexts();

inline const char* Localized(const char* japanese, const char* english)
{
    return UsesJapaneseTexts() ? japanese : english;
}
