// The one way the program speaks to the user: modal boxes owned by the main window, most
// refusals preceded by the error beep.
#pragma once

#include <windows.h>

// MessageBoxA(owner, text, caption, MB_OK).
void showBox(HWND owner, const char* text, const char* caption);

// MessageBeep(MB_ICONHAND). Every beep of the program goes through here and is counted, so
// a test can tell which boxes came with one.
void errorBeep();
extern int beepCount;
