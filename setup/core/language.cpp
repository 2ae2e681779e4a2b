#include "language.h"

#include <windows.h>

bool UsesJapaneseTexts()
{
    return GetOEMCP() == 932;
}
