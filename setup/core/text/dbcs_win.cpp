#include <windows.h>

#include "dbcs.h"

namespace {

unsigned g_codePage = 0; // the system's ANSI code page

} // namespace

bool IsLeadByte(unsigned char c)
{
    return (g_codePage ? IsDBCSLeadByteEx(g_codePage, c) : IsDBCSLeadByte(c)) != FALSE;
}

void UseTextCodePage(unsigned codePage)
{
    g_codePage = codePage;
}
