#include "option_rule.h"

OptionLook LookOfOption(int value)
{
    switch (value) {
    case 0: return {false, false};
    case 2: return {true, true};
    case 3: return {false, true};
    default: return {true, false};
    }
}

int VersionUpOptionValue(int value, int previousValue)
{
    if (value != 1 && value != 2) return value;
    return previousValue > 1 ? 2 : 1;
}

FolderButton MenuFolderButtonFor(int value)
{
    switch (value) {
    case 2: return FolderButton::Show;
    case 0:
    case 1:
    case 3: return FolderButton::Hide;
    default: return FolderButton::AsTemplate;
    }
}
