// Showing a minimum spanning tree run step by step: the title in the status bar, each
// examined edge coloured on the canvas with a box beside the canvas that explains it, Cancel
// to skip the remaining step boxes, and a final box with the total.
#pragma once

#include <windows.h>

extern HHOOK msgBoxHook;

void beginStepRun(const char* title);
void presentStep(HWND mainWindow, const char* caption, int step, int u, int v, int cost,
                 int verdict);
void endStepRun(HWND mainWindow, const char* caption, int total);

// An OK / Cancel box, moved beside the canvas when it is activated; the answer goes to
// stepAnswer.
void showStepBox(HWND owner, const char* text, const char* caption);
LRESULT CALLBACK msgBoxHookProc(int code, WPARAM wParam, LPARAM lParam);
void placeMessageBox(HWND box);
