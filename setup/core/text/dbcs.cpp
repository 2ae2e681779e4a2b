#include "dbcs.h"

bool IsCp932LeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

const char* FindCharDbcs(const char* text, char c)
{
    for (const char* p = text; *p; p = NextChar(p))
        if (*p == c) return p;
    return nullptr;
}

const char* FindLastCharDbcs(const char* text, char c)
{
    const char* last = nullptr;
    for (const char* p = text; *p; p = NextChar(p))
        if (*p == c) last = p;
    return last;
}

bool EndsWithCharDbcs(const char* text, char c)
{
    const char* last = nullptr;
    for (const char* p = text; *p; p = NextChar(p)) last = p;
    return last && *last == c;
}

size_t FitLength(const char* text, size_t max)
{
    const char* p = text;
    for (;;) {
        if (*p == '\0') return static_cast<size_t>(p - text);
        const char* next = NextChar(p);
        if (static_cast<size_t>(next - text) > max) return static_cast<size_t>(p - text);
        p = next;
    }
}
