// The "APM Kruskal" and "APM Prim" commands: refuse a graph that is not connected, otherwise
// run the algorithm and present its steps.
#pragma once

#include <windows.h>

void runKruskal(HWND mainWindow);
void runPrim(HWND mainWindow);
