// The push buttons: Conex, Cost total, APM Kruskal, APM Prim, Citire and Salvare.
#pragma once

#include <windows.h>

// WM_COMMAND from the control with this id; ids of no command are ignored.
void onCommand(HWND mainWindow, int id);

// Reads the graph file named in textBuffer; a missing or refused file is explained in a box
// owned by owner, and the graph stays as it was.
void readGraphFile(HWND owner);
