#pragma once
// The hot key of a desktop or startup shortcut, from the script's `Short`.

// The 16-bit hot key of the shell link: the virtual-key code in the low
// byte, the modifiers (1 Shift, 2 Ctrl, 4 Alt, 8 extended) in the high byte.
// One character names its own code ("A" is the A key; a small letter's code
// is used as it stands); a backslash and a decimal number give the value
// itself ("\112" is F1, and a number's high byte may add modifiers). Ctrl and
// Alt are always added. 0, no hot key, for an empty text, for a character
// of code 0x80 or above (a double-byte or half-width character names no
// key), and for a number that has no key code in its low byte or does not
// fit in 16 bits.
unsigned short HotKeyFromText(const char* text);
