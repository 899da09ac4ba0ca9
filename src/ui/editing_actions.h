// What a press on the canvas does in each action mode: add, remove or move a vertex, show a
// degree, add or remove an edge.
#pragma once

#include <windows.h>

// WM_LBUTTONDOWN at client point (x, y): runs the checked action, then repaints the canvas.
void onCanvasPress(HWND mainWindow, int x, int y);
