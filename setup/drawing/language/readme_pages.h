#pragma once
// The page script of a drawn ReadMe: drawing-script lines with three more
// kinds, "page,<identifier>" and "button1/2/3,<action>[,<label>]".
#include <cstddef>
#include <span>
#include <string>

// Page identifiers and button actions.
inline constexpr int kPageInstall = -1;
inline constexpr int kPageVersionUp = -2;
inline constexpr int kPageUninstall = -3;
inline constexpr int kActionNone = -4; // as a button action: the button is hidden

inline constexpr int kPageButtons = 3;

// "install", "versionup", "uninstall", "none" as the whole text (any case),
// else the text read as an integer: "page,Install" is -1, "page,install,x" 0.
int PageIdentifier(const char* text);
// The same words recognised by their beginning: "install,x" is -1.
int ButtonAction(const char* text);

// The line with which page `id` begins (the one after its "page," line).
// When no page carries the identifier: the second line, the first being
// skipped. A "page" line without a comma is no page line (the drawing
// language ignores it too).
size_t FindPageStart(std::span<const std::string> lines, int id);

struct PageButton {
    int action = kActionNone;
    bool hasLabel = false;
    std::string label;
};

// The button lines of the page that begins at `start`, up to its end (the
// next "page," line). A button line without a comma names no action and is
// ignored; one without a label keeps the label that the button had.
void ReadPageButtons(std::span<const std::string> lines, size_t start, PageButton (&buttons)[kPageButtons]);
