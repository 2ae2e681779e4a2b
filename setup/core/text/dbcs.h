#pragma once
// Double-byte aware searching in 8-bit texts of the system code page. A trail
// byte of a double-byte character can equal an ASCII separator (Shift-JIS
// "表" is 0x95 0x5C), so separators are only found at character starts.
#include <cstddef>

// Lead byte of a double-byte character in the system's ANSI code page.
// Windows asks the system (IsDBCSLeadByte); the native build stands for a
// Japanese system and uses the code page 932 ranges.
bool IsLeadByte(unsigned char c);

// For the script checker, which reads a script of a code page of its
// choosing: 932 (Shift-JIS) or a code page without double-byte characters
// such as 1252. Setup itself never calls it and follows the system.
void UseTextCodePage(unsigned codePage);

// Lead byte ranges of code page 932 (Shift-JIS): 0x81-0x9F and 0xE0-0xFC.
bool IsCp932LeadByte(unsigned char c);

// The start of the character after the one at `p`; a lead byte before the
// terminator counts as a single byte.
inline const char* NextChar(const char* p)
{
    return (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') ? p + 2 : p + 1;
}

// First / last occurrence of the single-byte character `c` at a character
// start, or nullptr.
const char* FindCharDbcs(const char* text, char c);
const char* FindLastCharDbcs(const char* text, char c);
inline char* FindCharDbcs(char* text, char c)
{
    return const_cast<char*>(FindCharDbcs(static_cast<const char*>(text), c));
}
inline char* FindLastCharDbcs(char* text, char c)
{
    return const_cast<char*>(FindLastCharDbcs(static_cast<const char*>(text), c));
}

// True when the last character of `text` is the single-byte `c` (a trail
// byte of the same value does not count).
bool EndsWithCharDbcs(const char* text, char c);

// The longest prefix of `text` of at most `max` bytes that does not end in
// the middle of a double-byte character.
size_t FitLength(const char* text, size_t max);
