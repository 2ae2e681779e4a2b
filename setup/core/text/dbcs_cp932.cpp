#include "dbcs.h"

namespace {

bool g_cp932 = true;

} // namespace

bool IsLeadByte(unsigned char c)
{
    return g_cp932 && IsCp932LeadByte(c);
}

void UseTextCodePage(unsigned codePage)
{
    g_cp932 = codePage == 932;
}
