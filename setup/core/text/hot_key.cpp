#include "hot_key.h"

namespace {

constexpr unsigned kCtrlAlt = 0x0600;

// The number after the backslash, read as atoi reads it (blanks first, then
// the leading digits); 0, no hot key, when there are none or it is too big.
unsigned NumberAfterBackslash(const char* text)
{
    while (*text == ' ' || *text == '\t') ++text;
    if (*text == '+') ++text;
    unsigned value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + static_cast<unsigned>(*text - '0');
        if (value > 0xFFFF) return 0;
    }
    return value;
}

} // namespace

unsigned short HotKeyFromText(const char* text)
{
    unsigned value = text[0] == '\\' ? NumberAfterBackslash(text + 1) : static_cast<unsigned char>(text[0]);
    if (value >= 0x80 && text[0] != '\\') return 0;
    if ((value & 0xFF) == 0) return 0;
    return static_cast<unsigned short>(value | kCtrlAlt);
}
