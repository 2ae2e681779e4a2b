#pragma once
// The background window (template 115): shows the background picture when
// there is one, owns the setup dialog and opens it 2 seconds after start.
#include <windows.h>

// With Back Do on: an off-screen surface of the screen's size, filled black
// and drawn by the drawing language.
void PrepareBackgroundPicture();
void ReleaseBackgroundPicture();

HWND CreateBackgroundWindow(HINSTANCE instance);

// Runs until the quit message; dialog messages of `background` go to it.
void RunMessageLoop(HWND background);

// Repaints the background in full, without erasing (after message boxes).
void RepaintBackgroundWindow();
