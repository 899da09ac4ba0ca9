#include "support/graph_builder.h"

void makeGraph(int n, std::initializer_list<Edge> edges)
{
    clearGraphState();
    graph.vertexCount = n;
    for (int k = 1; k <= n; k++)
        placeVertex(k, 40 + 60 * ((k - 1) % 12), 40 + 60 * ((k - 1) / 12));
    for (const Edge& e : edges)
        addTestEdge(e.u, e.v, e.cost);
}

void addTestEdge(int u, int v, int cost)
{
    graph.cost[u][v] = graph.cost[v][u] = cost;
    graph.degree[u]++;
    graph.degree[v]++;
    graph.edgeCount++;
}

void removeTestVertex(int k)
{
    for (int j = 1; j <= graph.vertexCount; j++) {
        if (graph.cost[k][j] > 0) {
            graph.cost[k][j] = graph.cost[j][k] = 0;
            graph.degree[j]--;
            graph.edgeCount--;
        }
    }
    graph.degree[k] = 0;
    graph.removed[k] = 1;
    graph.removedCount++;
}

void placeVertex(int k, int x, int y)
{
    graph.posX[k] = x;
    graph.posY[k] = y;
}

void makeCompleteGraph(int n, int (*costOf)(int u, int v))
{
    makeGraph(n, {});
    for (int u = 1; u < n; u++)
        for (int v = u + 1; v <= n; v++)
            addTestEdge(u, v, costOf(u, v));
}

bool sameSavedGraph(const GraphState& a, const GraphState& b)
{
    if (a.vertexCount != b.vertexCount || a.edgeCount != b.edgeCount ||
        a.removedCount != b.removedCount)
        return false;
    for (int u = 0; u < vertexSlots; u++) {
        if (a.removed[u] != b.removed[u] || a.degree[u] != b.degree[u])
            return false;
        if (u >= 1 && u <= a.vertexCount && !a.removed[u] &&
            (a.posX[u] != b.posX[u] || a.posY[u] != b.posY[u]))
            return false;
        for (int v = 0; v < vertexSlots; v++)
            if (a.cost[u][v] != b.cost[u][v])
                return false;
    }
    return true;
}
