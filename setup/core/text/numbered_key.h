#pragma once
// Names of numbered keys and sections: a decimal number without leading
// zeros, after an optional prefix ("3", "Menu3", "Make3").
#include <cstdio>

struct NumberedName {
    char text[40];
    operator const char*() const { return text; }
};

inline NumberedName NameWithNumber(const char* prefix, int number)
{
    NumberedName name;
    std::snprintf(name.text, sizeof name.text, "%.28s%d", prefix, number);
    return name;
}

inline NumberedName KeyNumber(int number)
{
    return NameWithNumber("", number);
}
