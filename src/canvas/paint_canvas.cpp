#include "canvas/paint_canvas.h"

#include <cstdio>
#include <cstring>

#include "algorithms/mst_steps.h"
#include "canvas/geometry.h"
#include "graph/graph_state.h"

HPEN redPen;
HPEN bluePen;
HBRUSH redBrush;
char smallBuffer[100];

namespace {

const COLORREF red = 0x0000FF;
const COLORREF black = 0x000000;
const COLORREF white = 0xFFFFFF;

void drawNumber(HDC dc, int x, int y, int number)
{
    std::snprintf(smallBuffer, sizeof smallBuffer, "%d", number);
    TextOutA(dc, x, y, smallBuffer, (int)std::strlen(smallBuffer));
}

void drawSeparator(HDC dc)
{
    HGDIOBJ kept = SelectObject(dc, redPen);
    MoveToEx(dc, canvasRight, 10, nullptr);
    LineTo(dc, canvasRight, 593);
    SelectObject(dc, kept);
}

void drawEdge(HDC dc, int u, int v)
{
    MoveToEx(dc, graph.posX[u], graph.posY[u], nullptr);
    int mark = graph.edgeMark[u][v];
    HGDIOBJ kept = nullptr;
    if (mark == markRejected)
        kept = SelectObject(dc, redPen);
    else if (mark == markChosen)
        kept = SelectObject(dc, bluePen);
    LineTo(dc, graph.posX[v], graph.posY[v]);
    if (kept != nullptr)
        SelectObject(dc, kept);

    // The cost label sits with its top-left corner at the integer midpoint.
    SetTextColor(dc, red);
    drawNumber(dc, (graph.posX[u] + graph.posX[v]) / 2, (graph.posY[u] + graph.posY[v]) / 2,
               graph.cost[u][v]);
    SetTextColor(dc, black);
}

void drawVertex(HDC dc, int k)
{
    bool highlighted = graph.vertexMark[k] == 1;
    HGDIOBJ kept = nullptr;
    if (highlighted) {
        kept = SelectObject(dc, redBrush);
        SetBkColor(dc, red);
    }
    int x = graph.posX[k], y = graph.posY[k];
    Ellipse(dc, x - vertexRadius, y - vertexRadius, x + vertexRadius, y + vertexRadius);
    drawNumber(dc, x - 8, y - 8, k);
    if (highlighted) {
        SelectObject(dc, kept);
        SetBkColor(dc, white);
    }
}

} // namespace

void paintCanvas(HDC dc)
{
    int n = graph.vertexCount;
    drawSeparator(dc);
    // Edges first, so the vertex circles cover their ends.
    for (int u = 1; u < n; u++) {
        for (int v = u + 1; v <= n; v++) {
            if (graph.cost[u][v] > 0)
                drawEdge(dc, u, v);
        }
    }
    graph.vertexMark[selectedVertex] = 1;
    for (int k = 1; k <= n; k++) {
        if (!graph.removed[k])
            drawVertex(dc, k);
    }
    graph.vertexMark[selectedVertex] = 0;
}
