#pragma once
// The four-state rule of the option keys of section Check (Menu, Desktop,
// Startup, Ext, Send, Copy, Del):
//   0 (or missing)  hidden, off
//   1               shown, unchecked
//   2               shown, checked
//   3               hidden, always on
// Any other value leaves the checkbox shown and unchecked.

struct OptionLook {
    bool shown;
    bool checked;
};

OptionLook LookOfOption(int value);

// Hidden options leave their row free for the rows below.
inline bool OptionCollapses(int value)
{
    return value == 0 || value == 3;
}

// Version-up: an offered option (1 or 2) is preset as the previous
// installation left it (checked when its value there is above 1); other
// values stay as they are.
int VersionUpOptionValue(int value, int previousValue);

// The Start-menu folder button beside the Start-menu option.
enum class FolderButton { Show, Hide, AsTemplate };
FolderButton MenuFolderButtonFor(int value);
