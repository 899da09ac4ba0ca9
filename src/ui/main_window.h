// Start-up, the main window and its message loop.
#pragma once

#include <windows.h>

extern HINSTANCE appInstance;
extern RECT canvasRect; // (0, 0)-(770, 650): the area every repaint request covers

extern const char mainClassName[];  // "VexlaneWindowsApp"
extern const char mainWindowTitle[];

// Registers the main window class; false when the system refuses it.
bool registerMainClass(HINSTANCE instance);

// Everything of start-up after the class: the window with its panel, shown; the initial
// graph loaded; the canvas rectangle and the drawing objects. Returns the main window, or
// NULL when it cannot be created.
HWND createMainWindow(HINSTANCE instance, int showCommand);

// Dispatches messages until WM_QUIT and returns its code.
int runMessageLoop();

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Asks for a repaint of the whole canvas, erased first.
void invalidateCanvas(HWND mainWindow);
