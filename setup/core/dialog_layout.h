#pragma once
// Moving, sizing and showing a dialog's controls while it shapes itself,
// all without repainting: the dialog is painted once, when it shows.
#include <windows.h>

// The control's rectangle in the dialog's client coordinates.
RECT ControlRect(HWND dialog, int id);

// Keep the left edge and the size.
void MoveControlUp(HWND dialog, int id, int distance);
// Keep the top-left corner and the width.
void MakeControlShorter(HWND dialog, int id, int distance);
void MakeWindowShorter(HWND window, int distance);

void ShowControl(HWND dialog, int id, bool shown);

// A click on `id`, handled when the dialog's loop comes to it.
void PostCommand(HWND dialog, int id);
