#pragma once
// The converter's command line, taken apart token by token (no windows.h:
// tested natively).
#include <string>

// Takes the next token off the front of `rest` into `token` and shortens
// `rest`; returns false, leaving `token` as it was, when `rest` holds only
// white space.
//  - "-" or "/" and a letter: the two characters ("-x"); "-" or "/" before
//    anything else: that character and a blank ("- "), and only the one
//    character leaves `rest`.
//  - a double quote: the text up to the next double quote or the end; both
//    quotes leave `rest`.
//  - otherwise: the text up to the next blank or tab.
// The tokens are texts of the system code page. No trail byte of code page
// 932 is a blank, tab or double quote, so the byte scan never cuts a
// double-byte character.
bool NextToken(std::string& token, std::string& rest);
