// Drawing the canvas from the graph state: the separator, every edge with its cost label,
// every present vertex with its number.
#pragma once

#include <windows.h>

// Created once at start-up and never deleted.
extern HPEN redPen;     // separator line and rejected edges
extern HPEN bluePen;    // chosen edges
extern HBRUSH redBrush; // fill of the selected vertex

// Shared text buffer of the canvas labels, the cost box text and the degree message.
extern char smallBuffer[100];

// Draws into a device context in its default state and leaves it that way.
void paintCanvas(HDC dc);
