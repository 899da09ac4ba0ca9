#include "ui/editing_actions.h"

#include <cstdio>
#include <cstdlib>

#include "canvas/geometry.h"
#include "canvas/paint_canvas.h"
#include "graph/graph_state.h"
#include "ui/control_panel.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

namespace {

const char freeZoneText[] = "Alegeti o zona libera!";
const char noVertexText[] = "Nu ati selectat varful!";
const char noSecondVertexText[] = "Nu ati selectat cel de-al doilea varf";
const char firstEdgeVertexPrompt[] = " Selectati primul varf al muchiei ";
const char movePrompt[] = " Selectati varful pe care doriti sa-l deplasati ";

void refuse(HWND mainWindow, const char* text, const char* caption)
{
    errorBeep();
    showBox(mainWindow, text, caption);
}

bool isFreeZone(int x, int y)
{
    return findVertexAt(x, y) == 0 && x <= canvasMaxX && !isNearEdge(x, y);
}

// First press of a two-press action: chooses the vertex hit (drawn red from now on), or
// refuses the press. Returns true when a vertex was chosen.
bool chooseFirstVertex(HWND mainWindow, int x, int y, const char* caption)
{
    selectedVertex = findVertexAt(x, y);
    if (selectedVertex == 0)
        refuse(mainWindow, noVertexText, caption);
    return selectedVertex != 0;
}

// Second press of an edge action: the vertex hit, or 0 after the refusal, which keeps the
// first vertex chosen.
int secondEdgeVertex(HWND mainWindow, int x, int y, const char* caption)
{
    secondVertex = findVertexAt(x, y);
    if (secondVertex == 0 || x > canvasMaxX) {
        refuse(mainWindow, noSecondVertexText, caption);
        return 0;
    }
    return secondVertex;
}

void addVertex(HWND mainWindow, int x, int y)
{
    const char caption[] = "Adaugare varf";
    selectedVertex = 0;
    if (!isFreeZone(x, y)) {
        refuse(mainWindow, freeZoneText, caption);
        return;
    }
    // Vertex numbers end at 99: the arrays have no room for a hundredth vertex.
    if (graph.vertexCount >= maxVertices) {
        refuse(mainWindow, "Numarul maxim de varfuri (99) a fost atins!", caption);
        return;
    }
    graph.vertexCount++;
    graph.posX[graph.vertexCount] = x;
    graph.posY[graph.vertexCount] = y;
}

void removeVertex(HWND mainWindow, int x, int y)
{
    const char caption[] = "Eliminare varf";
    int v = findVertexAt(x, y);
    selectedVertex = v;
    if (v == 0) {
        refuse(mainWindow, noVertexText, caption);
        return;
    }
    if (graph.vertexCount - 1 == graph.removedCount) {
        // The last present vertex stays, and stays drawn red.
        refuse(mainWindow, "Nu se poate elimina ultimul varf!", caption);
        return;
    }
    graph.removed[v] = 1;
    graph.removedCount++;
    for (int j = 1; j <= graph.vertexCount; j++) {
        if (graph.cost[v][j] > 0) {
            graph.cost[j][v] = 0;
            graph.cost[v][j] = 0;
            graph.edgeCount--;
            graph.degree[v]--;
            graph.degree[j]--;
        }
    }
    selectedVertex = 0;
}

void showDegree(HWND mainWindow, int x, int y)
{
    const char caption[] = "Grad varf";
    int v = findVertexAt(x, y);
    selectedVertex = v;
    if (v != 0) {
        std::snprintf(smallBuffer, sizeof smallBuffer, "Gradul varfului %d este %d", v,
                      graph.degree[v]);
        showBox(mainWindow, smallBuffer, caption);
    } else {
        refuse(mainWindow, noVertexText, caption);
    }
    selectedVertex = 0;
}

void moveVertex(HWND mainWindow, int x, int y)
{
    const char caption[] = "Deplasare varf";
    if (selectedVertex == 0) {
        if (chooseFirstVertex(mainWindow, x, y, caption))
            setStatusText(1, " Marcati noua pozitie intr-o zona libera ");
        return;
    }
    // The vertex itself and its own edges count: a move of 24 px or less is refused.
    secondVertex = findVertexAt(x, y);
    if (!isFreeZone(x, y)) {
        refuse(mainWindow, freeZoneText, caption);
        return;
    }
    int v = selectedVertex;
    setStatusText(1, movePrompt);
    secondVertex = 0;
    selectedVertex = 0;
    graph.posX[v] = x;
    graph.posY[v] = y;
}

// The cost box's first three characters, as atoi reads them.
int readEdgeCost()
{
    GetWindowTextA(costBox, smallBuffer, 4);
    return std::atoi(smallBuffer);
}

void addEdge(HWND mainWindow, int x, int y)
{
    const char caption[] = "Adauga muchie";
    int edgeCost = readEdgeCost();
    if (edgeCost < 1) {
        showBox(mainWindow, "Costul muchiei este incorect", caption);
        return;
    }
    if (selectedVertex == 0) {
        if (chooseFirstVertex(mainWindow, x, y, caption))
            setStatusText(1, " Selectati cel de-al doilea varf al muchiei ");
        return;
    }
    int u = selectedVertex;
    int w = secondEdgeVertex(mainWindow, x, y, caption);
    if (w == 0)
        return;
    if (w == u) {
        // An edge from a vertex to itself is never stored; the first vertex stays chosen.
        refuse(mainWindow, "Alegeti un varf diferit de primul varf al muchiei!", caption);
        return;
    }
    if (graph.cost[u][w] != 0) {
        showBox(mainWindow, "Aceasta muchie exista deja!", caption);
    } else {
        graph.edgeCount++;
        graph.cost[w][u] = edgeCost;
        graph.cost[u][w] = edgeCost;
        graph.degree[u]++;
        graph.degree[w]++;
    }
    setStatusText(1, firstEdgeVertexPrompt);
    secondVertex = 0;
    selectedVertex = 0;
}

void removeEdge(HWND mainWindow, int x, int y)
{
    const char caption[] = "Elimina muchie";
    if (selectedVertex == 0) {
        chooseFirstVertex(mainWindow, x, y, caption);
        return;
    }
    int u = selectedVertex;
    int w = secondEdgeVertex(mainWindow, x, y, caption);
    if (w == 0)
        return;
    if (graph.cost[u][w] <= 0) {
        showBox(mainWindow, "Nu exista aceasta muchie!", caption);
    } else {
        graph.degree[u]--;
        graph.edgeCount--;
        graph.degree[w]--;
        graph.cost[w][u] = 0;
        graph.cost[u][w] = 0;
    }
    secondVertex = 0;
    selectedVertex = 0;
}

} // namespace

void onCanvasPress(HWND mainWindow, int x, int y)
{
    switch (checkedActionMode(actionGroup)) {
    case addVertexMode:
        addVertex(mainWindow, x, y);
        break;
    case removeVertexMode:
        removeVertex(mainWindow, x, y);
        break;
    case degreeMode:
        showDegree(mainWindow, x, y);
        break;
    case moveVertexMode:
        moveVertex(mainWindow, x, y);
        break;
    case addEdgeMode:
        addEdge(mainWindow, x, y);
        break;
    case removeEdgeMode:
        removeEdge(mainWindow, x, y);
        break;
    default:
        break;
    }
    invalidateCanvas(mainWindow);
}
