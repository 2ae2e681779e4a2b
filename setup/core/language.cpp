#include "language.h"

#include <string>

#include "setup_state.h"

bool UsesJapaneseTexts()
{
    if (g_setup.textLanguage != TextLanguage::System) return g_setup.textLanguage == TextLanguage::Japanese;
    return GetOEMCP() == 932;
}


void SetLocalizedItemText(HWND dialog, int id, const char* japanese, const char* english)
{
    if (!UsesJapaneseTexts() || GetACP() == 932) {
        SetDlgItemTextA(dialog, id, Localized(japanese, english));
        return;
    }
    int length = MultiByteToWideChar(932, 0, japanese, -1, nullptr, 0);
    std::wstring text(length > 0 ? length : 1, L'\0');
    MultiByteToWideChar(932, 0, japanese, -1, text.data(), length);
    SetDlgItemTextW(dialog, id, text.c_str());
}
