#include <windows.h>

#include "dbcs.h"

bool IsLeadByte(unsigned char c)
{
    return IsDBCSLeadByte(c) != FALSE;
}
