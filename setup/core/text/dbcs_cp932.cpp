#include "dbcs.h"

bool IsLeadByte(unsigned char c)
{
    return IsCp932LeadByte(c);
}
