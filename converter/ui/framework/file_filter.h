#pragma once
// File-type filters of the file dialogs (no windows.h: tested natively).
#include <string>

// Turns "Text (*.txt)|*.txt|All (*.*)|*.*||", display texts and patterns
// separated by vertical bars, into the form the common dialogs take: the
// same parts separated by NUL characters and ended by two of them.
std::wstring FilterForDialog(const std::wstring& barSeparated);
